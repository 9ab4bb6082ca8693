<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Veldra2</source>
        <translation>À propos de Veldra2</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Lays out and engraves metal plates.</source>
        <translation>Met en page et grave des plaques de métal.</translation>
    </message>
</context>
<context>
    <name>CAddEntryDlg</name>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>&amp;Conserver les proportions</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of this size.</source>
        <translation>La mémoire ne suffit pas pour une image de cette taille.</translation>
    </message>
</context>
<context>
    <name>CAddMaterialDlg</name>
    <message>
        <source>Add Material</source>
        <translation>Ajouter un matériau</translation>
    </message>
    <message>
        <source>NewShape</source>
        <translation>NouvelleForme</translation>
    </message>
    <message>
        <source>Resolution (&amp;dpi)</source>
        <translation>Rés&amp;olution (dpi)</translation>
    </message>
</context>
<context>
    <name>CAddSizeRules</name>
    <message>
        <source>Size (inch)</source>
        <translation>Taille (pouces)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Taille (mm)</translation>
    </message>
</context>
<context>
    <name>CAddSymbolDlg</name>
    <message>
        <source>Add Frame</source>
        <translation>Ajouter un cadre</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Ajouter un symbole</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>&amp;Transparent</translation>
    </message>
    <message>
        <source>%1
There is not enough memory for this picture.</source>
        <translation>%1
La mémoire ne suffit pas pour cette image.</translation>
    </message>
</context>
<context>
    <name>CAppCommands</name>
    <message>
        <source>No web browser could be started to show the manual.
It is at %1</source>
        <translation>Aucun navigateur web n’a pu être lancé pour afficher le manuel.
Il se trouve dans %1</translation>
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
        <translation>Nouveau texte</translation>
    </message>
</context>
<context>
    <name>CBaseDlg</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>CBatchCommands</name>
    <message>
        <source>Data Source</source>
        <translation>Source de données</translation>
    </message>
    <message>
        <source>Data files (*.csv *.tsv *.txt *.tab)</source>
        <translation>Fichiers de données (*.csv *.tsv *.txt *.tab)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The layout has no fields: write {Column}, {#}, {serial} or {date} in a text.</source>
        <translation>La mise en page n’a pas de champ : écrivez {Colonne}, {#}, {serial} ou {date} dans un texte.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l’impression.</translation>
    </message>
    <message>
        <source>Printing the batch...</source>
        <translation>Impression de la série...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printing record %1 of %2...</source>
        <translation>Impression de l’enregistrement %1 sur %2...</translation>
    </message>
    <message>
        <source>Could not print record %1.
%2
%3 plates were sent before it.</source>
        <translation>Impossible d’imprimer l’enregistrement %1.
%2
%3 plaques ont été envoyées avant lui.</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>l’imprimante par défaut</translation>
    </message>
    <message>
        <source>%1 of %2 plates sent to %3.</source>
        <translation>%1 plaques sur %2 envoyées à %3.</translation>
    </message>
</context>
<context>
    <name>CBatchPrint</name>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l’impression.</translation>
    </message>
</context>
<context>
    <name>CBatchRender</name>
    <message>
        <source>The other %1 plates need %2 MB and the disk has %3 MB free.</source>
        <translation>Les %1 autres plaques demandent %2 Mo et le disque n&apos;a que %3 Mo de libre.</translation>
    </message>
</context>
<context>
    <name>CBatchRun</name>
    <message>
        <source>Record %1: %2</source>
        <translation>Enregistrement %1 : %2</translation>
    </message>
    <message>
        <source>it failed.</source>
        <translation>l’opération a échoué.</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1 and %2 more.</source>
        <translation>Texte réduit pour tenir dans les enregistrements %1 et %2 autres.</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1.</source>
        <translation>Texte réduit pour tenir dans les enregistrements %1.</translation>
    </message>
    <message>
        <source>A batch does at most %1 records; this one has %2. Split it into ranges of records.</source>
        <translation>Un lot compte au plus %1 enregistrements ; celui-ci en a %2. Divisez-le en plages d&apos;enregistrements.</translation>
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
        <translation>Data Matrix (rectangulaire)</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>Code QR</translation>
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
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>CCodeDlg</name>
    <message>
        <source>&amp;Quiet zone</source>
        <translation>Zone de &amp;silence</translation>
    </message>
    <message>
        <source>&amp;Text under the bars</source>
        <translation>Te&amp;xte sous les barres</translation>
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
        <translation>Modules blancs sur noir</translation>
    </message>
    <message>
        <source>Black modules on white</source>
        <translation>Modules noirs sur blanc</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;Module (%1)</source>
        <translation>&amp;Module (%1)</translation>
    </message>
    <message>
        <source>&amp;Error correction</source>
        <translation>&amp;Correction d&apos;erreur</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>C&amp;ouleur</translation>
    </message>
    <message>
        <source>Type the module size as a number greater than 0.</source>
        <translation>Saisissez la taille du module comme un nombre supérieur à 0.</translation>
    </message>
</context>
<context>
    <name>CCodeEncoder</name>
    <message>
        <source>The code has no data.</source>
        <translation>Le code ne contient aucune donnée.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2).</source>
        <translation>Les données sont trop longues pour %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot hold this data: %2.</source>
        <translation>%1 ne peut pas contenir ces données : %2.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>%1 n&apos;a pas pu être créé : %2.</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2 bytes).</source>
        <translation>Les données sont trop longues pour %1 (%2 octets).</translation>
    </message>
</context>
<context>
    <name>CCodeFields</name>
    <message>
        <source>The code&apos;s data: %1</source>
        <translation>Les données du code : %1</translation>
    </message>
