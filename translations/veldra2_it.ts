<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Veldra2</source>
        <translation>Informazioni su Veldra2</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Lays out and engraves metal plates.</source>
        <translation>Impagina e incide targhe di metallo.</translation>
    </message>
</context>
<context>
    <name>CAddEntryDlg</name>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>&amp;Mantieni proporzioni</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Larghezza</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Altezza</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of this size.</source>
        <translation>Memoria insufficiente per un&apos;immagine di queste dimensioni.</translation>
    </message>
</context>
<context>
    <name>CAddMaterialDlg</name>
    <message>
        <source>Add Material</source>
        <translation>Aggiungi materiale</translation>
    </message>
    <message>
        <source>NewShape</source>
        <translation>NuovaForma</translation>
    </message>
    <message>
        <source>Resolution (&amp;dpi)</source>
        <translation>Ris&amp;oluzione (dpi)</translation>
    </message>
</context>
<context>
    <name>CAddSizeRules</name>
    <message>
        <source>Size (inch)</source>
        <translation>Dimensioni (pollici)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Dimensioni (mm)</translation>
    </message>
</context>
<context>
    <name>CAddSymbolDlg</name>
    <message>
        <source>Add Frame</source>
        <translation>Aggiungi cornice</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Aggiungi simbolo</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>&amp;Trasparente</translation>
    </message>
    <message>
        <source>%1
There is not enough memory for this picture.</source>
        <translation>%1
Memoria insufficiente per questa immagine.</translation>
    </message>
</context>
<context>
    <name>CAppCommands</name>
    <message>
        <source>No web browser could be started to show the manual.
It is at %1</source>
        <translation>Non è stato possibile avviare un browser per mostrare il manuale.
Si trova in %1</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>-32,0,0,0,400,0,0,0,0,3,2,1,34,Arial</source>
        <extracomment>The font of new text objects: height, width, escapement, orientation, weight, italic, underline, strike-out, character set, output precision, clip precision, quality, pitch and family, then the face name.</extracomment>
        <translation>-32,0,0,0,400,0,0,0,0,3,2,1,34,Arial</translation>
    </message>
    <message>
        <source>New Text</source>
        <translation>Nuovo testo</translation>
    </message>
</context>
<context>
    <name>CBaseDlg</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CBatchCommands</name>
    <message>
        <source>Data Source</source>
        <translation>Origine dati</translation>
    </message>
    <message>
        <source>Data files (*.csv *.tsv *.txt *.tab)</source>
        <translation>File di dati (*.csv *.tsv *.txt *.tab)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>The layout has no fields: write {Column}, {#}, {serial} or {date} in a text.</source>
        <translation>L&apos;impaginazione non ha campi: scrivere {Colonna}, {#}, {serial} o {date} in un testo.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossibile avviare la stampa.</translation>
    </message>
    <message>
        <source>Printing the batch...</source>
        <translation>Stampa della serie...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Printing record %1 of %2...</source>
        <translation>Stampa del record %1 di %2...</translation>
    </message>
    <message>
        <source>Could not print record %1.
%2
%3 plates were sent before it.</source>
        <translation>Impossibile stampare il record %1.
%2
Prima sono state inviate %3 targhe.</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>la stampante predefinita</translation>
    </message>
    <message>
        <source>%1 of %2 plates sent to %3.</source>
        <translation>%1 di %2 targhette inviate a %3.</translation>
    </message>
</context>
<context>
    <name>CBatchPrint</name>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossibile avviare la stampa.</translation>
    </message>
</context>
<context>
    <name>CBatchRender</name>
    <message>
        <source>The other %1 plates need %2 MB and the disk has %3 MB free.</source>
        <translation>Le altre %1 targhe richiedono %2 MB e il disco ha %3 MB liberi.</translation>
    </message>
</context>
<context>
    <name>CBatchRun</name>
    <message>
        <source>Record %1: %2</source>
        <translation>Record %1: %2</translation>
    </message>
    <message>
        <source>it failed.</source>
        <translation>l&apos;operazione non è riuscita.</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1 and %2 more.</source>
        <translation>Testo ridotto per starci nei record %1 e in altri %2.</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1.</source>
        <translation>Testo ridotto per starci nei record %1.</translation>
    </message>
    <message>
        <source>A batch does at most %1 records; this one has %2. Split it into ranges of records.</source>
        <translation>Un lotto comprende al massimo %1 record; questo ne ha %2. Dividetelo in intervalli di record.</translation>
    </message>
</context>
<context>
    <name>CCodeDefinition</name>
    <message>
        <source>Data Matrix</source>
        <translation>Data Matrix</translation>
    </message>
    <message>
        <source>Data Matrix (rectangular)</source>
        <translation>Data Matrix (rettangolare)</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>Codice QR</translation>
    </message>
    <message>
        <source>Code 128</source>
        <translation>Code 128</translation>
    </message>
    <message>
        <source>GS1 DataMatrix</source>
        <translation>GS1 DataMatrix</translation>
    </message>
    <message>
        <source>GS1-128</source>
        <translation>GS1-128</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CCodeDlg</name>
    <message>
        <source>&amp;Quiet zone</source>
        <translation>Zona di &amp;rispetto</translation>
    </message>
    <message>
        <source>&amp;Text under the bars</source>
        <translation>T&amp;esto sotto le barre</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>L (7 %)</source>
        <translation>L (7 %)</translation>
    </message>
    <message>
        <source>M (15 %)</source>
        <translation>M (15 %)</translation>
    </message>
    <message>
        <source>Q (25 %)</source>
        <translation>Q (25 %)</translation>
    </message>
    <message>
        <source>H (30 %)</source>
        <translation>H (30 %)</translation>
    </message>
    <message>
        <source>White modules on black</source>
        <translation>Moduli bianchi su nero</translation>
    </message>
    <message>
        <source>Black modules on white</source>
        <translation>Moduli neri su bianco</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>&amp;Module (%1)</source>
        <translation>&amp;Modulo (%1)</translation>
    </message>
    <message>
        <source>&amp;Error correction</source>
        <translation>&amp;Correzione errori</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>Co&amp;lore</translation>
    </message>
    <message>
        <source>Type the module size as a number greater than 0.</source>
        <translation>Digitare la dimensione del modulo come numero maggiore di 0.</translation>
    </message>
</context>
<context>
    <name>CCodeEncoder</name>
    <message>
        <source>The code has no data.</source>
        <translation>Il codice non contiene dati.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2).</source>
        <translation>I dati sono troppo lunghi per %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot hold this data: %2.</source>
        <translation>%1 non può contenere questi dati: %2.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>Impossibile creare %1: %2.</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2 bytes).</source>
        <translation>I dati sono troppo lunghi per %1 (%2 byte).</translation>
    </message>
