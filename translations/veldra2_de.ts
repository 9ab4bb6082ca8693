<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Veldra2</source>
        <translation>Über Veldra2</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Lays out and engraves metal plates.</source>
        <translation>Gestaltet und graviert Metallplatten.</translation>
    </message>
</context>
<context>
    <name>CAddEntryDlg</name>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>Seiten&amp;verhältnis beibehalten</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of this size.</source>
        <translation>Für ein Bild dieser Größe reicht der Speicher nicht.</translation>
    </message>
</context>
<context>
    <name>CAddMaterialDlg</name>
    <message>
        <source>Add Material</source>
        <translation>Material hinzufügen</translation>
    </message>
    <message>
        <source>NewShape</source>
        <translation>NeueForm</translation>
    </message>
    <message>
        <source>Resolution (&amp;dpi)</source>
        <translation>Auf&amp;lösung (dpi)</translation>
    </message>
</context>
<context>
    <name>CAddSizeRules</name>
    <message>
        <source>Size (inch)</source>
        <translation>Größe (Zoll)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Größe (mm)</translation>
    </message>
</context>
<context>
    <name>CAddSymbolDlg</name>
    <message>
        <source>Add Frame</source>
        <translation>Rahmen hinzufügen</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Symbol hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>&amp;Transparent</translation>
    </message>
    <message>
        <source>%1
There is not enough memory for this picture.</source>
        <translation>%1
Für dieses Bild reicht der Speicher nicht.</translation>
    </message>
</context>
<context>
    <name>CAppCommands</name>
    <message>
        <source>No web browser could be started to show the manual.
It is at %1</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um das Handbuch zu zeigen.
Es liegt unter %1</translation>
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
        <translation>Neuer Text</translation>
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
        <translation>Datenquelle</translation>
    </message>
    <message>
        <source>Data files (*.csv *.tsv *.txt *.tab)</source>
        <translation>Datendateien (*.csv *.tsv *.txt *.tab)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The layout has no fields: write {Column}, {#}, {serial} or {date} in a text.</source>
        <translation>Das Layout hat keine Felder: Schreiben Sie {Spalte}, {#}, {serial} oder {date} in einen Text.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Printing the batch...</source>
        <translation>Die Serie wird gedruckt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing record %1 of %2...</source>
        <translation>Datensatz %1 von %2 wird gedruckt...</translation>
    </message>
    <message>
        <source>Could not print record %1.
%2
%3 plates were sent before it.</source>
        <translation>Datensatz %1 konnte nicht gedruckt werden.
%2
Davor wurden %3 Platten gesendet.</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>den Standarddrucker</translation>
    </message>
    <message>
        <source>%1 of %2 plates sent to %3.</source>
        <translation>%1 von %2 Schildern an %3 gesendet.</translation>
    </message>
</context>
<context>
    <name>CBatchPrint</name>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>CBatchRender</name>
    <message>
        <source>The other %1 plates need %2 MB and the disk has %3 MB free.</source>
        <translation>Die übrigen %1 Platten brauchen %2 MB, auf dem Datenträger sind %3 MB frei.</translation>
    </message>
</context>
<context>
    <name>CBatchRun</name>
    <message>
        <source>Record %1: %2</source>
        <translation>Datensatz %1: %2</translation>
    </message>
    <message>
        <source>it failed.</source>
        <translation>es ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1 and %2 more.</source>
        <translation>Text verkleinert, damit er passt, in den Datensätzen %1 und %2 weiteren.</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1.</source>
        <translation>Text verkleinert, damit er passt, in den Datensätzen %1.</translation>
    </message>
    <message>
        <source>A batch does at most %1 records; this one has %2. Split it into ranges of records.</source>
        <translation>Ein Stapel umfasst höchstens %1 Datensätze, dieser hat %2. Teilen Sie ihn in Bereiche von Datensätzen auf.</translation>
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
        <translation>Data Matrix (rechteckig)</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>QR-Code</translation>
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
        <translation>&amp;Ruhezone</translation>
    </message>
    <message>
        <source>&amp;Text under the bars</source>
        <translation>&amp;Text unter den Strichen</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
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
        <translation>Weiße Module auf Schwarz</translation>
    </message>
    <message>
        <source>Black modules on white</source>
        <translation>Schwarze Module auf Weiß</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Art</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Daten</translation>
    </message>
    <message>
        <source>&amp;Module (%1)</source>
        <translation>&amp;Modul (%1)</translation>
    </message>
    <message>
        <source>&amp;Error correction</source>
        <translation>&amp;Fehlerkorrektur</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>Far&amp;be</translation>
    </message>
    <message>
        <source>Type the module size as a number greater than 0.</source>
        <translation>Geben Sie die Modulgröße als Zahl größer als 0 ein.</translation>
    </message>
</context>
<context>
    <name>CCodeEncoder</name>
    <message>
        <source>The code has no data.</source>
        <translation>Der Code enthält keine Daten.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Speicher.</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2).</source>
        <translation>Die Daten sind zu lang für %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot hold this data: %2.</source>
        <translation>%1 kann diese Daten nicht aufnehmen: %2.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>%1 konnte nicht erzeugt werden: %2.</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2 bytes).</source>
        <translation>Die Daten sind zu lang für %1 (%2 Bytes).</translation>
    </message>
</context>
<context>
    <name>CCodeFields</name>
    <message>
        <source>The code&apos;s data: %1</source>
        <translation>Die Daten des Codes: %1</translation>
    </message>
</context>
<context>
    <name>CCodeRules</name>
    <message>
        <source>%1 x %2 mm, %3 x %4 modules; module %5 mm (%6 dots)</source>
        <translation>%1 x %2 mm, %3 x %4 Module; Modul %5 mm (%6 Punkte)</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Andere...</translation>
    </message>