</context>
<context>
    <name>CCodeRules</name>
    <message>
        <source>%1 x %2 mm, %3 x %4 modules; module %5 mm (%6 dots)</source>
        <translation>%1 x %2 mm, %3 x %4 modules ; module %5 mm (%6 points)</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Autre...</translation>
    </message>
</context>
<context>
    <name>CCropImageDlg</name>
    <message>
        <source>Crop Image</source>
        <translation>Détourer l’image</translation>
    </message>
    <message>
        <source>&amp;Approximate Color for Fill</source>
        <translation>Couleur &amp;approchée pour le remplissage</translation>
    </message>
    <message>
        <source>&amp;Pen Diameter</source>
        <translation>&amp;Diamètre du crayon</translation>
    </message>
    <message>
        <source>&amp;Transparent Color</source>
        <translation>Couleur &amp;transparente</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>Ajuster à l’écran</translation>
    </message>
</context>
<context>
    <name>CCupsConnection</name>
    <message>
        <source>The print scheduler did not answer within %1 s.</source>
        <translation>Le planificateur d&apos;impression n&apos;a pas répondu dans les %1 s.</translation>
    </message>
    <message>
        <source>The print scheduler cannot be reached.</source>
        <translation>Le planificateur d&apos;impression est injoignable.</translation>
    </message>
    <message>
        <source>The print scheduler broke off without an answer.</source>
        <translation>Le planificateur d&apos;impression a coupé la connexion sans répondre.</translation>
    </message>
</context>
<context>
    <name>CCupsJob</name>
    <message>
        <source>The printer %1 is not there.</source>
        <translation>L’imprimante %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped.</source>
        <translation>L’imprimante %1 est arrêtée.</translation>
    </message>
    <message>
        <source>The printer %1 does not take jobs.</source>
        <translation>L’imprimante %1 n’accepte pas de travaux.</translation>
    </message>
</context>
<context>
    <name>CDataSource</name>
    <message>
        <source>%1 is too large for a data file.</source>
        <translation>%1 est trop grand pour un fichier de données.</translation>
    </message>
    <message>
        <source>The file is empty: its first line must name the columns.</source>
        <translation>Le fichier est vide : sa première ligne doit nommer les colonnes.</translation>
    </message>
    <message>
        <source>Line 1: every column needs a name of its own (&quot;%1&quot;).</source>
        <translation>Ligne 1 : chaque colonne doit avoir son propre nom (« %1 »).</translation>
    </message>
    <message>
        <source>Line %1: %2 fields where the header names %3 columns.</source>
        <translation>Ligne %1 : %2 champs alors que l’en-tête nomme %3 colonnes.</translation>
    </message>
</context>
<context>
    <name>CDataSourceDlg</name>
    <message>
        <source>Data Source</source>
        <translation>Source de données</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>&amp;Séparateur</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Colonnes :</translation>
    </message>
    <message>
        <source>One record.</source>
        <translation>Un enregistrement.</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 enregistrements.</translation>
    </message>
</context>
<context>
    <name>CDelimitedReader</name>
    <message>
        <source>a closing quote must end its field</source>
        <translation>un guillemet fermant doit terminer son champ</translation>
    </message>
    <message>
        <source>the quoted field is never closed</source>
        <translation>le champ entre guillemets n’est jamais fermé</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1 : %2.</translation>
    </message>
    <message>
        <source>The text is too large for a data file.</source>
        <translation>Le texte est trop grand pour un fichier de données.</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>Bitmap file (*.bmp *.dib *.rle)</source>
        <translation>Fichier bitmap (*.bmp *.dib *.rle)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
</context>
<context>
    <name>CDocumentFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d’ouvrir le document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d’enregistrer le document.</translation>
    </message>
</context>
<context>
    <name>CDocumentManager</name>
    <message>
        <source>Veldra2 File (*.vlz)</source>
        <translation>Fichier Veldra2 (*.vlz)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Fichier introuvable.
Vérifiez que le chemin et le nom du fichier sont corrects.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>CEngraverJob</name>
    <message>
        <source>The job could not be written.</source>
        <translation>Le travail n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>CEngraverPropertiesDlg</name>
    <message>
        <source>Engraver Properties</source>
        <translation>Propriétés du graveur</translation>
    </message>
    <message>
        <source>&amp;Brightness:</source>
        <translation>&amp;Luminosité :</translation>
    </message>
    <message>
        <source>Con&amp;trast:</source>
        <translation>Con&amp;traste :</translation>
    </message>
    <message>
        <source>&amp;Gamma:</source>
        <translation>&amp;Gamma :</translation>
    </message>
</context>
<context>
    <name>CFanTextDlg</name>
    <message>
        <source>Fan Text</source>
        <translation>Texte en éventail</translation>
    </message>
    <message>
        <source>&amp;Span</source>
        <translation>Ouvertur&amp;e</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Radi&amp;us</source>
        <translation>Ra&amp;yon</translation>
    </message>
    <message>
        <source>Invert Te&amp;xt</source>
        <translation>Inverser le te&amp;xte</translation>
    </message>
</context>
<context>
    <name>CFieldRefusal</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter a number, such as %1.</source>
        <translation>Veuillez saisir un nombre, par exemple %1.</translation>
    </message>