</context>
<context>
    <name>CCodeFields</name>
    <message>
        <source>The code&apos;s data: %1</source>
        <translation>I dati del codice: %1</translation>
    </message>
</context>
<context>
    <name>CCodeRules</name>
    <message>
        <source>%1 x %2 mm, %3 x %4 modules; module %5 mm (%6 dots)</source>
        <translation>%1 x %2 mm, %3 x %4 moduli; modulo %5 mm (%6 punti)</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Altro...</translation>
    </message>
</context>
<context>
    <name>CCropImageDlg</name>
    <message>
        <source>Crop Image</source>
        <translation>Scontorna immagine</translation>
    </message>
    <message>
        <source>&amp;Approximate Color for Fill</source>
        <translation>Colore &amp;approssimato per il riempimento</translation>
    </message>
    <message>
        <source>&amp;Pen Diameter</source>
        <translation>&amp;Diametro della penna</translation>
    </message>
    <message>
        <source>&amp;Transparent Color</source>
        <translation>Colore &amp;trasparente</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>Adatta allo schermo</translation>
    </message>
</context>
<context>
    <name>CCupsConnection</name>
    <message>
        <source>The print scheduler did not answer within %1 s.</source>
        <translation>Lo scheduler di stampa non ha risposto entro %1 s.</translation>
    </message>
    <message>
        <source>The print scheduler cannot be reached.</source>
        <translation>Lo scheduler di stampa non è raggiungibile.</translation>
    </message>
    <message>
        <source>The print scheduler broke off without an answer.</source>
        <translation>Lo scheduler di stampa ha interrotto la connessione senza rispondere.</translation>
    </message>
</context>
<context>
    <name>CCupsJob</name>
    <message>
        <source>The printer %1 is not there.</source>
        <translation>La stampante %1 non esiste.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped.</source>
        <translation>La stampante %1 è ferma.</translation>
    </message>
    <message>
        <source>The printer %1 does not take jobs.</source>
        <translation>La stampante %1 non accetta lavori.</translation>
    </message>