</context>
<context>
    <name>CCropImageDlg</name>
    <message>
        <source>Crop Image</source>
        <translation>Bild freistellen</translation>
    </message>
    <message>
        <source>&amp;Approximate Color for Fill</source>
        <translation>&amp;Ähnliche Farbe für Füllung</translation>
    </message>
    <message>
        <source>&amp;Pen Diameter</source>
        <translation>&amp;Stiftdurchmesser</translation>
    </message>
    <message>
        <source>&amp;Transparent Color</source>
        <translation>&amp;Transparente Farbe</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>An Fenster anpassen</translation>
    </message>
</context>
<context>
    <name>CCupsConnection</name>
    <message>
        <source>The print scheduler did not answer within %1 s.</source>
        <translation>Der Druckdienst hat nicht innerhalb von %1 s geantwortet.</translation>
    </message>
    <message>
        <source>The print scheduler cannot be reached.</source>
        <translation>Der Druckdienst ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The print scheduler broke off without an answer.</source>
        <translation>Der Druckdienst hat die Verbindung ohne Antwort abgebrochen.</translation>
    </message>
</context>
<context>
    <name>CCupsJob</name>
    <message>
        <source>The printer %1 is not there.</source>
        <translation>Den Drucker %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped.</source>
        <translation>Der Drucker %1 ist angehalten.</translation>
    </message>
    <message>
        <source>The printer %1 does not take jobs.</source>
        <translation>Der Drucker %1 nimmt keine Aufträge an.</translation>
    </message>
</context>
<context>
    <name>CDataSource</name>
    <message>
        <source>%1 is too large for a data file.</source>
        <translation>%1 ist zu groß für eine Datendatei.</translation>
    </message>
    <message>
        <source>The file is empty: its first line must name the columns.</source>
        <translation>Die Datei ist leer: Ihre erste Zeile muss die Spalten benennen.</translation>
    </message>
    <message>
        <source>Line 1: every column needs a name of its own (&quot;%1&quot;).</source>
        <translation>Zeile 1: Jede Spalte braucht einen eigenen Namen („%1“).</translation>
    </message>
    <message>
        <source>Line %1: %2 fields where the header names %3 columns.</source>
        <translation>Zeile %1: %2 Felder, wo die Kopfzeile %3 Spalten nennt.</translation>
    </message>
</context>
<context>
    <name>CDataSourceDlg</name>
    <message>
        <source>Data Source</source>
        <translation>Datenquelle</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>&amp;Trennzeichen</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Spalten:</translation>
    </message>
    <message>
        <source>One record.</source>
        <translation>Ein Datensatz.</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 Datensätze.</translation>
    </message>
</context>
<context>
    <name>CDelimitedReader</name>
    <message>
        <source>a closing quote must end its field</source>
        <translation>ein schließendes Anführungszeichen muss sein Feld beenden</translation>
    </message>
    <message>
        <source>the quoted field is never closed</source>
        <translation>das Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>The text is too large for a data file.</source>
        <translation>Der Text ist für eine Datendatei zu groß.</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>Bitmap file (*.bmp *.dib *.rle)</source>
        <translation>Bitmap-Datei (*.bmp *.dib *.rle)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>CDocumentFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CDocumentManager</name>
    <message>
        <source>Veldra2 File (*.vlz)</source>
        <translation>Veldra2-Datei (*.vlz)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Diese Datei wurde nicht gefunden.
Bitte prüfen Sie, ob Pfad und Dateiname stimmen.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>CEngraverJob</name>
    <message>
        <source>The job could not be written.</source>
        <translation>Der Auftrag konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>CEngraverPropertiesDlg</name>
    <message>
        <source>Engraver Properties</source>
        <translation>Eigenschaften des Graviergeräts</translation>
    </message>
    <message>
        <source>&amp;Brightness:</source>
        <translation>&amp;Helligkeit:</translation>
    </message>
    <message>
        <source>Con&amp;trast:</source>
        <translation>&amp;Kontrast:</translation>
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
        <translation>Bogentext</translation>
    </message>
    <message>
        <source>&amp;Span</source>
        <translation>S&amp;pannweite</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Radi&amp;us</source>
        <translation>Rad&amp;ius</translation>
    </message>
    <message>
        <source>Invert Te&amp;xt</source>
        <translation>Text &amp;umkehren</translation>
    </message>
</context>
<context>
    <name>CFieldRefusal</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter a number, such as %1.</source>
        <translation>Bitte geben Sie eine Zahl ein, zum Beispiel %1.</translation>
    </message>