</context>
<context>
    <name>CFieldTemplate</name>
    <message>
        <source>A &quot;}&quot; at character %1 closes no field (write &quot;}}&quot; for the brace itself).</source>
        <translation>Une « } » au caractère %1 ne ferme aucun champ (écrivez « }} » pour l’accolade elle-même).</translation>
    </message>
    <message>
        <source>The field at character %1 is not closed (write &quot;{{&quot; for the brace itself).</source>
        <translation>Le champ au caractère %1 n’est pas fermé (écrivez « {{ » pour l’accolade elle-même).</translation>
    </message>
    <message>
        <source>A field has no name: write {Column}, {#}, {serial} or {date}.</source>
        <translation>Un champ n’a pas de nom : écrivez {Colonne}, {#}, {serial} ou {date}.</translation>
    </message>
    <message>
        <source>The counter {serial:%1} is not a number: write {serial:0001} or {serial:0001+5}.</source>
        <translation>Le compteur {serial:%1} n’est pas un nombre : écrivez {serial:0001} ou {serial:0001+5}.</translation>
    </message>
    <message>
        <source>The counter {serial:%1} runs out of the numbers a counter can hold by record %2.</source>
        <translation>Le compteur {serial:%1} dépasse les nombres qu’un compteur peut contenir à l’enregistrement %2.</translation>
    </message>
</context>
<context>
    <name>CGridSetupDlg</name>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>Set &amp;Center line color</source>
        <translation>&amp;Couleur de la ligne centrale</translation>
    </message>
    <message>
        <source>Grid Setup</source>
        <translation>Réglage de la grille</translation>
    </message>
    <message>
        <source>Interval (inch)</source>
        <translation>Intervalle (pouces)</translation>
    </message>
    <message>
        <source>Interval (mm)</source>
        <translation>Intervalle (mm)</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>Grid c&amp;olor</source>
        <translation>C&amp;ouleur de la grille</translation>
    </message>
</context>
<context>
    <name>CInputFile</name>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>c’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Fichier introuvable.
Vérifiez que le chemin et le nom du fichier sont corrects.</translation>
    </message>
</context>
<context>
    <name>CLayerRows</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Drawing pen</source>
        <translation>Crayon de dessin</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
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
        <translation>Calque</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Join with Lower Layer</source>
        <translation>Fusionner avec le calque inférieur</translation>
    </message>
    <message>
        <source>Join with Displayed Layer</source>
        <translation>Fusionner avec le calque affiché</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>CLibraryCommands</name>
    <message>
        <source>&quot;%1&quot; could not be read from the library.</source>
        <translation>« %1 » n’a pas pu être lu dans la bibliothèque.</translation>
    </message>
    <message>
        <source>Add Material</source>
        <translation>Ajouter un matériau</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Ajouter un cadre</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Ajouter un symbole</translation>
    </message>
</context>
<context>
    <name>CLibraryEntryFile</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <source>A name cannot contain &quot;/&quot;.</source>
        <translation>Un nom ne peut pas contenir « / ».</translation>
    </message>
    <message>
        <source>A name cannot begin with &quot;.&quot;.</source>
        <translation>Un nom ne peut pas commencer par « . ».</translation>
    </message>
    <message>
        <source>A library cannot keep these characters of the name: %1</source>
        <translation>La bibliothèque ne peut pas conserver ces caractères du nom : %1</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters.</source>
        <translation>Un nom peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
</context>
<context>
    <name>CLibraryFiles</name>
    <message>
        <source>&quot;%1&quot; is no longer in the library folder.</source>
        <translation>« %1 » n’est plus dans le dossier de la bibliothèque.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2</source>
        <translation>« %1 » n’a pas pu être supprimé : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be moved to the trash: %2
Hold Shift while deleting to delete it for good.</source>
        <translation>« %1 » n’a pas pu être mis à la corbeille : %2
Maintenez Maj en supprimant pour le supprimer définitivement.</translation>
    </message>
    <message>
        <source>There is already an entry named &quot;%1&quot;.</source>
        <translation>Il existe déjà une entrée nommée « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>« %1 » n’a pas pu être renommé : %2</translation>
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
        <translation>Étendue</translation>
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
        <translation>Le matériau « %1 » ne peut pas être lu. Le matériau n’a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>CMaterialSetupDlg</name>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Autre...</translation>
    </message>
    <message>
        <source>Material Setup</source>
        <translation>Réglage du matériau</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Taille (pouces)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Taille (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
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
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objet</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>A&amp;dd Parts</source>
        <translation>&amp;Ajouter des pièces</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Add Ma&amp;terial</source>
        <translation>Ajouter un ma&amp;tériau</translation>
    </message>
</context>
<context>
    <name>CModuleSize</name>
    <message>
        <source>A module of %1 mm is less than %2 dots at %3 dpi; the smallest module that works is %4 mm.</source>
        <translation>Un module de %1 mm fait moins de %2 points à %3 dpi ; le plus petit module possible est %4 mm.</translation>
    </message>
</context>
<context>
    <name>CPenSetupDlg</name>
    <message>
        <source>Pen Setup</source>
        <translation>Réglage du crayon</translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Paint &amp;Color</source>
        <translation>&amp;Couleur du crayon et du remplissage</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
</context>
<context>
    <name>CPictureFileChooser</name>
    <message>
        <source>Bitmap file</source>
        <translation>Fichier bitmap</translation>
    </message>
    <message>
        <source>JPEG file</source>
        <translation>Fichier JPEG</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>CPictureImport</name>
    <message>
        <source>%1
A layout cannot keep these characters of the file&apos;s name: %2
Rename the file and import it again.</source>
        <translation>%1
Une mise en page ne peut pas conserver ces caractères du nom du fichier : %2
Renommez le fichier et importez-le de nouveau.</translation>
    </message>
    <message>
        <source>The material leaves no room inside its margins for a picture.</source>
        <translation>Le matériau ne laisse aucune place pour une image à l'intérieur de ses marges.</translation>
    </message>
    <message>
        <source>%1 could not be placed on the plate.</source>
        <translation>%1 n'a pas pu être placé sur la plaque.</translation>
    </message>
</context>
<context>
    <name>CPictureLoader</name>
    <message>
        <source>%1
Unexpected file format.</source>
        <translation>%1
Format de fichier inattendu.</translation>
    </message>
</context>
<context>
    <name>CPicturePreviewPane</name>
    <message>
        <source>Engrave the &amp;dark parts</source>
        <translation>Graver les parties &amp;sombres</translation>
    </message>
    <message>
        <source>White engraves. Tick this for a dark drawing on light paper: the picture is turned to its negative as it is added.</source>
        <translation>Le blanc est gravé. Cochez cette case pour un dessin foncé sur papier clair : l’image est convertie en négatif lors de l’ajout.</translation>
    </message>
</context>
<context>
    <name>CPlateNames</name>
    <message>
        <source>(no data file)</source>
        <translation>(aucun fichier de données)</translation>
    </message>
    <message>
        <source>The file name&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>Les champs %1 du nom de fichier ne désignent aucune colonne des données. Leurs colonnes : %2.</translation>
    </message>
    <message>
        <source>Record %1 gets no file name from &quot;%2&quot;.</source>
        <translation>L’enregistrement %1 ne reçoit aucun nom de fichier de « %2 ».</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; holds a &quot;/&quot;.</source>
        <translation>Le nom de fichier « %2 » de l’enregistrement %1 contient un « / ».</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name holds a NUL character.</source>
        <translation>Le nom de fichier de l’enregistrement %1 contient un caractère NUL.</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; is another record&apos;s too: add {#} to the name.</source>
        <translation>Le nom de fichier « %2 » de l’enregistrement %1 est aussi celui d’un autre : ajoutez {#} au nom.</translation>
    </message>
</context>
<context>
    <name>CPlateRenderer</name>
    <message>
        <source>The plate is too large to render.</source>
        <translation>La plaque est trop grande pour être rendue.</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, has no size a plate can have.</source>
        <translation>Le matériau, %1 x %2 mm, n’a pas une taille qu’une plaque puisse avoir.</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, is smaller than one dot of the engraver.</source>
        <translation>Le matériau, %1 x %2 mm, est plus petit qu’un point du graveur.</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>&amp;Millimeter</source>
        <translation>M&amp;illimètre</translation>
    </message>
    <message>
        <source>&amp;Inch</source>
        <translation>&amp;Pouce</translation>
    </message>
    <message>
        <source>Margin (inch)</source>
        <translation>Marge (pouces)</translation>
    </message>
    <message>
        <source>Margin (mm)</source>
        <translation>Marge (mm)</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>&amp;Horizontale</translation>
    </message>
    <message>
        <source>Ve&amp;rtical</source>
        <translation>Ve&amp;rticale</translation>
    </message>
    <message>
        <source>U&amp;ndo Count</source>
        <translation>Nombre d’a&amp;nnulations</translation>
    </message>
    <message>
        <source>Preview color</source>
        <translation>Couleur d’aperçu</translation>
    </message>
    <message>
        <source>Color&amp;1</source>
        <translation>Couleur &amp;1</translation>
    </message>
    <message>
        <source>Color&amp;2</source>
        <translation>Couleur &amp;2</translation>
    </message>
    <message>
        <source>&amp;User defined</source>
        <translation>P&amp;ersonnalisée</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Use S&amp;ystem Color</source>
        <translation>Couleur du s&amp;ystème</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reset &amp;Default</source>
        <translation>&amp;Valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Avancé...</translation>
    </message>
    <message>
        <source> Folder</source>
        <translation> Dossier</translation>
    </message>
    <message>
        <source>Autosave &amp;every</source>
        <translation>Enre&amp;gistrer automatiquement toutes les</translation>
    </message>
    <message>
        <source>minutes (0: off)</source>
        <translation>minutes (0 : jamais)</translation>
    </message>
</context>
<context>
    <name>CPreviewDlg</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
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
        <translation>Définir comme &amp;standard</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Luminosité</translation>
    </message>
    <message>
        <source>Con&amp;trast</source>
        <translation>Con&amp;traste</translation>
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
        <translation>Impression en série</translation>
    </message>
    <message>
        <source>One plate and one print job per record; record %1 is shown.</source>
        <translation>Une plaque et un travail d’impression par enregistrement ; l’enregistrement %1 est affiché.</translation>
    </message>
    <message>
        <source>&amp;From record</source>
        <translation>&amp;De l’enregistrement</translation>
    </message>
    <message>
        <source>&amp;To record</source>
        <translation>&amp;Jusqu’à l’enregistrement</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Imprimante : %1</translation>
    </message>
    <message>
        <source>No data file: the plates are numbered 1, 2, 3 ... for {#} and {serial}.</source>
        <translation>Pas de fichier de données : les plaques sont numérotées 1, 2, 3 ... pour {#} et {serial}.</translation>
    </message>
    <message>
        <source>&amp;Plates</source>
        <translation>&amp;Plaques</translation>
    </message>
    <message>
        <source>One plate will be sent to %1.</source>
        <translation>Une plaque sera envoyée à %1.</translation>
    </message>
    <message>
        <source>%1 plates will be sent to %2, one job each.</source>
        <translation>%1 plaques seront envoyées à %2, une impression chacune.</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>Sending %1 to the printer...</source>
        <translation>Envoi de %1 à l’imprimante...</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l’impression.</translation>
    </message>
    <message>
        <source>Sent %1 to %2, job %3.</source>
        <translation>%1 envoyé à %2, impression %3.</translation>
    </message>
    <message>
        <source>Could not print %1 on %2: %3</source>
        <translation>Impossible d’imprimer %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Waiting for the print scheduler to answer (at most %1 s)...</source>
        <translation>En attente de la réponse du planificateur d&apos;impression (%1 s au plus)...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupDlg</name>
    <message>
        <source>No printers are installed.</source>
        <translation>Aucune imprimante n’est installée.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l’impression</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>P&amp;rinter:</source>
        <translation>I&amp;mprimante :</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Format du papier :</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Copies :</translation>
    </message>
    <message>
        <source>The default printer</source>
        <translation>L’imprimante par défaut</translation>
    </message>
    <message>
        <source>The printer&apos;s settings could not be saved.</source>
        <translation>Les réglages de l’imprimante n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupRules</name>
    <message>
        <source>Ready</source>
        <translation>Prête</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêtée</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1, not accepting jobs</source>
        <translation>%1, n’accepte pas de travaux</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>CProofJob</name>
    <message>
        <source>The job could not be written.</source>
        <translation>Le travail n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>CPropertiesDlg</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Position (inch)</source>
        <translation>Position (pouces)</translation>
    </message>
    <message>
        <source>Position (mm)</source>
        <translation>Position (mm)</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Taille (pouces)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Taille (mm)</translation>
    </message>
    <message>
        <source>Keep &amp;Aspect</source>
        <translation>Conserver les &amp;proportions</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>Ha&amp;uteur</translation>
    </message>
</context>
<context>
    <name>CRecordCodes</name>
    <message>
        <source>The code &quot;%1&quot;: %2</source>
        <translation>Le code « %1 » : %2</translation>
    </message>
    <message>
        <source>Record %1: %2</source>
        <translation>Enregistrement %1 : %2</translation>
    </message>
</context>
<context>
    <name>CRecordDisplay</name>
    <message>
        <source>The data holds no records.</source>
        <translation>Les données ne contiennent aucun enregistrement.</translation>
    </message>
</context>
<context>
    <name>CRecordLayout</name>
    <message>
        <source>The text &quot;%1&quot;: %2</source>
        <translation>Le texte « %1 » : %2</translation>
    </message>
    <message>
        <source>(no data file)</source>
        <translation>(aucun fichier de données)</translation>
    </message>
    <message>
        <source>The layout&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>Les champs %1 de la mise en page ne nomment aucune colonne des données. Ses colonnes : %2.</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the text&apos;s code page cannot hold &quot;%3&quot;.</source>
        <translation>Enregistrement %1, colonne « %2 » : la page de codes du texte ne peut pas contenir « %3 ».</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the value holds a NUL character.</source>
        <translation>Enregistrement %1, colonne &quot;%2&quot; : la valeur contient un caractère NUL.</translation>
    </message>
</context>
<context>
    <name>CRecordNavigator</name>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>Numéro d’enregistrement</translation>
    </message>
    <message>
        <source>Stop using the data source</source>
        <translation>Ne plus utiliser la source de données</translation>
    </message>
    <message>
        <source> of %1 (%2)</source>
        <translation> sur %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CRecoveryDlg</name>
    <message>
        <source>Recover Layouts</source>
        <translation>Récupérer des mises en page</translation>
    </message>
    <message>
        <source>Veldra2 did not exit normally. These layouts had changes that were not saved:</source>
        <translation>Veldra2 ne s’est pas fermé normalement. Ces mises en page avaient des modifications non enregistrées :</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Kept at</source>
        <translation>Conservée le</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Plus &amp;tard</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(jamais enregistrée)</translation>
    </message>
    <message>
        <source>The kept changes of %1 could not all be deleted.</source>
        <translation>Les modifications conservées de %1 n’ont pas toutes pu être supprimées.</translation>
    </message>
</context>
<context>
    <name>CRecoverySession</name>
    <message>
        <source>The recovery folder %1 cannot be used.</source>
        <translation>Le dossier de récupération %1 ne peut pas être utilisé.</translation>
    </message>
</context>
<context>
    <name>CRotateImageDlg</name>
    <message>
        <source>Rotate Image</source>
        <translation>Pivoter l’image</translation>
    </message>
    <message>
        <source>&amp;Angle:</source>
        <translation>&amp;Angle :</translation>
    </message>
</context>
<context>
    <name>CSafeSave</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c’est un dossier.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>the file is not open.</source>
        <translation>le fichier n’est pas ouvert.</translation>
    </message>
    <message>
        <source>the data could not be written.</source>
        <translation>les données n’ont pas pu être écrites.</translation>
    </message>
    <message>
        <source>it is a symbolic link.</source>
        <translation>c’est un lien symbolique.</translation>
    </message>
    <message>
        <source>no new file could be made beside it.</source>
        <translation>aucun nouveau fichier n’a pu être créé à côté.</translation>
    </message>
</context>
<context>
    <name>CSaneOptions</name>
    <message>
        <source>The scanner cannot scan in the mode &quot;%1&quot;.</source>
        <translation>Le scanner ne peut pas numériser en mode « %1 ».</translation>
    </message>
    <message>
        <source>The scanner cannot scan at %1 dpi.</source>
        <translation>Le scanner ne peut pas numériser à %1 dpi.</translation>
    </message>
    <message>
        <source>The scanner cannot scan the chosen area.</source>
        <translation>Le scanner ne peut pas numériser la zone choisie.</translation>
    </message>
</context>
<context>
    <name>CSaneStatusText</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>La numérisation a été annulée.</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>Il n’y a pas de document dans le scanner.</translation>
    </message>
    <message>
        <source>The document is jammed in the scanner.</source>
        <translation>Le document est coincé dans le scanner.</translation>
    </message>
    <message>
        <source>The scanner&apos;s cover is open.</source>
        <translation>Le capot du scanner est ouvert.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>Le scanner est occupé.</translation>
    </message>
    <message>
        <source>The scanner cannot be reached: it may have been switched off or unplugged.</source>
        <translation>Le scanner est injoignable : il a peut-être été éteint ou débranché.</translation>
    </message>
    <message>
        <source>The scanner ran out of memory.</source>
        <translation>Le scanner manque de mémoire.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied.</source>
        <translation>L’accès au scanner a été refusé.</translation>
    </message>
    <message>
        <source>The scanner reported an error: %1</source>
        <translation>Le scanner a signalé une erreur : %1</translation>
    </message>
</context>
<context>
    <name>CScanCommands</name>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, and that SANE knows it (scanimage -L).</source>
        <translation>Aucun scanner n’a été trouvé. Vérifiez qu’il est branché et allumé, et que SANE le connaît (scanimage -L).</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>Le scanner « %1 » n’a pas pu être ouvert : %2</translation>
    </message>
</context>
<context>
    <name>CScanDlg</name>
    <message>
        <source>Scan</source>
        <translation>Numériser</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner :</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Résolution :</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode :</translation>
    </message>
    <message>
        <source>Drag on the preview to scan only a part.</source>
        <translation>Faites glisser sur l’aperçu pour ne numériser qu’une partie.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Numériser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Previewing...</source>
        <translation>Aperçu en cours...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Numérisation en cours...</translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation>La numérisation a été annulée.</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>Il n’y a pas de document dans le scanner.</translation>
    </message>
    <message>
        <source>The scan failed.</source>
        <translation>La numérisation a échoué.</translation>
    </message>
</context>
<context>
    <name>CScanFrameAssembler</name>
    <message>
        <source>The scanner started a new frame before ending the last one.</source>
        <translation>Le scanner a commencé une nouvelle trame avant de finir la précédente.</translation>
    </message>
    <message>
        <source>There is not enough memory for the scanned picture.</source>
        <translation>La mémoire ne suffit pas pour l’image numérisée.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>Le scanner envoie les images dans un format que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>The scanner reported an impossible picture size.</source>
        <translation>Le scanner a annoncé une taille d’image impossible.</translation>
    </message>
    <message>
        <source>The scanner reported a line length that does not match its picture width.</source>
        <translation>Le scanner a annoncé une longueur de ligne qui ne correspond pas à la largeur de l’image.</translation>
    </message>
    <message>
        <source>The scanned picture would be too large.</source>
        <translation>L’image numérisée serait trop grande.</translation>
    </message>
    <message>
        <source>The scanner sent more lines than it announced.</source>
        <translation>Le scanner a envoyé plus de lignes qu’annoncé.</translation>
    </message>
    <message>
        <source>The scanner&apos;s colour frames do not fit together.</source>
        <translation>Les trames de couleur du scanner ne concordent pas.</translation>
    </message>
    <message>
        <source>The scanner sent data outside a frame.</source>
        <translation>Le scanner a envoyé des données hors d’une trame.</translation>
    </message>
    <message>
        <source>The scanner ended a frame it never started.</source>
        <translation>Le scanner a terminé une trame qu’il n’avait jamais commencée.</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>Le scanner n’a envoyé aucune image.</translation>
    </message>
</context>
<context>
    <name>CScanSession</name>
    <message>
        <source>The scanner library could not be started: %1</source>
        <translation>La bibliothèque de numérisation n’a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Aucun scanner n’a été trouvé.</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>Le scanner « %1 » n’a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>The scanner is not open.</source>
        <translation>Le scanner n’est pas ouvert.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. It was left as it is: switch it off and on again before the next scan.</source>
        <translation>Le scanner ne répond plus. Il a été laissé tel quel : éteignez-le puis rallumez-le avant la prochaine numérisation.</translation>
    </message>
</context>
<context>
    <name>CScanSourceDlg</name>
    <message>
        <source>Select Source</source>
        <translation>Sélectionner la source</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>CSelectTool</name>
    <message>
        <source>Drag to rotate; drag the centre handle to move</source>
        <translation>Faites glisser pour faire pivoter ; faites glisser la poignée centrale pour déplacer</translation>
    </message>
</context>
<context>
    <name>CSettingsCommands</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1.</translation>
    </message>
</context>
<context>
    <name>CStarterLibrary</name>
    <message>
        <source>Hexagon</source>
        <translation>Hexagone</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rond</translation>
    </message>
    <message>
        <source>Rounded rectangle</source>
        <translation>Rectangle arrondi</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Écusson</translation>
    </message>
    <message>
        <source>Tag with hole</source>
        <translation>Étiquette percée</translation>
    </message>
    <message>
        <source>Beaded</source>
        <translation>Perlé</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Pointillé</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Ornamental corners</source>
        <translation>Coins ornés</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Thick and thin</source>
        <translation>Épais et fin</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Check mark</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Cross mark</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>First aid</source>
        <translation>Premiers secours</translation>
    </message>
    <message>
        <source>Gear</source>
        <translation>Engrenage</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>High voltage</source>
        <translation>Haute tension</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <translation>Interdit</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>Flèche de rotation</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
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
        <translation>pouce</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Curseur</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>CSymbolDlg</name>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Reflesh	F5</source>
        <translation>A&amp;ctualiser	F5</translation>
    </message>
    <message>
        <source>Rena&amp;me	F2</source>
        <translation>Reno&amp;mmer	F2</translation>
    </message>
    <message>
        <source>&amp;Delete	Delete</source>
        <translation>&amp;Supprimer	Suppr</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Lecture de la bibliothèque...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for good? It cannot be brought back from the trash.</source>
        <translation>Supprimer définitivement « %1 » ? Il ne pourra pas être récupéré dans la corbeille.</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Fichier...</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Numériser...</translation>
    </message>
</context>
<context>
    <name>CTextBlockDlg</name>
    <message>
        <source>Text Block</source>
        <translation>Bloc de texte</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Ha&amp;uteur</translation>
    </message>
    <message>
        <source>Background Margin</source>
        <translation>Marge du fond</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>Hori&amp;zontale</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>&amp;Remplir le fond</translation>
    </message>
    <message>
        <source>&amp;Draw Edge</source>
        <translation>&amp;Dessiner le bord</translation>
    </message>
    <message>
        <source>Thic&amp;k Edge</source>
        <translation>Bord é&amp;pais</translation>
    </message>
    <message>
        <source>&amp;Anti-aliasing</source>
        <translation>&amp;Anticrénelage</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>Couleur du &amp;fond</translation>
    </message>
    <message>
        <source>Ed&amp;ge Color</source>
        <translation>Couleur du &amp;bord</translation>
    </message>
    <message>
        <source>Vertica&amp;l</source>
        <translation>Verti&amp;cale</translation>
    </message>
</context>
<context>
    <name>CTextCharSet</name>
    <message>
        <source>This text cannot be stored: no one character set holds all of it. Remove these characters or put them in a text of their own: %1</source>
        <translation>Ce texte ne peut pas être enregistré : aucun jeu de caractères ne le contient en entier. Supprimez ces caractères ou placez-les dans un texte à part : %1</translation>
    </message>
</context>
<context>
    <name>CTextDlg</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
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
        <translation>Taille</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Ha&amp;uteur</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>&amp;Rotate Text</source>
        <translation>&amp;Pivoter le texte</translation>
    </message>
    <message>
        <source>Rotation &amp;Angle</source>
        <translation>&amp;Angle de rotation</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>&amp;Remplir le fond</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>Couleur du &amp;fond</translation>
    </message>
</context>
<context>
    <name>CTrimmingDlg</name>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>&amp;Conserver les proportions</translation>
    </message>
    <message>
        <source>Trimming Picture</source>
        <translation>Rogner l’image</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;Same size</source>
        <translation>&amp;Même taille</translation>
    </message>
    <message>
        <source>&amp;Free</source>
        <translation>&amp;Libre</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Taille (pouces)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Taille (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>La&amp;rgeur</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
</context>
<context>
    <name>CUnitFormat</name>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
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
        <translation>Position : -000.000, -000.000 pouce</translation>
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
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Enregistrer le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Se&amp;lect Source...</source>
        <translation>Sé&amp;lectionner la source...</translation>
    </message>
    <message>
        <source>Select TWAIN data source</source>
        <translation>Sélectionner la source de données TWAIN</translation>
    </message>
    <message>
        <source>A&amp;cquire...</source>
        <translation>&amp;Acquérir...</translation>
    </message>
    <message>
        <source>Acquire image</source>
        <translation>Acquérir une image</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Fichier...</translation>
    </message>
    <message>
        <source>Add a material to the library from a picture file</source>
        <translation>Ajouter un matériau à la bibliothèque depuis un fichier image</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Numériser...</translation>
    </message>
    <message>
        <source>Add a material to the library from the scanner</source>
        <translation>Ajouter un matériau à la bibliothèque depuis le scanner</translation>
    </message>
    <message>
        <source>&amp;Material Setup...</source>
        <translation>Réglage du &amp;matériau...</translation>
    </message>
    <message>
        <source>Set the size and outline of the material</source>
        <translation>Définir la taille et le contour du matériau</translation>
    </message>
    <message>
        <source>Output to &amp;Bmp file...</source>
        <translation>Sortie en fichier &amp;Bmp...</translation>
    </message>
    <message>
        <source>Output to Bmp file</source>
        <translation>Sortie en fichier Bmp</translation>
    </message>
    <message>
        <source>Output to Clipboard</source>
        <translation>Sortie vers le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Imp&amp;rimer...</translation>
    </message>
    <message>
        <source>Engrave the layout</source>
        <translation>Graver la mise en page</translation>
    </message>
    <message>
        <source>Print &amp;Directly</source>
        <translation>Imprimer &amp;directement</translation>
    </message>
    <message>
        <source>Engrave the layout on the chosen engraver without asking</source>
        <translation>Graver la mise en page sur le graveur choisi sans rien demander</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Aperç&amp;u avant impression...</translation>
    </message>
    <message>
        <source>Preview the engraved plate</source>
        <translation>Afficher un aperçu de la plaque gravée</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l’impression...</translation>
    </message>
    <message>
        <source>Choose the engraver and its options</source>
        <translation>Choisir le graveur et ses options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l’application ; propose d’enregistrer les documents</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Rétablir l’action annulée</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Couper la sélection et la placer dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copier la sélection et la placer dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insérer le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the selection</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>&amp;Move Center</source>
        <translation>Déplacer au c&amp;entre</translation>
    </message>
    <message>
        <source>Move the selection to the centre of the material</source>
        <translation>Déplacer la sélection au centre du matériau</translation>
    </message>
    <message>
        <source>Edit the properties of the selection</source>
        <translation>Modifier les propriétés de la sélection</translation>
    </message>
    <message>
        <source>Pre&amp;ferences...</source>
        <translation>Préfére&amp;nces...</translation>
    </message>
    <message>
        <source>Change the program&apos;s settings</source>
        <translation>Modifier les réglages du programme</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Extended Toolbar</source>
        <translation>Barre d’outils éten&amp;due</translation>
    </message>
    <message>
        <source>Show or hide the extended toolbar</source>
        <translation>Afficher ou masquer la barre d’outils étendue</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d’état</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>A&amp;juster à l’écran</translation>
    </message>
    <message>
        <source>Show the whole material</source>
        <translation>Afficher tout le matériau</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>Zoom to 50%</source>
        <translation>Zoom à 50%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Zoom to 100%</source>
        <translation>Zoom à 100%</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>Zoom to 200%</source>
        <translation>Zoom à 200%</translation>
    </message>
    <message>
        <source>400%</source>
        <translation>400%</translation>
    </message>
    <message>
        <source>Zoom to 400%</source>
        <translation>Zoom à 400%</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>Afficher ou masquer la grille</translation>
    </message>
    <message>
        <source>Grid Set&amp;up...</source>
        <translation>Réglage de la gr&amp;ille...</translation>
    </message>
    <message>
        <source>Set the grid pitch and colours</source>
        <translation>Définir le pas et les couleurs de la grille</translation>
    </message>
    <message>
        <source>&amp;Layer...</source>
        <translation>&amp;Calque...</translation>
    </message>
    <message>
        <source>Show or hide layer window</source>
        <translation>Afficher ou masquer la fenêtre des calques</translation>
    </message>
    <message>
        <source>In&amp;vert</source>
        <translation>In&amp;verser</translation>
    </message>
    <message>
        <source>Invert the engraved and the bare parts</source>
        <translation>Inverser les parties gravées et les parties nues</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message>
        <source>Select Object</source>
        <translation>Sélectionner un objet</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Zoom avant ou arrière</translation>
    </message>
    <message>
        <source>Scro&amp;ll</source>
        <translation>&amp;Défiler</translation>
    </message>
    <message>
        <source>Scroll the screen</source>
        <translation>Faire défiler l’écran</translation>
    </message>
    <message>
        <source>Text &amp;Block</source>
        <translation>&amp;Bloc de texte</translation>
    </message>
    <message>
        <source>Insert Text Block</source>
        <translation>Insérer un bloc de texte</translation>
    </message>
    <message>
        <source>Drawing &amp;Pen</source>
        <translation>&amp;Crayon de dessin</translation>
    </message>
    <message>
        <source>Drawing Pen</source>
        <translation>Crayon de dessin</translation>
    </message>
    <message>
        <source>&amp;Fill Paint</source>
        <translation>&amp;Remplissage</translation>
    </message>
    <message>
        <source>Fill Paint</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>&amp;Horizontal Text</source>
        <translation>Texte &amp;horizontal</translation>
    </message>
    <message>
        <source>Insert Horizontal Text</source>
        <translation>Insérer un texte horizontal</translation>
    </message>
    <message>
        <source>F&amp;an Text</source>
        <translation>Texte en év&amp;entail</translation>
    </message>
    <message>
        <source>Insert Fan Text</source>
        <translation>Insérer un texte en éventail</translation>
    </message>
    <message>
        <source>Text Tools</source>
        <translation>Outils de texte</translation>
    </message>
    <message>
        <source>Insert horizontal or fan text</source>
        <translation>Insérer un texte horizontal ou en éventail</translation>
    </message>
    <message>
        <source>Pen Set&amp;up...</source>
        <translation>Réglage du cra&amp;yon...</translation>
    </message>
    <message>
        <source>Set the width and colour of the drawing pen</source>
        <translation>Définir la largeur et la couleur du crayon de dessin</translation>
    </message>
    <message>
        <source>&amp;Material...</source>
        <translation>&amp;Matériau...</translation>
    </message>
    <message>
        <source>Insert a material from the library</source>
        <translation>Insérer un matériau de la bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Frame...</source>
        <translation>&amp;Cadre...</translation>
    </message>
    <message>
        <source>Insert a frame from the library</source>
        <translation>Insérer un cadre de la bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Symbol...</source>
        <translation>&amp;Symbole...</translation>
    </message>
    <message>
        <source>Insert a symbol from the library</source>
        <translation>Insérer un symbole de la bibliothèque</translation>
    </message>
    <message>
        <source>Add a frame to the library</source>
        <translation>Ajouter un cadre à la bibliothèque</translation>
    </message>
    <message>
        <source>Add a symbol to the library</source>
        <translation>Ajouter un symbole à la bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Trimming...</source>
        <translation>Ro&amp;gner...</translation>
    </message>
    <message>
        <source>Trim the picture to a rectangle</source>
        <translation>Rogner l’image à un rectangle</translation>
    </message>
    <message>
        <source>Crop &amp;Image...</source>
        <translation>Dét&amp;ourer l’image...</translation>
    </message>
    <message>
        <source>Make parts of the picture transparent</source>
        <translation>Rendre transparentes des parties de l’image</translation>
    </message>
    <message>
        <source>R&amp;otate Image...</source>
        <translation>&amp;Pivoter l’image...</translation>
    </message>
    <message>
        <source>Turn the picture by quarter turns</source>
        <translation>Tourner l’image par quarts de tour</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d’aide</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Ouvrir le manuel</translation>
    </message>
    <message>
        <source>&amp;About Veldra2...</source>
        <translation>À &amp;propos de Veldra2...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>O&amp;utput to Clipboard</source>
        <translation>Sortie vers le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>&amp;Data Source...</source>
        <translation>Source de &amp;données...</translation>
    </message>
    <message>
        <source>Choose the data file whose records fill the layout&apos;s fields</source>
        <translation>Choisir le fichier de données dont les enregistrements remplissent les champs de la mise en page</translation>
    </message>
    <message>
        <source>Print Batc&amp;h...</source>
        <translation>Impression &amp;groupée...</translation>
    </message>
    <message>
        <source>Engrave one plate per record</source>
        <translation>Graver une plaque par enregistrement</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Show the first record</source>
        <translation>Afficher le premier enregistrement</translation>
    </message>
    <message>
        <source>Previous Record</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>Show the previous record</source>
        <translation>Afficher l’enregistrement précédent</translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>Show the next record</source>
        <translation>Afficher l’enregistrement suivant</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Dernier enregistrement</translation>
    </message>
    <message>
        <source>Show the last record</source>
        <translation>Afficher le dernier enregistrement</translation>
    </message>
    <message>
        <source>&amp;Code...</source>
        <translation>C&amp;ode...</translation>
    </message>
    <message>
        <source>Insert a Data Matrix, QR or Code 128 code</source>
        <translation>Insérer un code Data Matrix, QR ou Code 128</translation>
    </message>
</context>
<context>
    <name>DialogSupport</name>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontale</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>F&amp;ont Color</source>
        <translation>C&amp;ouleur de la police</translation>
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