</context>
<context>
    <name>CDataSource</name>
    <message>
        <source>%1 is too large for a data file.</source>
        <translation>%1 è troppo grande per un file di dati.</translation>
    </message>
    <message>
        <source>The file is empty: its first line must name the columns.</source>
        <translation>Il file è vuoto: la prima riga deve dare i nomi delle colonne.</translation>
    </message>
    <message>
        <source>Line 1: every column needs a name of its own (&quot;%1&quot;).</source>
        <translation>Riga 1: ogni colonna deve avere un nome proprio (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Line %1: %2 fields where the header names %3 columns.</source>
        <translation>Riga %1: %2 campi dove l&apos;intestazione indica %3 colonne.</translation>
    </message>
</context>
<context>
    <name>CDataSourceDlg</name>
    <message>
        <source>Data Source</source>
        <translation>Origine dati</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgola</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto e virgola</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulazione</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>&amp;Separatore</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Colonne:</translation>
    </message>
    <message>
        <source>One record.</source>
        <translation>Un record.</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 record.</translation>
    </message>
</context>
<context>
    <name>CDelimitedReader</name>
    <message>
        <source>a closing quote must end its field</source>
        <translation>le virgolette di chiusura devono terminare il campo</translation>
    </message>
    <message>
        <source>the quoted field is never closed</source>
        <translation>il campo tra virgolette non viene mai chiuso</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Riga %1: %2.</translation>
    </message>
    <message>
        <source>The text is too large for a data file.</source>
        <translation>Il testo è troppo grande per un file di dati.</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>Bitmap file (*.bmp *.dib *.rle)</source>
        <translation>File bitmap (*.bmp *.dib *.rle)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
</context>
<context>
    <name>CDocumentFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato di file inatteso.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossibile aprire il documento.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossibile salvare il documento.</translation>
    </message>
</context>
<context>
    <name>CDocumentManager</name>
    <message>
        <source>Veldra2 File (*.vlz)</source>
        <translation>File Veldra2 (*.vlz)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
File non trovato.
Verificare che percorso e nome del file siano corretti.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
</context>
<context>
    <name>CEngraverJob</name>
    <message>
        <source>The job could not be written.</source>
        <translation>Non è stato possibile scrivere il lavoro.</translation>
    </message>
</context>
<context>
    <name>CEngraverPropertiesDlg</name>
    <message>
        <source>Engraver Properties</source>
        <translation>Proprietà dell&apos;incisore</translation>
    </message>
    <message>
        <source>&amp;Brightness:</source>
        <translation>&amp;Luminosità:</translation>
    </message>
    <message>
        <source>Con&amp;trast:</source>
        <translation>Con&amp;trasto:</translation>
    </message>
    <message>
        <source>&amp;Gamma:</source>
        <translation>&amp;Gamma:</translation>
    </message>
</context>
<context>
    <name>CFanTextDlg</name>
    <message>
        <source>Fan Text</source>
        <translation>Testo a ventaglio</translation>
    </message>
    <message>
        <source>&amp;Span</source>
        <translation>&amp;Ampiezza</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>Radi&amp;us</source>
        <translation>Ragg&amp;io</translation>
    </message>
    <message>
        <source>Invert Te&amp;xt</source>
        <translation>I&amp;nverti testo</translation>
    </message>
</context>
<context>
    <name>CFieldRefusal</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Inserire un numero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter a number, such as %1.</source>
        <translation>Inserire un numero, ad esempio %1.</translation>
    </message>
</context>
<context>
    <name>CFieldTemplate</name>
    <message>
        <source>A &quot;}&quot; at character %1 closes no field (write &quot;}}&quot; for the brace itself).</source>
        <translation>Una &quot;}&quot; al carattere %1 non chiude alcun campo (scrivere &quot;}}&quot; per la parentesi stessa).</translation>
    </message>
    <message>
        <source>The field at character %1 is not closed (write &quot;{{&quot; for the brace itself).</source>
        <translation>Il campo al carattere %1 non è chiuso (scrivere &quot;{{&quot; per la parentesi stessa).</translation>
    </message>
    <message>
        <source>A field has no name: write {Column}, {#}, {serial} or {date}.</source>
        <translation>Un campo non ha nome: scrivere {Colonna}, {#}, {serial} o {date}.</translation>
    </message>
    <message>
        <source>The counter {serial:%1} is not a number: write {serial:0001} or {serial:0001+5}.</source>
        <translation>Il contatore {serial:%1} non è un numero: scrivere {serial:0001} o {serial:0001+5}.</translation>
    </message>
    <message>
        <source>The counter {serial:%1} runs out of the numbers a counter can hold by record %2.</source>
        <translation>Il contatore {serial:%1} esce dai numeri che un contatore può contenere al record %2.</translation>
    </message>
</context>
<context>
    <name>CGridSetupDlg</name>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Mostra &amp;griglia</translation>
    </message>
    <message>
        <source>Set &amp;Center line color</source>
        <translation>Colore della linea &amp;centrale</translation>
    </message>
    <message>
        <source>Grid Setup</source>
        <translation>Impostazione griglia</translation>
    </message>
    <message>
        <source>Interval (inch)</source>
        <translation>Intervallo (pollici)</translation>
    </message>
    <message>
        <source>Interval (mm)</source>
        <translation>Intervallo (mm)</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Orizzontale</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>Grid c&amp;olor</source>
        <translation>Co&amp;lore della griglia</translation>
    </message>
</context>
<context>
    <name>CInputFile</name>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>è una cartella, non un file.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>non è un file normale.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
File non trovato.
Verificare che percorso e nome del file siano corretti.</translation>
    </message>
</context>
<context>
    <name>CLayerRows</name>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Drawing pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
</context>
<context>
    <name>CLayerWindow</name>
    <message>
        <source>Layer</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Su</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Join with Lower Layer</source>
        <translation>Unisci al livello inferiore</translation>
    </message>
    <message>
        <source>Join with Displayed Layer</source>
        <translation>Unisci al livello visualizzato</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>CLibraryCommands</name>
    <message>
        <source>&quot;%1&quot; could not be read from the library.</source>
        <translation>Non è stato possibile leggere &quot;%1&quot; dalla libreria.</translation>
    </message>
    <message>
        <source>Add Material</source>
        <translation>Aggiungi materiale</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Aggiungi cornice</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Aggiungi simbolo</translation>
    </message>
</context>
<context>
    <name>CLibraryEntryFile</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Inserire un nome.</translation>
    </message>
    <message>
        <source>A name cannot contain &quot;/&quot;.</source>
        <translation>Un nome non può contenere &quot;/&quot;.</translation>
    </message>
    <message>
        <source>A name cannot begin with &quot;.&quot;.</source>
        <translation>Un nome non può iniziare con &quot;.&quot;.</translation>
    </message>
    <message>
        <source>A library cannot keep these characters of the name: %1</source>
        <translation>La libreria non può conservare questi caratteri del nome: %1</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters.</source>
        <translation>Un nome può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Il file esiste già</translation>
    </message>
</context>
<context>
    <name>CLibraryFiles</name>
    <message>
        <source>&quot;%1&quot; is no longer in the library folder.</source>
        <translation>&quot;%1&quot; non è più nella cartella della libreria.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2</source>
        <translation>Non è stato possibile eliminare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be moved to the trash: %2
Hold Shift while deleting to delete it for good.</source>
        <translation>Non è stato possibile spostare &quot;%1&quot; nel cestino: %2
Tenere premuto Maiusc durante l&apos;eliminazione per eliminarlo definitivamente.</translation>
    </message>
    <message>
        <source>There is already an entry named &quot;%1&quot;.</source>
        <translation>Esiste già una voce di nome &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>Non è stato possibile rinominare &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Estesa</translation>
    </message>
    <message>
        <source>%1[*] - Veldra2</source>
        <translation>%1[*] - Veldra2</translation>
    </message>
</context>
<context>
    <name>CMaterialSetup</name>
    <message>
        <source>The material &quot;%1&quot; cannot be read. The material was not changed.</source>
        <translation>Non è possibile leggere il materiale &quot;%1&quot;. Il materiale non è stato cambiato.</translation>
    </message>
</context>
<context>
    <name>CMaterialSetupDlg</name>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Altro...</translation>
    </message>
    <message>
        <source>Material Setup</source>
        <translation>Impostazione materiale</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Dimensioni (pollici)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Dimensioni (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Larghezza</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>Al&amp;tezza</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellisse</translation>
    </message>
</context>
<context>
    <name>CMenuLayout</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Oggetto</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>&amp;Inserisci</translation>
    </message>
    <message>
        <source>A&amp;dd Parts</source>
        <translation>&amp;Aggiungi parti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Add Ma&amp;terial</source>
        <translation>Aggiungi materia&amp;le</translation>
    </message>
</context>
<context>
    <name>CModuleSize</name>
    <message>
        <source>A module of %1 mm is less than %2 dots at %3 dpi; the smallest module that works is %4 mm.</source>
        <translation>Un modulo di %1 mm è meno di %2 punti a %3 dpi; il modulo più piccolo possibile è %4 mm.</translation>
    </message>
</context>
<context>
    <name>CPenSetupDlg</name>
    <message>
        <source>Pen Setup</source>
        <translation>Impostazione penna</translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Paint &amp;Color</source>
        <translation>&amp;Colore di penna e riempimento</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Larghezza</translation>
    </message>
</context>
<context>
    <name>CPictureFileChooser</name>
    <message>
        <source>Bitmap file</source>
        <translation>File bitmap</translation>
    </message>
    <message>
        <source>JPEG file</source>
        <translation>File JPEG</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>CPictureImport</name>
    <message>
        <source>%1
A layout cannot keep these characters of the file&apos;s name: %2
Rename the file and import it again.</source>
        <translation>%1
Un&apos;impaginazione non può conservare questi caratteri del nome del file: %2
Rinominare il file e importarlo di nuovo.</translation>
    </message>
    <message>
        <source>The material leaves no room inside its margins for a picture.</source>
        <translation>Il materiale non lascia spazio per un'immagine all'interno dei suoi margini.</translation>
    </message>
    <message>
        <source>%1 could not be placed on the plate.</source>
        <translation>Impossibile collocare %1 sulla piastra.</translation>
    </message>
</context>
<context>
    <name>CPictureLoader</name>
    <message>
        <source>%1
Unexpected file format.</source>
        <translation>%1
Formato di file inatteso.</translation>
    </message>
</context>
<context>
    <name>CPicturePreviewPane</name>
    <message>
        <source>Engrave the &amp;dark parts</source>
        <translation>Incidi le parti &amp;scure</translation>
    </message>
    <message>
        <source>White engraves. Tick this for a dark drawing on light paper: the picture is turned to its negative as it is added.</source>
        <translation>Il bianco viene inciso. Selezionare per un disegno scuro su carta chiara: l’immagine viene convertita in negativo quando viene aggiunta.</translation>
    </message>
</context>
<context>
    <name>CPlateNames</name>
    <message>
        <source>(no data file)</source>
        <translation>(nessun file di dati)</translation>
    </message>
    <message>
        <source>The file name&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>I campi %1 del nome file non indicano alcuna colonna dei dati. Le sue colonne: %2.</translation>
    </message>
    <message>
        <source>Record %1 gets no file name from &quot;%2&quot;.</source>
        <translation>Il record %1 non riceve un nome di file da &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; holds a &quot;/&quot;.</source>
        <translation>Il nome di file &quot;%2&quot; del record %1 contiene una &quot;/&quot;.</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name holds a NUL character.</source>
        <translation>Il nome file del record %1 contiene un carattere NUL.</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; is another record&apos;s too: add {#} to the name.</source>
        <translation>Il nome di file &quot;%2&quot; del record %1 è anche di un altro record: aggiungere {#} al nome.</translation>
    </message>
</context>
<context>
    <name>CPlateRenderer</name>
    <message>
        <source>The plate is too large to render.</source>
        <translation>La targa è troppo grande per essere resa.</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, has no size a plate can have.</source>
        <translation>Il materiale, %1 x %2 mm, non ha una dimensione che una piastra possa avere.</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, is smaller than one dot of the engraver.</source>
        <translation>Il materiale, %1 x %2 mm, è più piccolo di un punto dell’incisore.</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambia...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>&amp;Millimeter</source>
        <translation>&amp;Millimetri</translation>
    </message>
    <message>
        <source>&amp;Inch</source>
        <translation>&amp;Pollici</translation>
    </message>
    <message>
        <source>Margin (inch)</source>
        <translation>Margine (pollici)</translation>
    </message>
    <message>
        <source>Margin (mm)</source>
        <translation>Margine (mm)</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>Or&amp;izzontale</translation>
    </message>
    <message>
        <source>Ve&amp;rtical</source>
        <translation>Ve&amp;rticale</translation>
    </message>
    <message>
        <source>U&amp;ndo Count</source>
        <translation>Passi di a&amp;nnullamento</translation>
    </message>
    <message>
        <source>Preview color</source>
        <translation>Colore di anteprima</translation>
    </message>
    <message>
        <source>Color&amp;1</source>
        <translation>Colore &amp;1</translation>
    </message>
    <message>
        <source>Color&amp;2</source>
        <translation>Colore &amp;2</translation>
    </message>
    <message>
        <source>&amp;User defined</source>
        <translation>Personali&amp;zzato</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Use S&amp;ystem Color</source>
        <translation>Colore di s&amp;istema</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>SPI</source>
        <translation>SPI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Reset &amp;Default</source>
        <translation>Ripristina pre&amp;definiti</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>A&amp;vanzate...</translation>
    </message>
    <message>
        <source> Folder</source>
        <translation> Cartella</translation>
    </message>
    <message>
        <source>Autosave &amp;every</source>
        <translation>Salvataggio &amp;automatico ogni</translation>
    </message>
    <message>
        <source>minutes (0: off)</source>
        <translation>minuti (0: mai)</translation>
    </message>
</context>
<context>
    <name>CPreviewDlg</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source> 100%</source>
        <translation> 100%</translation>
    </message>
    <message>
        <source> 200%</source>
        <translation> 200%</translation>
    </message>
    <message>
        <source> 400%</source>
        <translation> 400%</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Set Standard</source>
        <translation>Imposta come stan&amp;dard</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Luminosità</translation>
    </message>
    <message>
        <source>Con&amp;trast</source>
        <translation>Con&amp;trasto</translation>
    </message>
    <message>
        <source>&amp;Gamma</source>
        <translation>&amp;Gamma</translation>
    </message>
</context>
<context>
    <name>CPrintBatchDlg</name>
    <message>
        <source>Print Batch</source>
        <translation>Stampa in serie</translation>
    </message>
    <message>
        <source>One plate and one print job per record; record %1 is shown.</source>
        <translation>Una targa e un lavoro di stampa per record; è mostrato il record %1.</translation>
    </message>
    <message>
        <source>&amp;From record</source>
        <translation>&amp;Dal record</translation>
    </message>
    <message>
        <source>&amp;To record</source>
        <translation>&amp;Al record</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Stampante: %1</translation>
    </message>
    <message>
        <source>No data file: the plates are numbered 1, 2, 3 ... for {#} and {serial}.</source>
        <translation>Nessun file di dati: le targhette sono numerate 1, 2, 3 ... per {#} e {serial}.</translation>
    </message>
    <message>
        <source>&amp;Plates</source>
        <translation>&amp;Targhette</translation>
    </message>
    <message>
        <source>One plate will be sent to %1.</source>
        <translation>Una targhetta sarà inviata a %1.</translation>
    </message>
    <message>
        <source>%1 plates will be sent to %2, one job each.</source>
        <translation>%1 targhette saranno inviate a %2, una stampa ciascuna.</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>Sending %1 to the printer...</source>
        <translation>Invio di %1 alla stampante...</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossibile avviare la stampa.</translation>
    </message>
    <message>
        <source>Sent %1 to %2, job %3.</source>
        <translation>%1 inviato a %2, stampa %3.</translation>
    </message>
    <message>
        <source>Could not print %1 on %2: %3</source>
        <translation>Impossibile stampare %1 su %2: %3</translation>
    </message>
    <message>
        <source>Waiting for the print scheduler to answer (at most %1 s)...</source>
        <translation>In attesa della risposta dello scheduler di stampa (al massimo %1 s)...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupDlg</name>
    <message>
        <source>No printers are installed.</source>
        <translation>Non è installata alcuna stampante.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Imposta stampante</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>P&amp;rinter:</source>
        <translation>Stampa&amp;nte:</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commento:</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Formato carta:</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Copie:</translation>
    </message>
    <message>
        <source>The default printer</source>
        <translation>La stampante predefinita</translation>
    </message>
    <message>
        <source>The printer&apos;s settings could not be saved.</source>
        <translation>Non è stato possibile salvare le impostazioni della stampante.</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>&amp;Proprietà...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupRules</name>
    <message>
        <source>Ready</source>
        <translation>Pronta</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>In stampa</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>%1, not accepting jobs</source>
        <translation>%1, non accetta lavori</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CProofJob</name>
    <message>
        <source>The job could not be written.</source>
        <translation>Non è stato possibile scrivere il lavoro.</translation>
    </message>
</context>
<context>
    <name>CPropertiesDlg</name>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Position (inch)</source>
        <translation>Posizione (pollici)</translation>
    </message>
    <message>
        <source>Position (mm)</source>
        <translation>Posizione (mm)</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Dimensioni (pollici)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Dimensioni (mm)</translation>
    </message>
    <message>
        <source>Keep &amp;Aspect</source>
        <translation>&amp;Mantieni proporzioni</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Larghezza</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>Alte&amp;zza</translation>
    </message>
</context>
<context>
    <name>CRecordCodes</name>
    <message>
        <source>The code &quot;%1&quot;: %2</source>
        <translation>Il codice &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Record %1: %2</source>
        <translation>Record %1: %2</translation>
    </message>
</context>
<context>
    <name>CRecordDisplay</name>
    <message>
        <source>The data holds no records.</source>
        <translation>I dati non contengono record.</translation>
    </message>
</context>
<context>
    <name>CRecordLayout</name>
    <message>
        <source>The text &quot;%1&quot;: %2</source>
        <translation>Il testo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>(no data file)</source>
        <translation>(nessun file di dati)</translation>
    </message>
    <message>
        <source>The layout&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>I campi %1 dell&apos;impaginazione non indicano alcuna colonna dei dati. Le sue colonne: %2.</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the text&apos;s code page cannot hold &quot;%3&quot;.</source>
        <translation>Record %1, colonna &quot;%2&quot;: la tabella codici del testo non può contenere &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the value holds a NUL character.</source>
        <translation>Record %1, colonna &quot;%2&quot;: il valore contiene un carattere NUL.</translation>
    </message>
</context>
<context>
    <name>CRecordNavigator</name>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>Numero del record</translation>
    </message>
    <message>
        <source>Stop using the data source</source>
        <translation>Non usare più l&apos;origine dati</translation>
    </message>
    <message>
        <source> of %1 (%2)</source>
        <translation> di %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CRecoveryDlg</name>
    <message>
        <source>Recover Layouts</source>
        <translation>Recupera impaginazioni</translation>
    </message>
    <message>
        <source>Veldra2 did not exit normally. These layouts had changes that were not saved:</source>
        <translation>Veldra2 non è terminato normalmente. Queste impaginazioni avevano modifiche non salvate:</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Impaginazione</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Kept at</source>
        <translation>Conservata il</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recupera</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(mai salvata)</translation>
    </message>
    <message>
        <source>The kept changes of %1 could not all be deleted.</source>
        <translation>Non è stato possibile eliminare tutte le modifiche conservate di %1.</translation>
    </message>
</context>
<context>
    <name>CRecoverySession</name>
    <message>
        <source>The recovery folder %1 cannot be used.</source>
        <translation>La cartella di recupero %1 non può essere usata.</translation>
    </message>
</context>
<context>
    <name>CRotateImageDlg</name>
    <message>
        <source>Rotate Image</source>
        <translation>Ruota immagine</translation>
    </message>
    <message>
        <source>&amp;Angle:</source>
        <translation>&amp;Angolo:</translation>
    </message>
</context>
<context>
    <name>CSafeSave</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>è una cartella.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>non è un file normale.</translation>
    </message>
    <message>
        <source>the file is not open.</source>
        <translation>il file non è aperto.</translation>
    </message>
    <message>
        <source>the data could not be written.</source>
        <translation>non è stato possibile scrivere i dati.</translation>
    </message>
    <message>
        <source>it is a symbolic link.</source>
        <translation>è un collegamento simbolico.</translation>
    </message>
    <message>
        <source>no new file could be made beside it.</source>
        <translation>non è stato possibile creare un nuovo file accanto.</translation>
    </message>
</context>
<context>
    <name>CSaneOptions</name>
    <message>
        <source>The scanner cannot scan in the mode &quot;%1&quot;.</source>
        <translation>Lo scanner non può acquisire in modalità &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The scanner cannot scan at %1 dpi.</source>
        <translation>Lo scanner non può acquisire a %1 dpi.</translation>
    </message>
    <message>
        <source>The scanner cannot scan the chosen area.</source>
        <translation>Lo scanner non può acquisire l&apos;area scelta.</translation>
    </message>
</context>
<context>
    <name>CSaneStatusText</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>La scansione è stata annullata.</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>Nello scanner non c&apos;è alcun documento.</translation>
    </message>
    <message>
        <source>The document is jammed in the scanner.</source>
        <translation>Il documento si è inceppato nello scanner.</translation>
    </message>
    <message>
        <source>The scanner&apos;s cover is open.</source>
        <translation>Il coperchio dello scanner è aperto.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>Lo scanner è occupato.</translation>
    </message>
    <message>
        <source>The scanner cannot be reached: it may have been switched off or unplugged.</source>
        <translation>Lo scanner non è raggiungibile: forse è stato spento o scollegato.</translation>
    </message>
    <message>
        <source>The scanner ran out of memory.</source>
        <translation>Lo scanner ha esaurito la memoria.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied.</source>
        <translation>L&apos;accesso allo scanner è stato negato.</translation>
    </message>
    <message>
        <source>The scanner reported an error: %1</source>
        <translation>Lo scanner ha segnalato un errore: %1</translation>
    </message>
</context>
<context>
    <name>CScanCommands</name>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, and that SANE knows it (scanimage -L).</source>
        <translation>Non è stato trovato alcuno scanner. Verificare che sia collegato e acceso e che SANE lo conosca (scanimage -L).</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>Non è stato possibile aprire lo scanner &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CScanDlg</name>
    <message>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Risoluzione:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modalità:</translation>
    </message>
    <message>
        <source>Drag on the preview to scan only a part.</source>
        <translation>Trascinare sull&apos;anteprima per acquisire solo una parte.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Scansione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Previewing...</source>
        <translation>Anteprima in corso...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scansione in corso...</translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation>La scansione è stata annullata.</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>Nello scanner non c&apos;è alcun documento.</translation>
    </message>
    <message>
        <source>The scan failed.</source>
        <translation>La scansione non è riuscita.</translation>
    </message>
</context>
<context>
    <name>CScanFrameAssembler</name>
    <message>
        <source>The scanner started a new frame before ending the last one.</source>
        <translation>Lo scanner ha iniziato un nuovo fotogramma prima di terminare il precedente.</translation>
    </message>
    <message>
        <source>There is not enough memory for the scanned picture.</source>
        <translation>Memoria insufficiente per l&apos;immagine acquisita.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Lo scanner invia immagini in un formato che questo programma non sa leggere.</translation>
    </message>
    <message>
        <source>The scanner reported an impossible picture size.</source>
        <translation>Lo scanner ha indicato dimensioni impossibili.</translation>
    </message>
    <message>
        <source>The scanner reported a line length that does not match its picture width.</source>
        <translation>Lo scanner ha indicato una lunghezza di riga che non corrisponde alla larghezza dell&apos;immagine.</translation>
    </message>
    <message>
        <source>The scanned picture would be too large.</source>
        <translation>L&apos;immagine acquisita sarebbe troppo grande.</translation>
    </message>
    <message>
        <source>The scanner sent more lines than it announced.</source>
        <translation>Lo scanner ha inviato più righe di quelle annunciate.</translation>
    </message>
    <message>
        <source>The scanner&apos;s colour frames do not fit together.</source>
        <translation>I fotogrammi a colori dello scanner non combaciano.</translation>
    </message>
    <message>
        <source>The scanner sent data outside a frame.</source>
        <translation>Lo scanner ha inviato dati fuori da un fotogramma.</translation>
    </message>
    <message>
        <source>The scanner ended a frame it never started.</source>
        <translation>Lo scanner ha terminato un fotogramma mai iniziato.</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Lo scanner non ha inviato alcuna immagine.</translation>
    </message>
</context>
<context>
    <name>CScanSession</name>
    <message>
        <source>The scanner library could not be started: %1</source>
        <translation>Non è stato possibile avviare la libreria dello scanner: %1</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Non è stato trovato alcuno scanner.</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>Non è stato possibile aprire lo scanner &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The scanner is not open.</source>
        <translation>Lo scanner non è aperto.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. It was left as it is: switch it off and on again before the next scan.</source>
        <translation>Lo scanner ha smesso di rispondere. È stato lasciato così com’è: spegnerlo e riaccenderlo prima della prossima scansione.</translation>
    </message>
</context>
<context>
    <name>CScanSourceDlg</name>
    <message>
        <source>Select Source</source>
        <translation>Seleziona origine</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>CSelectTool</name>
    <message>
        <source>Drag to rotate; drag the centre handle to move</source>
        <translation>Trascinare per ruotare; trascinare la maniglia centrale per spostare</translation>
    </message>
</context>
<context>
    <name>CSettingsCommands</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Non è stato possibile salvare le impostazioni in %1.</translation>
    </message>
</context>
<context>
    <name>CStarterLibrary</name>
    <message>
        <source>Hexagon</source>
        <translation>Esagono</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Tondo</translation>
    </message>
    <message>
        <source>Rounded rectangle</source>
        <translation>Rettangolo arrotondato</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Scudo</translation>
    </message>
    <message>
        <source>Tag with hole</source>
        <translation>Targhetta con foro</translation>
    </message>
    <message>
        <source>Beaded</source>
        <translation>Perlinato</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Tratteggiato</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Punteggiato</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppio</translation>
    </message>
    <message>
        <source>Ornamental corners</source>
        <translation>Angoli decorati</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arrotondato</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Semplice</translation>
    </message>
    <message>
        <source>Thick and thin</source>
        <translation>Spesso e sottile</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Check mark</source>
        <translation>Segno di spunta</translation>
    </message>
    <message>
        <source>Cross mark</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>First aid</source>
        <translation>Pronto soccorso</translation>
    </message>
    <message>
        <source>Gear</source>
        <translation>Ingranaggio</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cuore</translation>
    </message>
    <message>
        <source>High voltage</source>
        <translation>Alta tensione</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <translation>Vietato</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>Freccia di rotazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avvertenza</translation>
    </message>
</context>
<context>
    <name>CStartupLogoWnd</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>CStatusTexts</name>
    <message>
        <source>inch</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursore</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
</context>
<context>
    <name>CSymbolDlg</name>
    <message>
        <source>Material</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Reflesh	F5</source>
        <translation>Aggi&amp;orna	F5</translation>
    </message>
    <message>
        <source>Rena&amp;me	F2</source>
        <translation>Rino&amp;mina	F2</translation>
    </message>
    <message>
        <source>&amp;Delete	Delete</source>
        <translation>&amp;Elimina	Canc</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Lettura della libreria...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for good? It cannot be brought back from the trash.</source>
        <translation>Eliminare &quot;%1&quot; definitivamente? Non potrà essere recuperato dal cestino.</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;File...</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Scansione...</translation>
    </message>
</context>
<context>
    <name>CTextBlockDlg</name>
    <message>
        <source>Text Block</source>
        <translation>Blocco di testo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Larghezza</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Alte&amp;zza</translation>
    </message>
    <message>
        <source>Background Margin</source>
        <translation>Margine dello sfondo</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>Or&amp;izzontale</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>Riempi s&amp;fondo</translation>
    </message>
    <message>
        <source>&amp;Draw Edge</source>
        <translation>Dise&amp;gna bordo</translation>
    </message>
    <message>
        <source>Thic&amp;k Edge</source>
        <translation>Bordo &amp;spesso</translation>
    </message>
    <message>
        <source>&amp;Anti-aliasing</source>
        <translation>A&amp;ntialiasing</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>Colore di sfon&amp;do</translation>
    </message>
    <message>
        <source>Ed&amp;ge Color</source>
        <translation>Colore del &amp;bordo</translation>
    </message>
    <message>
        <source>Vertica&amp;l</source>
        <translation>Vertic&amp;ale</translation>
    </message>
</context>
<context>
    <name>CTextCharSet</name>
    <message>
        <source>This text cannot be stored: no one character set holds all of it. Remove these characters or put them in a text of their own: %1</source>
        <translation>Questo testo non può essere salvato: nessun set di caratteri lo contiene tutto. Rimuovere questi caratteri o metterli in un testo a parte: %1</translation>
    </message>
</context>
<context>
    <name>CTextDlg</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Larghezza</translation>
    </message>
</context>
<context>
    <name>CTextPropDlg</name>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Alte&amp;zza</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>&amp;Rotate Text</source>
        <translation>&amp;Ruota testo</translation>
    </message>
    <message>
        <source>Rotation &amp;Angle</source>
        <translation>An&amp;golo di rotazione</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>Riempi s&amp;fondo</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>Colore di sfon&amp;do</translation>
    </message>
</context>
<context>
    <name>CTrimmingDlg</name>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>&amp;Mantieni proporzioni</translation>
    </message>
    <message>
        <source>Trimming Picture</source>
        <translation>Ritaglio immagine</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tutto</translation>
    </message>
    <message>
        <source>&amp;Same size</source>
        <translation>&amp;Stesse dimensioni</translation>
    </message>
    <message>
        <source>&amp;Free</source>
        <translation>&amp;Libero</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Dimensioni (pollici)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Dimensioni (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>Lar&amp;ghezza</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Altezza</translation>
    </message>
</context>
<context>
    <name>CUnitFormat</name>
    <message>
        <source>inch</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
</context>
<context>
    <name>CZoomStatusBar</name>
    <message>
        <source>Position: -000.000, -000.000 inch</source>
        <translation>Posizione: -000.000, -000.000 pollici</translation>
    </message>
    <message>
        <source>1000%</source>
        <translation>1000%</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crea un nuovo documento</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Apre un documento esistente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salva il documento attivo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Sal&amp;va con nome...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Salva il documento attivo con un nuovo nome</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>Importa immagine</translation>
    </message>
    <message>
        <source>Se&amp;lect Source...</source>
        <translation>Seleziona &amp;origine...</translation>
    </message>
    <message>
        <source>Select TWAIN data source</source>
        <translation>Seleziona l&apos;origine dati TWAIN</translation>
    </message>
    <message>
        <source>A&amp;cquire...</source>
        <translation>Acq&amp;uisisci...</translation>
    </message>
    <message>
        <source>Acquire image</source>
        <translation>Acquisisce un&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;File...</translation>
    </message>
    <message>
        <source>Add a material to the library from a picture file</source>
        <translation>Aggiunge alla libreria un materiale da un file immagine</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Scansione...</translation>
    </message>
    <message>
        <source>Add a material to the library from the scanner</source>
        <translation>Aggiunge alla libreria un materiale dallo scanner</translation>
    </message>
    <message>
        <source>&amp;Material Setup...</source>
        <translation>Imposta&amp;zione materiale...</translation>
    </message>
    <message>
        <source>Set the size and outline of the material</source>
        <translation>Imposta dimensioni e contorno del materiale</translation>
    </message>
    <message>
        <source>Output to &amp;Bmp file...</source>
        <translation>Esporta come file &amp;Bmp...</translation>
    </message>
    <message>
        <source>Output to Bmp file</source>
        <translation>Esporta come file Bmp</translation>
    </message>
    <message>
        <source>Output to Clipboard</source>
        <translation>Esporta negli appunti</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Sta&amp;mpa...</translation>
    </message>
    <message>
        <source>Engrave the layout</source>
        <translation>Incide l&apos;impaginazione</translation>
    </message>
    <message>
        <source>Print &amp;Directly</source>
        <translation>Stampa &amp;diretta</translation>
    </message>
    <message>
        <source>Engrave the layout on the chosen engraver without asking</source>
        <translation>Incide l&apos;impaginazione sull&apos;incisore scelto senza chiedere</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Ante&amp;prima di stampa...</translation>
    </message>
    <message>
        <source>Preview the engraved plate</source>
        <translation>Mostra l&apos;anteprima della targa incisa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Impos&amp;ta stampante...</translation>
    </message>
    <message>
        <source>Choose the engraver and its options</source>
        <translation>Sceglie l&apos;incisore e le sue opzioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Chiude l&apos;applicazione; chiede di salvare i documenti</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annulla l&apos;ultima azione</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Ripete l&apos;azione annullata</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Taglia la selezione e la mette negli appunti</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copia la selezione e la mette negli appunti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inserisce il contenuto degli appunti</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete the selection</source>
        <translation>Elimina la selezione</translation>
    </message>
    <message>
        <source>&amp;Move Center</source>
        <translation>S&amp;posta al centro</translation>
    </message>
    <message>
        <source>Move the selection to the centre of the material</source>
        <translation>Sposta la selezione al centro del materiale</translation>
    </message>
    <message>
        <source>Edit the properties of the selection</source>
        <translation>Modifica le proprietà della selezione</translation>
    </message>
    <message>
        <source>Pre&amp;ferences...</source>
        <translation>Pre&amp;ferenze...</translation>
    </message>
    <message>
        <source>Change the program&apos;s settings</source>
        <translation>Cambia le impostazioni del programma</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Extended Toolbar</source>
        <translation>Barra degli strumenti &amp;estesa</translation>
    </message>
    <message>
        <source>Show or hide the extended toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti estesa</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di st&amp;ato</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisce</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduce</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>Adatta allo s&amp;chermo</translation>
    </message>
    <message>
        <source>Show the whole material</source>
        <translation>Mostra tutto il materiale</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>Zoom to 50%</source>
        <translation>Zoom al 50%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Zoom to 100%</source>
        <translation>Zoom al 100%</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>Zoom to 200%</source>
        <translation>Zoom al 200%</translation>
    </message>
    <message>
        <source>400%</source>
        <translation>400%</translation>
    </message>
    <message>
        <source>Zoom to 400%</source>
        <translation>Zoom al 400%</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Mostra &amp;griglia</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>Mostra o nasconde la griglia</translation>
    </message>
    <message>
        <source>Grid Set&amp;up...</source>
        <translation>Impos&amp;ta griglia...</translation>
    </message>
    <message>
        <source>Set the grid pitch and colours</source>
        <translation>Imposta passo e colori della griglia</translation>
    </message>
    <message>
        <source>&amp;Layer...</source>
        <translation>&amp;Livello...</translation>
    </message>
    <message>
        <source>Show or hide layer window</source>
        <translation>Mostra o nasconde la finestra dei livelli</translation>
    </message>
    <message>
        <source>In&amp;vert</source>
        <translation>In&amp;verti</translation>
    </message>
    <message>
        <source>Invert the engraved and the bare parts</source>
        <translation>Inverte le parti incise e quelle nude</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleziona</translation>
    </message>
    <message>
        <source>Select Object</source>
        <translation>Seleziona oggetto</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Ingrandisce o riduce</translation>
    </message>
    <message>
        <source>Scro&amp;ll</source>
        <translation>S&amp;corri</translation>
    </message>
    <message>
        <source>Scroll the screen</source>
        <translation>Scorre lo schermo</translation>
    </message>
    <message>
        <source>Text &amp;Block</source>
        <translation>&amp;Blocco di testo</translation>
    </message>
    <message>
        <source>Insert Text Block</source>
        <translation>Inserisce un blocco di testo</translation>
    </message>
    <message>
        <source>Drawing &amp;Pen</source>
        <translation>&amp;Penna</translation>
    </message>
    <message>
        <source>Drawing Pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>&amp;Fill Paint</source>
        <translation>&amp;Riempimento</translation>
    </message>
    <message>
        <source>Fill Paint</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>&amp;Horizontal Text</source>
        <translation>Testo &amp;orizzontale</translation>
    </message>
    <message>
        <source>Insert Horizontal Text</source>
        <translation>Inserisce un testo orizzontale</translation>
    </message>
    <message>
        <source>F&amp;an Text</source>
        <translation>Testo a &amp;ventaglio</translation>
    </message>
    <message>
        <source>Insert Fan Text</source>
        <translation>Inserisce un testo a ventaglio</translation>
    </message>
    <message>
        <source>Text Tools</source>
        <translation>Strumenti di testo</translation>
    </message>
    <message>
        <source>Insert horizontal or fan text</source>
        <translation>Inserisce un testo orizzontale o a ventaglio</translation>
    </message>
    <message>
        <source>Pen Set&amp;up...</source>
        <translation>Impostazione pe&amp;nna...</translation>
    </message>
    <message>
        <source>Set the width and colour of the drawing pen</source>
        <translation>Imposta larghezza e colore della penna</translation>
    </message>
    <message>
        <source>&amp;Material...</source>
        <translation>&amp;Materiale...</translation>
    </message>
    <message>
        <source>Insert a material from the library</source>
        <translation>Inserisce un materiale dalla libreria</translation>
    </message>
    <message>
        <source>&amp;Frame...</source>
        <translation>&amp;Cornice...</translation>
    </message>
    <message>
        <source>Insert a frame from the library</source>
        <translation>Inserisce una cornice dalla libreria</translation>
    </message>
    <message>
        <source>&amp;Symbol...</source>
        <translation>&amp;Simbolo...</translation>
    </message>
    <message>
        <source>Insert a symbol from the library</source>
        <translation>Inserisce un simbolo dalla libreria</translation>
    </message>
    <message>
        <source>Add a frame to the library</source>
        <translation>Aggiunge una cornice alla libreria</translation>
    </message>
    <message>
        <source>Add a symbol to the library</source>
        <translation>Aggiunge un simbolo alla libreria</translation>
    </message>
    <message>
        <source>&amp;Trimming...</source>
        <translation>Ri&amp;taglia...</translation>
    </message>
    <message>
        <source>Trim the picture to a rectangle</source>
        <translation>Ritaglia l&apos;immagine a un rettangolo</translation>
    </message>
    <message>
        <source>Crop &amp;Image...</source>
        <translation>Scontorna i&amp;mmagine...</translation>
    </message>
    <message>
        <source>Make parts of the picture transparent</source>
        <translation>Rende trasparenti parti dell&apos;immagine</translation>
    </message>
    <message>
        <source>R&amp;otate Image...</source>
        <translation>Ruota imma&amp;gine...</translation>
    </message>
    <message>
        <source>Turn the picture by quarter turns</source>
        <translation>Ruota l&apos;immagine di quarti di giro</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Apre il manuale</translation>
    </message>
    <message>
        <source>&amp;About Veldra2...</source>
        <translation>&amp;Informazioni su Veldra2...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright</translation>
    </message>
    <message>
        <source>O&amp;utput to Clipboard</source>
        <translation>Esporta n&amp;egli appunti</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>Propr&amp;ietà...</translation>
    </message>
    <message>
        <source>&amp;Data Source...</source>
        <translation>Origine &amp;dati...</translation>
    </message>
    <message>
        <source>Choose the data file whose records fill the layout&apos;s fields</source>
        <translation>Sceglie il file di dati i cui record riempiono i campi dell&apos;impaginazione</translation>
    </message>
    <message>
        <source>Print Batc&amp;h...</source>
        <translation>Stampa in se&amp;rie...</translation>
    </message>
    <message>
        <source>Engrave one plate per record</source>
        <translation>Incide una targa per record</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Primo record</translation>
    </message>
    <message>
        <source>Show the first record</source>
        <translation>Mostra il primo record</translation>
    </message>
    <message>
        <source>Previous Record</source>
        <translation>Record precedente</translation>
    </message>
    <message>
        <source>Show the previous record</source>
        <translation>Mostra il record precedente</translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation>Record successivo</translation>
    </message>
    <message>
        <source>Show the next record</source>
        <translation>Mostra il record successivo</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Ultimo record</translation>
    </message>
    <message>
        <source>Show the last record</source>
        <translation>Mostra l&apos;ultimo record</translation>
    </message>
    <message>
        <source>&amp;Code...</source>
        <translation>Co&amp;dice...</translation>
    </message>
    <message>
        <source>Insert a Data Matrix, QR or Code 128 code</source>
        <translation>Inserisce un codice Data Matrix, QR o Code 128</translation>
    </message>
</context>
<context>
    <name>DialogSupport</name>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Orizzontale</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Testo</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambia...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>F&amp;ont Color</source>
        <translation>Colore del caratt&amp;ere</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Veldra2 Resource #0</source>
        <extracomment>The check text of a replacement catalog: keep it exactly as it is.</extracomment>
        <translation>Veldra2 Resource #0</translation>
    </message>
</context>
</TS>