</context>
<context>
    <name>CFieldTemplate</name>
    <message>
        <source>A &quot;}&quot; at character %1 closes no field (write &quot;}}&quot; for the brace itself).</source>
        <translation>Ein „}“ an Zeichen %1 schließt kein Feld (schreiben Sie „}}“ für die Klammer selbst).</translation>
    </message>
    <message>
        <source>The field at character %1 is not closed (write &quot;{{&quot; for the brace itself).</source>
        <translation>Das Feld an Zeichen %1 wird nicht geschlossen (schreiben Sie „{{“ für die Klammer selbst).</translation>
    </message>
    <message>
        <source>A field has no name: write {Column}, {#}, {serial} or {date}.</source>
        <translation>Ein Feld hat keinen Namen: Schreiben Sie {Spalte}, {#}, {serial} oder {date}.</translation>
    </message>
    <message>
        <source>The counter {serial:%1} is not a number: write {serial:0001} or {serial:0001+5}.</source>
        <translation>Der Zähler {serial:%1} ist keine Zahl: Schreiben Sie {serial:0001} oder {serial:0001+5}.</translation>
    </message>
    <message>
        <source>The counter {serial:%1} runs out of the numbers a counter can hold by record %2.</source>
        <translation>Der Zähler {serial:%1} verlässt bei Datensatz %2 den Zahlenbereich eines Zählers.</translation>
    </message>
</context>
<context>
    <name>CGridSetupDlg</name>
    <message>
        <source>Show &amp;Grid</source>
        <translation>&amp;Raster anzeigen</translation>
    </message>
    <message>
        <source>Set &amp;Center line color</source>
        <translation>Farbe der &amp;Mittellinie</translation>
    </message>
    <message>
        <source>Grid Setup</source>
        <translation>Raster einrichten</translation>
    </message>
    <message>
        <source>Interval (inch)</source>
        <translation>Abstand (Zoll)</translation>
    </message>
    <message>
        <source>Interval (mm)</source>
        <translation>Abstand (mm)</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Waagerecht</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Senkrecht</translation>
    </message>
    <message>
        <source>Grid c&amp;olor</source>
        <translation>Raster&amp;farbe</translation>
    </message>
</context>
<context>
    <name>CInputFile</name>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es ist keine normale Datei.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Diese Datei wurde nicht gefunden.
Bitte prüfen Sie, ob Pfad und Dateiname stimmen.</translation>
    </message>
</context>
<context>
    <name>CLayerRows</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Drawing pen</source>
        <translation>Zeichenstift</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
</context>
<context>
    <name>CLayerWindow</name>
    <message>
        <source>Layer</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Join with Lower Layer</source>
        <translation>Mit unterer Ebene vereinen</translation>
    </message>
    <message>
        <source>Join with Displayed Layer</source>
        <translation>Mit angezeigter Ebene vereinen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>CLibraryCommands</name>
    <message>
        <source>&quot;%1&quot; could not be read from the library.</source>
        <translation>„%1“ konnte nicht aus der Bibliothek gelesen werden.</translation>
    </message>
    <message>
        <source>Add Material</source>
        <translation>Material hinzufügen</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Rahmen hinzufügen</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Symbol hinzufügen</translation>
    </message>
</context>
<context>
    <name>CLibraryEntryFile</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>A name cannot contain &quot;/&quot;.</source>
        <translation>Ein Name darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>A name cannot begin with &quot;.&quot;.</source>
        <translation>Ein Name darf nicht mit „.“ beginnen.</translation>
    </message>
    <message>
        <source>A library cannot keep these characters of the name: %1</source>
        <translation>Diese Zeichen des Namens kann die Bibliothek nicht speichern: %1</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters.</source>
        <translation>Ein Name darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Die Datei gibt es bereits</translation>
    </message>
</context>
<context>
    <name>CLibraryFiles</name>
    <message>
        <source>&quot;%1&quot; is no longer in the library folder.</source>
        <translation>„%1“ ist nicht mehr im Bibliotheksordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2</source>
        <translation>„%1“ konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be moved to the trash: %2
Hold Shift while deleting to delete it for good.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: %2
Halten Sie beim Löschen die Umschalttaste gedrückt, um es endgültig zu löschen.</translation>
    </message>
    <message>
        <source>There is already an entry named &quot;%1&quot;.</source>
        <translation>Es gibt bereits einen Eintrag namens „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>„%1“ konnte nicht umbenannt werden: %2</translation>
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
        <translation>Erweitert</translation>
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
        <translation>Das Material „%1“ kann nicht gelesen werden. Das Material wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>CMaterialSetupDlg</name>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Andere...</translation>
    </message>
    <message>
        <source>Material Setup</source>
        <translation>Material einrichten</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Größe (Zoll)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Größe (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
</context>
<context>
    <name>CMenuLayout</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>A&amp;dd Parts</source>
        <translation>&amp;Teile hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Add Ma&amp;terial</source>
        <translation>Material hin&amp;zufügen</translation>
    </message>
</context>
<context>
    <name>CModuleSize</name>
    <message>
        <source>A module of %1 mm is less than %2 dots at %3 dpi; the smallest module that works is %4 mm.</source>
        <translation>Ein Modul von %1 mm ist bei %3 dpi kleiner als %2 Punkte; das kleinste Modul, das geht, ist %4 mm.</translation>
    </message>
</context>
<context>
    <name>CPenSetupDlg</name>
    <message>
        <source>Pen Setup</source>
        <translation>Stift einrichten</translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Paint &amp;Color</source>
        <translation>Stift- &amp;&amp; Füll&amp;farbe</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
</context>
<context>
    <name>CPictureFileChooser</name>
    <message>
        <source>Bitmap file</source>
        <translation>Bitmap-Datei</translation>
    </message>
    <message>
        <source>JPEG file</source>
        <translation>JPEG-Datei</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CPictureImport</name>
    <message>
        <source>%1
A layout cannot keep these characters of the file&apos;s name: %2
Rename the file and import it again.</source>
        <translation>%1
Diese Zeichen des Dateinamens kann ein Layout nicht speichern: %2
Benennen Sie die Datei um und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>The material leaves no room inside its margins for a picture.</source>
        <translation>Das Material lässt innerhalb seiner Ränder keinen Platz für ein Bild.</translation>
    </message>
    <message>
        <source>%1 could not be placed on the plate.</source>
        <translation>%1 konnte nicht auf die Platte gesetzt werden.</translation>
    </message>
</context>
<context>
    <name>CPictureLoader</name>
    <message>
        <source>%1
Unexpected file format.</source>
        <translation>%1
Unerwartetes Dateiformat.</translation>
    </message>
</context>
<context>
    <name>CPicturePreviewPane</name>
    <message>
        <source>Engrave the &amp;dark parts</source>
        <translation>&amp;Dunkle Teile gravieren</translation>
    </message>
    <message>
        <source>White engraves. Tick this for a dark drawing on light paper: the picture is turned to its negative as it is added.</source>
        <translation>Weiß wird graviert. Für eine dunkle Zeichnung auf hellem Papier ankreuzen: Das Bild wird beim Hinzufügen in sein Negativ umgekehrt.</translation>
    </message>
</context>
<context>
    <name>CPlateNames</name>
    <message>
        <source>(no data file)</source>
        <translation>(keine Datendatei)</translation>
    </message>
    <message>
        <source>The file name&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>Die Felder %1 des Dateinamens nennen keine Spalte der Daten. Ihre Spalten: %2.</translation>
    </message>
    <message>
        <source>Record %1 gets no file name from &quot;%2&quot;.</source>
        <translation>Datensatz %1 erhält aus „%2“ keinen Dateinamen.</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; holds a &quot;/&quot;.</source>
        <translation>Der Dateiname „%2“ von Datensatz %1 enthält ein „/“.</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name holds a NUL character.</source>
        <translation>Der Dateiname von Datensatz %1 enthält ein NUL-Zeichen.</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; is another record&apos;s too: add {#} to the name.</source>
        <translation>Der Dateiname „%2“ von Datensatz %1 gehört auch einem anderen Datensatz: Fügen Sie {#} in den Namen ein.</translation>
    </message>
</context>
<context>
    <name>CPlateRenderer</name>
    <message>
        <source>The plate is too large to render.</source>
        <translation>Die Platte ist zu groß zum Berechnen.</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, has no size a plate can have.</source>
        <translation>Das Material, %1 x %2 mm, hat keine Größe, die eine Platte haben kann.</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, is smaller than one dot of the engraver.</source>
        <translation>Das Material, %1 x %2 mm, ist kleiner als ein Punkt des Gravierers.</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>Ä&amp;ndern...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>S&amp;ystem</translation>
    </message>
    <message>
        <source>&amp;Millimeter</source>
        <translation>&amp;Millimeter</translation>
    </message>
    <message>
        <source>&amp;Inch</source>
        <translation>Z&amp;oll</translation>
    </message>
    <message>
        <source>Margin (inch)</source>
        <translation>Rand (Zoll)</translation>
    </message>
    <message>
        <source>Margin (mm)</source>
        <translation>Rand (mm)</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>&amp;Waagerecht</translation>
    </message>
    <message>
        <source>Ve&amp;rtical</source>
        <translation>Sen&amp;krecht</translation>
    </message>
    <message>
        <source>U&amp;ndo Count</source>
        <translation>&amp;Rückgängig-Schritte</translation>
    </message>
    <message>
        <source>Preview color</source>
        <translation>Vorschaufarbe</translation>
    </message>
    <message>
        <source>Color&amp;1</source>
        <translation>Farbe &amp;1</translation>
    </message>
    <message>
        <source>Color&amp;2</source>
        <translation>Farbe &amp;2</translation>
    </message>
    <message>
        <source>&amp;User defined</source>
        <translation>&amp;Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Use S&amp;ystem Color</source>
        <translation>Systemfarbe &amp;verwenden</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset &amp;Default</source>
        <translation>&amp;Standard wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Erweitert...</translation>
    </message>
    <message>
        <source> Folder</source>
        <translation> Ordner</translation>
    </message>
    <message>
        <source>Autosave &amp;every</source>
        <translation>Automatisch spei&amp;chern alle</translation>
    </message>
    <message>
        <source>minutes (0: off)</source>
        <translation>Minuten (0: aus)</translation>
    </message>
</context>
<context>
    <name>CPreviewDlg</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
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
        <translation>Als &amp;Standard setzen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Helligkeit</translation>
    </message>
    <message>
        <source>Con&amp;trast</source>
        <translation>&amp;Kontrast</translation>
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
        <translation>Seriendruck</translation>
    </message>
    <message>
        <source>One plate and one print job per record; record %1 is shown.</source>
        <translation>Eine Platte und ein Druckauftrag je Datensatz; Datensatz %1 wird gezeigt.</translation>
    </message>
    <message>
        <source>&amp;From record</source>
        <translation>&amp;Von Datensatz</translation>
    </message>
    <message>
        <source>&amp;To record</source>
        <translation>&amp;Bis Datensatz</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>No data file: the plates are numbered 1, 2, 3 ... for {#} and {serial}.</source>
        <translation>Keine Datendatei: Die Schilder werden für {#} und {serial} mit 1, 2, 3 ... nummeriert.</translation>
    </message>
    <message>
        <source>&amp;Plates</source>
        <translation>&amp;Schilder</translation>
    </message>
    <message>
        <source>One plate will be sent to %1.</source>
        <translation>Ein Schild wird an %1 gesendet.</translation>
    </message>
    <message>
        <source>%1 plates will be sent to %2, one job each.</source>
        <translation>%1 Schilder werden an %2 gesendet, jedes als eigener Auftrag.</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>Sending %1 to the printer...</source>
        <translation>%1 wird an den Drucker gesendet...</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Sent %1 to %2, job %3.</source>
        <translation>%1 an %2 gesendet, Auftrag %3.</translation>
    </message>
    <message>
        <source>Could not print %1 on %2: %3</source>
        <translation>%1 konnte nicht auf %2 gedruckt werden: %3</translation>
    </message>
    <message>
        <source>Waiting for the print scheduler to answer (at most %1 s)...</source>
        <translation>Warten auf die Antwort des Druckplaners (höchstens %1 s)...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupDlg</name>
    <message>
        <source>No printers are installed.</source>
        <translation>Es sind keine Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>P&amp;rinter:</source>
        <translation>Dr&amp;ucker:</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>Papier&amp;format:</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>E&amp;xemplare:</translation>
    </message>
    <message>
        <source>The default printer</source>
        <translation>Der Standarddrucker</translation>
    </message>
    <message>
        <source>The printer&apos;s settings could not be saved.</source>
        <translation>Die Einstellungen des Druckers konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupRules</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1, not accepting jobs</source>
        <translation>%1, nimmt keine Aufträge an</translation>
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
        <translation>Der Auftrag konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>CPropertiesDlg</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Position (inch)</source>
        <translation>Position (Zoll)</translation>
    </message>
    <message>
        <source>Position (mm)</source>
        <translation>Position (mm)</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Größe (Zoll)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Größe (mm)</translation>
    </message>
    <message>
        <source>Keep &amp;Aspect</source>
        <translation>Seiten&amp;verhältnis beibehalten</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>&amp;Höhe</translation>
    </message>
</context>
<context>
    <name>CRecordCodes</name>
    <message>
        <source>The code &quot;%1&quot;: %2</source>
        <translation>Der Code „%1“: %2</translation>
    </message>
    <message>
        <source>Record %1: %2</source>
        <translation>Datensatz %1: %2</translation>
    </message>
</context>
<context>
    <name>CRecordDisplay</name>
    <message>
        <source>The data holds no records.</source>
        <translation>Die Daten enthalten keine Datensätze.</translation>
    </message>
</context>
<context>
    <name>CRecordLayout</name>
    <message>
        <source>The text &quot;%1&quot;: %2</source>
        <translation>Der Text „%1“: %2</translation>
    </message>
    <message>
        <source>(no data file)</source>
        <translation>(keine Datendatei)</translation>
    </message>
    <message>
        <source>The layout&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>Die Felder %1 des Layouts nennen keine Spalte der Daten. Ihre Spalten: %2.</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the text&apos;s code page cannot hold &quot;%3&quot;.</source>
        <translation>Datensatz %1, Spalte „%2“: Die Codepage des Textes kann „%3“ nicht darstellen.</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the value holds a NUL character.</source>
        <translation>Datensatz %1, Spalte &quot;%2&quot;: Der Wert enthält ein NUL-Zeichen.</translation>
    </message>
</context>
<context>
    <name>CRecordNavigator</name>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>Datensatznummer</translation>
    </message>
    <message>
        <source>Stop using the data source</source>
        <translation>Datenquelle nicht mehr verwenden</translation>
    </message>
    <message>
        <source> of %1 (%2)</source>
        <translation> von %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CRecoveryDlg</name>
    <message>
        <source>Recover Layouts</source>
        <translation>Layouts wiederherstellen</translation>
    </message>
    <message>
        <source>Veldra2 did not exit normally. These layouts had changes that were not saved:</source>
        <translation>Veldra2 wurde nicht normal beendet. Diese Layouts hatten ungespeicherte Änderungen:</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Kept at</source>
        <translation>Gesichert um</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(nie gespeichert)</translation>
    </message>
    <message>
        <source>The kept changes of %1 could not all be deleted.</source>
        <translation>Die gesicherten Änderungen von %1 konnten nicht alle gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>CRecoverySession</name>
    <message>
        <source>The recovery folder %1 cannot be used.</source>
        <translation>Der Wiederherstellungsordner %1 kann nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>CRotateImageDlg</name>
    <message>
        <source>Rotate Image</source>
        <translation>Bild drehen</translation>
    </message>
    <message>
        <source>&amp;Angle:</source>
        <translation>&amp;Winkel:</translation>
    </message>
</context>
<context>
    <name>CSafeSave</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es ist ein Ordner.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es ist keine normale Datei.</translation>
    </message>
    <message>
        <source>the file is not open.</source>
        <translation>die Datei ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>the data could not be written.</source>
        <translation>die Daten konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>it is a symbolic link.</source>
        <translation>es ist eine symbolische Verknüpfung.</translation>
    </message>
    <message>
        <source>no new file could be made beside it.</source>
        <translation>daneben konnte keine neue Datei angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CSaneOptions</name>
    <message>
        <source>The scanner cannot scan in the mode &quot;%1&quot;.</source>
        <translation>Der Scanner kann nicht im Modus „%1“ scannen.</translation>
    </message>
    <message>
        <source>The scanner cannot scan at %1 dpi.</source>
        <translation>Der Scanner kann nicht mit %1 dpi scannen.</translation>
    </message>
    <message>
        <source>The scanner cannot scan the chosen area.</source>
        <translation>Der Scanner kann den gewählten Bereich nicht scannen.</translation>
    </message>
</context>
<context>
    <name>CSaneStatusText</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>Der Scan wurde abgebrochen.</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>Im Scanner liegt kein Dokument.</translation>
    </message>
    <message>
        <source>The document is jammed in the scanner.</source>
        <translation>Das Dokument hat sich im Scanner gestaut.</translation>
    </message>
    <message>
        <source>The scanner&apos;s cover is open.</source>
        <translation>Die Abdeckung des Scanners ist offen.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>Der Scanner ist belegt.</translation>
    </message>
    <message>
        <source>The scanner cannot be reached: it may have been switched off or unplugged.</source>
        <translation>Der Scanner ist nicht erreichbar: Vielleicht wurde er ausgeschaltet oder abgezogen.</translation>
    </message>
    <message>
        <source>The scanner ran out of memory.</source>
        <translation>Dem Scanner ging der Speicher aus.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied.</source>
        <translation>Der Zugriff auf den Scanner wurde verweigert.</translation>
    </message>
    <message>
        <source>The scanner reported an error: %1</source>
        <translation>Der Scanner meldete einen Fehler: %1</translation>
    </message>
</context>
<context>
    <name>CScanCommands</name>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, and that SANE knows it (scanimage -L).</source>
        <translation>Es wurde kein Scanner gefunden. Prüfen Sie, ob er angeschlossen und eingeschaltet ist und ob SANE ihn kennt (scanimage -L).</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>Der Scanner „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>CScanDlg</name>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
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
        <translation>&amp;Auflösung:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <source>Drag on the preview to scan only a part.</source>
        <translation>Ziehen Sie auf der Vorschau, um nur einen Teil zu scannen.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Scannen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Previewing...</source>
        <translation>Vorschau wird erstellt...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scannen läuft...</translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation>Der Scan wurde abgebrochen.</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>Im Scanner liegt kein Dokument.</translation>
    </message>
    <message>
        <source>The scan failed.</source>
        <translation>Der Scan ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>CScanFrameAssembler</name>
    <message>
        <source>The scanner started a new frame before ending the last one.</source>
        <translation>Der Scanner begann ein neues Teilbild, bevor er das letzte beendet hatte.</translation>
    </message>
    <message>
        <source>There is not enough memory for the scanned picture.</source>
        <translation>Für das gescannte Bild reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Der Scanner sendet Bilder in einem Format, das dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>The scanner reported an impossible picture size.</source>
        <translation>Der Scanner meldete eine unmögliche Bildgröße.</translation>
    </message>
    <message>
        <source>The scanner reported a line length that does not match its picture width.</source>
        <translation>Der Scanner meldete eine Zeilenlänge, die nicht zur Bildbreite passt.</translation>
    </message>
    <message>
        <source>The scanned picture would be too large.</source>
        <translation>Das gescannte Bild wäre zu groß.</translation>
    </message>
    <message>
        <source>The scanner sent more lines than it announced.</source>
        <translation>Der Scanner sandte mehr Zeilen als angekündigt.</translation>
    </message>
    <message>
        <source>The scanner&apos;s colour frames do not fit together.</source>
        <translation>Die Farbauszüge des Scanners passen nicht zusammen.</translation>
    </message>
    <message>
        <source>The scanner sent data outside a frame.</source>
        <translation>Der Scanner sandte Daten außerhalb eines Teilbilds.</translation>
    </message>
    <message>
        <source>The scanner ended a frame it never started.</source>
        <translation>Der Scanner beendete ein Teilbild, das er nie begonnen hatte.</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Der Scanner sandte kein Bild.</translation>
    </message>
</context>
<context>
    <name>CScanSession</name>
    <message>
        <source>The scanner library could not be started: %1</source>
        <translation>Die Scannerbibliothek konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Es wurde kein Scanner gefunden.</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>Der Scanner „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The scanner is not open.</source>
        <translation>Der Scanner ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. It was left as it is: switch it off and on again before the next scan.</source>
        <translation>Der Scanner antwortet nicht mehr. Er wurde so belassen: Schalten Sie ihn vor dem nächsten Scan aus und wieder ein.</translation>
    </message>
</context>
<context>
    <name>CScanSourceDlg</name>
    <message>
        <source>Select Source</source>
        <translation>Quelle wählen</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>CSelectTool</name>
    <message>
        <source>Drag to rotate; drag the centre handle to move</source>
        <translation>Ziehen zum Drehen; zum Verschieben den Mittelpunkt ziehen</translation>
    </message>
</context>
<context>
    <name>CSettingsCommands</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CStarterLibrary</name>
    <message>
        <source>Hexagon</source>
        <translation>Sechseck</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Rounded rectangle</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Tag with hole</source>
        <translation>Anhänger mit Loch</translation>
    </message>
    <message>
        <source>Beaded</source>
        <translation>Perlen</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Ornamental corners</source>
        <translation>Zierecken</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Abgerundet</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Thick and thin</source>
        <translation>Dick und dünn</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Check mark</source>
        <translation>Häkchen</translation>
    </message>
    <message>
        <source>Cross mark</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>First aid</source>
        <translation>Erste Hilfe</translation>
    </message>
    <message>
        <source>Gear</source>
        <translation>Zahnrad</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>High voltage</source>
        <translation>Hochspannung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <translation>Verboten</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>Drehpfeil</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>CStartupLogoWnd</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CStatusTexts</name>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>CSymbolDlg</name>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Reflesh	F5</source>
        <translation>A&amp;ktualisieren	F5</translation>
    </message>
    <message>
        <source>Rena&amp;me	F2</source>
        <translation>&amp;Umbenennen	F2</translation>
    </message>
    <message>
        <source>&amp;Delete	Delete</source>
        <translation>&amp;Löschen	Entf</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Die Bibliothek wird gelesen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for good? It cannot be brought back from the trash.</source>
        <translation>„%1“ endgültig löschen? Es kann nicht aus dem Papierkorb zurückgeholt werden.</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Datei...</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Scannen...</translation>
    </message>
</context>
<context>
    <name>CTextBlockDlg</name>
    <message>
        <source>Text Block</source>
        <translation>Textblock</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Hö&amp;he</translation>
    </message>
    <message>
        <source>Background Margin</source>
        <translation>Hintergrundrand</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>Wa&amp;agerecht</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>Hintergrund fü&amp;llen</translation>
    </message>
    <message>
        <source>&amp;Draw Edge</source>
        <translation>&amp;Rand zeichnen</translation>
    </message>
    <message>
        <source>Thic&amp;k Edge</source>
        <translation>&amp;Dicker Rand</translation>
    </message>
    <message>
        <source>&amp;Anti-aliasing</source>
        <translation>&amp;Kantenglättung</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>Hinter&amp;grundfarbe</translation>
    </message>
    <message>
        <source>Ed&amp;ge Color</source>
        <translation>Randfarb&amp;e</translation>
    </message>
    <message>
        <source>Vertica&amp;l</source>
        <translation>Senkre&amp;cht</translation>
    </message>
</context>
<context>
    <name>CTextCharSet</name>
    <message>
        <source>This text cannot be stored: no one character set holds all of it. Remove these characters or put them in a text of their own: %1</source>
        <translation>Dieser Text kann nicht gespeichert werden: Kein Zeichensatz enthält ihn ganz. Entfernen Sie diese Zeichen oder setzen Sie sie in einen eigenen Text: %1</translation>
    </message>
</context>
<context>
    <name>CTextDlg</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
</context>
<context>
    <name>CTextPropDlg</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Hö&amp;he</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>&amp;Rotate Text</source>
        <translation>Text &amp;drehen</translation>
    </message>
    <message>
        <source>Rotation &amp;Angle</source>
        <translation>Drehwin&amp;kel</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>Hintergrund fü&amp;llen</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>Hinter&amp;grundfarbe</translation>
    </message>
</context>
<context>
    <name>CTrimmingDlg</name>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>Seiten&amp;verhältnis beibehalten</translation>
    </message>
    <message>
        <source>Trimming Picture</source>
        <translation>Bild beschneiden</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>&amp;Same size</source>
        <translation>&amp;Gleiche Größe</translation>
    </message>
    <message>
        <source>&amp;Free</source>
        <translation>&amp;Frei</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Größe (Zoll)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Größe (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>B&amp;reite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
</context>
<context>
    <name>CUnitFormat</name>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
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
        <translation>Position: -000.000, -000.000 Zoll</translation>
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
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument anlegen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Se&amp;lect Source...</source>
        <translation>&amp;Quelle wählen...</translation>
    </message>
    <message>
        <source>Select TWAIN data source</source>
        <translation>TWAIN-Datenquelle wählen</translation>
    </message>
    <message>
        <source>A&amp;cquire...</source>
        <translation>Ein&amp;lesen...</translation>
    </message>
    <message>
        <source>Acquire image</source>
        <translation>Bild einlesen</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Datei...</translation>
    </message>
    <message>
        <source>Add a material to the library from a picture file</source>
        <translation>Ein Material aus einer Bilddatei zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Scannen...</translation>
    </message>
    <message>
        <source>Add a material to the library from the scanner</source>
        <translation>Ein Material vom Scanner zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Material Setup...</source>
        <translation>&amp;Material einrichten...</translation>
    </message>
    <message>
        <source>Set the size and outline of the material</source>
        <translation>Größe und Umriss des Materials festlegen</translation>
    </message>
    <message>
        <source>Output to &amp;Bmp file...</source>
        <translation>Als Bmp-Datei aus&amp;geben...</translation>
    </message>
    <message>
        <source>Output to Bmp file</source>
        <translation>Als Bmp-Datei ausgeben</translation>
    </message>
    <message>
        <source>Output to Clipboard</source>
        <translation>In die Zwischenablage ausgeben</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Engrave the layout</source>
        <translation>Das Layout gravieren</translation>
    </message>
    <message>
        <source>Print &amp;Directly</source>
        <translation>&amp;Direkt drucken</translation>
    </message>
    <message>
        <source>Engrave the layout on the chosen engraver without asking</source>
        <translation>Das Layout ohne Rückfrage auf dem gewählten Graviergerät gravieren</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Preview the engraved plate</source>
        <translation>Die gravierte Platte in der Vorschau zeigen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druck&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Choose the engraver and its options</source>
        <translation>Graviergerät und seine Optionen wählen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the selection</source>
        <translation>Die Auswahl löschen</translation>
    </message>
    <message>
        <source>&amp;Move Center</source>
        <translation>In die &amp;Mitte verschieben</translation>
    </message>
    <message>
        <source>Move the selection to the centre of the material</source>
        <translation>Die Auswahl in die Mitte des Materials verschieben</translation>
    </message>
    <message>
        <source>Edit the properties of the selection</source>
        <translation>Die Eigenschaften der Auswahl bearbeiten</translation>
    </message>
    <message>
        <source>Pre&amp;ferences...</source>
        <translation>Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>Change the program&apos;s settings</source>
        <translation>Die Einstellungen des Programms ändern</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Extended Toolbar</source>
        <translation>&amp;Erweiterte Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the extended toolbar</source>
        <translation>Die erweiterte Symbolleiste zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>Show the whole material</source>
        <translation>Das ganze Material zeigen</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>Zoom to 50%</source>
        <translation>Auf 50% zoomen</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Zoom to 100%</source>
        <translation>Auf 100% zoomen</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>Zoom to 200%</source>
        <translation>Auf 200% zoomen</translation>
    </message>
    <message>
        <source>400%</source>
        <translation>400%</translation>
    </message>
    <message>
        <source>Zoom to 400%</source>
        <translation>Auf 400% zoomen</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>&amp;Raster anzeigen</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>Das Raster zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>Grid Set&amp;up...</source>
        <translation>Raster einric&amp;hten...</translation>
    </message>
    <message>
        <source>Set the grid pitch and colours</source>
        <translation>Rasterabstand und -farben festlegen</translation>
    </message>
    <message>
        <source>&amp;Layer...</source>
        <translation>E&amp;bene...</translation>
    </message>
    <message>
        <source>Show or hide layer window</source>
        <translation>Das Ebenenfenster zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>In&amp;vert</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>Invert the engraved and the bare parts</source>
        <translation>Gravierte und blanke Teile vertauschen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Select Object</source>
        <translation>Objekt auswählen</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Vergrößern oder verkleinern</translation>
    </message>
    <message>
        <source>Scro&amp;ll</source>
        <translation>R&amp;ollen</translation>
    </message>
    <message>
        <source>Scroll the screen</source>
        <translation>Den Bildschirm rollen</translation>
    </message>
    <message>
        <source>Text &amp;Block</source>
        <translation>Te&amp;xtblock</translation>
    </message>
    <message>
        <source>Insert Text Block</source>
        <translation>Textblock einfügen</translation>
    </message>
    <message>
        <source>Drawing &amp;Pen</source>
        <translation>Zeichen&amp;stift</translation>
    </message>
    <message>
        <source>Drawing Pen</source>
        <translation>Zeichenstift</translation>
    </message>
    <message>
        <source>&amp;Fill Paint</source>
        <translation>F&amp;üllen</translation>
    </message>
    <message>
        <source>Fill Paint</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>&amp;Horizontal Text</source>
        <translation>&amp;Waagerechter Text</translation>
    </message>
    <message>
        <source>Insert Horizontal Text</source>
        <translation>Waagerechten Text einfügen</translation>
    </message>
    <message>
        <source>F&amp;an Text</source>
        <translation>Bo&amp;gentext</translation>
    </message>
    <message>
        <source>Insert Fan Text</source>
        <translation>Bogentext einfügen</translation>
    </message>
    <message>
        <source>Text Tools</source>
        <translation>Textwerkzeuge</translation>
    </message>
    <message>
        <source>Insert horizontal or fan text</source>
        <translation>Waagerechten Text oder Bogentext einfügen</translation>
    </message>
    <message>
        <source>Pen Set&amp;up...</source>
        <translation>Stift ein&amp;richten...</translation>
    </message>
    <message>
        <source>Set the width and colour of the drawing pen</source>
        <translation>Breite und Farbe des Zeichenstifts festlegen</translation>
    </message>
    <message>
        <source>&amp;Material...</source>
        <translation>&amp;Material...</translation>
    </message>
    <message>
        <source>Insert a material from the library</source>
        <translation>Ein Material aus der Bibliothek einfügen</translation>
    </message>
    <message>
        <source>&amp;Frame...</source>
        <translation>&amp;Rahmen...</translation>
    </message>
    <message>
        <source>Insert a frame from the library</source>
        <translation>Einen Rahmen aus der Bibliothek einfügen</translation>
    </message>
    <message>
        <source>&amp;Symbol...</source>
        <translation>&amp;Symbol...</translation>
    </message>
    <message>
        <source>Insert a symbol from the library</source>
        <translation>Ein Symbol aus der Bibliothek einfügen</translation>
    </message>
    <message>
        <source>Add a frame to the library</source>
        <translation>Einen Rahmen zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Add a symbol to the library</source>
        <translation>Ein Symbol zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Trimming...</source>
        <translation>&amp;Beschneiden...</translation>
    </message>
    <message>
        <source>Trim the picture to a rectangle</source>
        <translation>Das Bild auf ein Rechteck beschneiden</translation>
    </message>
    <message>
        <source>Crop &amp;Image...</source>
        <translation>Bild &amp;freistellen...</translation>
    </message>
    <message>
        <source>Make parts of the picture transparent</source>
        <translation>Teile des Bildes transparent machen</translation>
    </message>
    <message>
        <source>R&amp;otate Image...</source>
        <translation>Bild &amp;drehen...</translation>
    </message>
    <message>
        <source>Turn the picture by quarter turns</source>
        <translation>Das Bild in Vierteldrehungen drehen</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Das Handbuch öffnen</translation>
    </message>
    <message>
        <source>&amp;About Veldra2...</source>
        <translation>Ü&amp;ber Veldra2...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>O&amp;utput to Clipboard</source>
        <translation>In die Zwischen&amp;ablage ausgeben</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>Ei&amp;genschaften...</translation>
    </message>
    <message>
        <source>&amp;Data Source...</source>
        <translation>Da&amp;tenquelle...</translation>
    </message>
    <message>
        <source>Choose the data file whose records fill the layout&apos;s fields</source>
        <translation>Die Datendatei wählen, deren Datensätze die Felder des Layouts füllen</translation>
    </message>
    <message>
        <source>Print Batc&amp;h...</source>
        <translation>Se&amp;riendruck...</translation>
    </message>
    <message>
        <source>Engrave one plate per record</source>
        <translation>Eine Platte je Datensatz gravieren</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Show the first record</source>
        <translation>Den ersten Datensatz zeigen</translation>
    </message>
    <message>
        <source>Previous Record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Show the previous record</source>
        <translation>Den vorherigen Datensatz zeigen</translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Show the next record</source>
        <translation>Den nächsten Datensatz zeigen</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Show the last record</source>
        <translation>Den letzten Datensatz zeigen</translation>
    </message>
    <message>
        <source>&amp;Code...</source>
        <translation>&amp;Code...</translation>
    </message>
    <message>
        <source>Insert a Data Matrix, QR or Code 128 code</source>
        <translation>Einen Data-Matrix-, QR- oder Code-128-Code einfügen</translation>
    </message>
</context>
<context>
    <name>DialogSupport</name>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Waagerecht</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Senkrecht</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>Ä&amp;ndern...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>F&amp;ont Color</source>
        <translation>Schrift&amp;farbe</translation>
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
