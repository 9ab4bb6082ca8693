<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Veldra2</source>
        <translation>Acerca de Veldra2</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Lays out and engraves metal plates.</source>
        <translation>Diseña y graba placas de metal.</translation>
    </message>
</context>
<context>
    <name>CAddEntryDlg</name>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>&amp;Mantener proporción</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>A&amp;lto</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of this size.</source>
        <translation>No hay memoria suficiente para una imagen de este tamaño.</translation>
    </message>
</context>
<context>
    <name>CAddMaterialDlg</name>
    <message>
        <source>Add Material</source>
        <translation>Añadir material</translation>
    </message>
    <message>
        <source>NewShape</source>
        <translation>NuevaForma</translation>
    </message>
    <message>
        <source>Resolution (&amp;dpi)</source>
        <translation>Res&amp;olución (ppp)</translation>
    </message>
</context>
<context>
    <name>CAddSizeRules</name>
    <message>
        <source>Size (inch)</source>
        <translation>Tamaño (pulgadas)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Tamaño (mm)</translation>
    </message>
</context>
<context>
    <name>CAddSymbolDlg</name>
    <message>
        <source>Add Frame</source>
        <translation>Añadir marco</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Añadir símbolo</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>&amp;Transparente</translation>
    </message>
    <message>
        <source>%1
There is not enough memory for this picture.</source>
        <translation>%1
No hay memoria suficiente para esta imagen.</translation>
    </message>
</context>
<context>
    <name>CAppCommands</name>
    <message>
        <source>No web browser could be started to show the manual.
It is at %1</source>
        <translation>No se pudo abrir un navegador para mostrar el manual.
Está en %1</translation>
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
        <translation>Texto nuevo</translation>
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
        <translation>Origen de datos</translation>
    </message>
    <message>
        <source>Data files (*.csv *.tsv *.txt *.tab)</source>
        <translation>Archivos de datos (*.csv *.tsv *.txt *.tab)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The layout has no fields: write {Column}, {#}, {serial} or {date} in a text.</source>
        <translation>El diseño no tiene campos: escriba {Columna}, {#}, {serial} o {date} en un texto.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>No se pudo iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>Printing the batch...</source>
        <translation>Imprimiendo la serie...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Printing record %1 of %2...</source>
        <translation>Imprimiendo el registro %1 de %2...</translation>
    </message>
    <message>
        <source>Could not print record %1.
%2
%3 plates were sent before it.</source>
        <translation>No se pudo imprimir el registro %1.
%2
Antes se enviaron %3 placas.</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>la impresora predeterminada</translation>
    </message>
    <message>
        <source>%1 of %2 plates sent to %3.</source>
        <translation>%1 de %2 placas enviadas a %3.</translation>
    </message>
</context>
<context>
    <name>CBatchPrint</name>
    <message>
        <source>Could not start print job.</source>
        <translation>No se pudo iniciar el trabajo de impresión.</translation>
    </message>
</context>
<context>
    <name>CBatchRender</name>
    <message>
        <source>The other %1 plates need %2 MB and the disk has %3 MB free.</source>
        <translation>Las otras %1 placas necesitan %2 MB y el disco tiene %3 MB libres.</translation>
    </message>
</context>
<context>
    <name>CBatchRun</name>
    <message>
        <source>Record %1: %2</source>
        <translation>Registro %1: %2</translation>
    </message>
    <message>
        <source>it failed.</source>
        <translation>falló.</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1 and %2 more.</source>
        <translation>Texto reducido para que quepa en los registros %1 y %2 más.</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1.</source>
        <translation>Texto reducido para que quepa en los registros %1.</translation>
    </message>
    <message>
        <source>A batch does at most %1 records; this one has %2. Split it into ranges of records.</source>
        <translation>Un lote admite como máximo %1 registros; este tiene %2. Divídalo en rangos de registros.</translation>
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
        <translation>Data Matrix (rectangular)</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>Código QR</translation>
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
        <translation>Zona de &amp;silencio</translation>
    </message>
    <message>
        <source>&amp;Text under the bars</source>
        <translation>Te&amp;xto bajo las barras</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
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
        <translation>Módulos blancos sobre negro</translation>
    </message>
    <message>
        <source>Black modules on white</source>
        <translation>Módulos negros sobre blanco</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>&amp;Module (%1)</source>
        <translation>&amp;Módulo (%1)</translation>
    </message>
    <message>
        <source>&amp;Error correction</source>
        <translation>&amp;Corrección de errores</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>C&amp;olor</translation>
    </message>
    <message>
        <source>Type the module size as a number greater than 0.</source>
        <translation>Escriba el tamaño del módulo como un número mayor que 0.</translation>
    </message>
</context>
<context>
    <name>CCodeEncoder</name>
    <message>
        <source>The code has no data.</source>
        <translation>El código no tiene datos.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2).</source>
        <translation>Los datos son demasiado largos para %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot hold this data: %2.</source>
        <translation>%1 no puede contener estos datos: %2.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>No se pudo crear %1: %2.</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2 bytes).</source>
        <translation>Los datos son demasiado largos para %1 (%2 bytes).</translation>
    </message>
</context>
<context>
    <name>CCodeFields</name>
    <message>
        <source>The code&apos;s data: %1</source>
        <translation>Los datos del código: %1</translation>
    </message>
</context>
<context>
    <name>CCodeRules</name>
    <message>
        <source>%1 x %2 mm, %3 x %4 modules; module %5 mm (%6 dots)</source>
        <translation>%1 x %2 mm, %3 x %4 módulos; módulo %5 mm (%6 puntos)</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Otro...</translation>
    </message>
</context>
<context>
    <name>CCropImageDlg</name>
    <message>
        <source>Crop Image</source>
        <translation>Transparentar imagen</translation>
    </message>
    <message>
        <source>&amp;Approximate Color for Fill</source>
        <translation>Color &amp;aproximado para el relleno</translation>
    </message>
    <message>
        <source>&amp;Pen Diameter</source>
        <translation>&amp;Diámetro del lápiz</translation>
    </message>
    <message>
        <source>&amp;Transparent Color</source>
        <translation>Color &amp;transparente</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>Ajustar a la pantalla</translation>
    </message>
</context>
<context>
    <name>CCupsConnection</name>
    <message>
        <source>The print scheduler did not answer within %1 s.</source>
        <translation>El planificador de impresión no respondió en %1 s.</translation>
    </message>
    <message>
        <source>The print scheduler cannot be reached.</source>
        <translation>No se puede contactar con el planificador de impresión.</translation>
    </message>
    <message>
        <source>The print scheduler broke off without an answer.</source>
        <translation>El planificador de impresión cortó la conexión sin responder.</translation>
    </message>
</context>
<context>
    <name>CCupsJob</name>
    <message>
        <source>The printer %1 is not there.</source>
        <translation>La impresora %1 no existe.</translation>
    </message>
    <message>
        <source>The printer %1 is stopped.</source>
        <translation>La impresora %1 está detenida.</translation>
    </message>
    <message>
        <source>The printer %1 does not take jobs.</source>
        <translation>La impresora %1 no acepta trabajos.</translation>
    </message>
</context>
<context>
    <name>CDataSource</name>
    <message>
        <source>%1 is too large for a data file.</source>
        <translation>%1 es demasiado grande para un archivo de datos.</translation>
    </message>
    <message>
        <source>The file is empty: its first line must name the columns.</source>
        <translation>El archivo está vacío: su primera línea debe nombrar las columnas.</translation>
    </message>
    <message>
        <source>Line 1: every column needs a name of its own (&quot;%1&quot;).</source>
        <translation>Línea 1: cada columna necesita un nombre propio («%1»).</translation>
    </message>
    <message>
        <source>Line %1: %2 fields where the header names %3 columns.</source>
        <translation>Línea %1: %2 campos donde la cabecera nombra %3 columnas.</translation>
    </message>
</context>
<context>
    <name>CDataSourceDlg</name>
    <message>
        <source>Data Source</source>
        <translation>Origen de datos</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto y coma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>&amp;Separador</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Columnas:</translation>
    </message>
    <message>
        <source>One record.</source>
        <translation>Un registro.</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 registros.</translation>
    </message>
</context>
<context>
    <name>CDelimitedReader</name>
    <message>
        <source>a closing quote must end its field</source>
        <translation>unas comillas de cierre deben terminar su campo</translation>
    </message>
    <message>
        <source>the quoted field is never closed</source>
        <translation>el campo entre comillas nunca se cierra</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
    <message>
        <source>The text is too large for a data file.</source>
        <translation>El texto es demasiado grande para un archivo de datos.</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>Bitmap file (*.bmp *.dib *.rle)</source>
        <translation>Archivo de mapa de bits (*.bmp *.dib *.rle)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
</context>
<context>
    <name>CDocumentFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de archivo inesperado.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>No se pudo abrir el documento.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>No se pudo guardar el documento.</translation>
    </message>
</context>
<context>
    <name>CDocumentManager</name>
    <message>
        <source>Veldra2 File (*.vlz)</source>
        <translation>Archivo de Veldra2 (*.vlz)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
No se encuentra el archivo.
Compruebe que la ruta y el nombre del archivo son correctos.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
</context>
<context>
    <name>CEngraverJob</name>
    <message>
        <source>The job could not be written.</source>
        <translation>No se pudo escribir el trabajo.</translation>
    </message>
</context>
<context>
    <name>CEngraverPropertiesDlg</name>
    <message>
        <source>Engraver Properties</source>
        <translation>Propiedades del grabador</translation>
    </message>
    <message>
        <source>&amp;Brightness:</source>
        <translation>&amp;Brillo:</translation>
    </message>
    <message>
        <source>Con&amp;trast:</source>
        <translation>Con&amp;traste:</translation>
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
        <translation>Texto en abanico</translation>
    </message>
    <message>
        <source>&amp;Span</source>
        <translation>A&amp;pertura</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>Radi&amp;us</source>
        <translation>Ra&amp;dio</translation>
    </message>
    <message>
        <source>Invert Te&amp;xt</source>
        <translation>Invertir te&amp;xto</translation>
    </message>
</context>
<context>
    <name>CFieldRefusal</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Escriba un número entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Escriba un entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter a number, such as %1.</source>
        <translation>Escriba un número, por ejemplo %1.</translation>
    </message>
</context>
<context>
    <name>CFieldTemplate</name>
    <message>
        <source>A &quot;}&quot; at character %1 closes no field (write &quot;}}&quot; for the brace itself).</source>
        <translation>Una «}» en el carácter %1 no cierra ningún campo (escriba «}}» para la llave misma).</translation>
    </message>
    <message>
        <source>The field at character %1 is not closed (write &quot;{{&quot; for the brace itself).</source>
        <translation>El campo en el carácter %1 no está cerrado (escriba «{{» para la llave misma).</translation>
    </message>
    <message>
        <source>A field has no name: write {Column}, {#}, {serial} or {date}.</source>
        <translation>Un campo no tiene nombre: escriba {Columna}, {#}, {serial} o {date}.</translation>
    </message>
    <message>
        <source>The counter {serial:%1} is not a number: write {serial:0001} or {serial:0001+5}.</source>
        <translation>El contador {serial:%1} no es un número: escriba {serial:0001} o {serial:0001+5}.</translation>
    </message>
    <message>
        <source>The counter {serial:%1} runs out of the numbers a counter can hold by record %2.</source>
        <translation>El contador {serial:%1} se sale de los números que puede contener un contador en el registro %2.</translation>
    </message>
</context>
<context>
    <name>CGridSetupDlg</name>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Mostrar &amp;cuadrícula</translation>
    </message>
    <message>
        <source>Set &amp;Center line color</source>
        <translation>Color de la línea ce&amp;ntral</translation>
    </message>
    <message>
        <source>Grid Setup</source>
        <translation>Configurar cuadrícula</translation>
    </message>
    <message>
        <source>Interval (inch)</source>
        <translation>Intervalo (pulgadas)</translation>
    </message>
    <message>
        <source>Interval (mm)</source>
        <translation>Intervalo (mm)</translation>
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
        <translation>C&amp;olor de la cuadrícula</translation>
    </message>
</context>
<context>
    <name>CInputFile</name>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
No se encuentra el archivo.
Compruebe que la ruta y el nombre del archivo son correctos.</translation>
    </message>
</context>
<context>
    <name>CLayerRows</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Drawing pen</source>
        <translation>Lápiz de dibujo</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
</context>
<context>
    <name>CLayerWindow</name>
    <message>
        <source>Layer</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Join with Lower Layer</source>
        <translation>Unir con la capa inferior</translation>
    </message>
    <message>
        <source>Join with Displayed Layer</source>
        <translation>Unir con la capa mostrada</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>CLibraryCommands</name>
    <message>
        <source>&quot;%1&quot; could not be read from the library.</source>
        <translation>No se pudo leer «%1» de la biblioteca.</translation>
    </message>
    <message>
        <source>Add Material</source>
        <translation>Añadir material</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Añadir marco</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Añadir símbolo</translation>
    </message>
</context>
<context>
    <name>CLibraryEntryFile</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Escriba un nombre.</translation>
    </message>
    <message>
        <source>A name cannot contain &quot;/&quot;.</source>
        <translation>Un nombre no puede contener «/».</translation>
    </message>
    <message>
        <source>A name cannot begin with &quot;.&quot;.</source>
        <translation>Un nombre no puede empezar por «.».</translation>
    </message>
    <message>
        <source>A library cannot keep these characters of the name: %1</source>
        <translation>La biblioteca no puede guardar estos caracteres del nombre: %1</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters.</source>
        <translation>Un nombre puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
</context>
<context>
    <name>CLibraryFiles</name>
    <message>
        <source>&quot;%1&quot; is no longer in the library folder.</source>
        <translation>«%1» ya no está en la carpeta de la biblioteca.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2</source>
        <translation>No se pudo eliminar «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be moved to the trash: %2
Hold Shift while deleting to delete it for good.</source>
        <translation>No se pudo mover «%1» a la papelera: %2
Mantenga pulsada Mayús al eliminar para borrarlo definitivamente.</translation>
    </message>
    <message>
        <source>There is already an entry named &quot;%1&quot;.</source>
        <translation>Ya hay una entrada llamada «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>No se pudo cambiar el nombre de «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Extendida</translation>
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
        <translation>No se puede leer el material «%1». El material no se ha cambiado.</translation>
    </message>
</context>
<context>
    <name>CMaterialSetupDlg</name>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Otro...</translation>
    </message>
    <message>
        <source>Material Setup</source>
        <translation>Configurar material</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Tamaño (pulgadas)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Tamaño (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>A&amp;lto</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
</context>
<context>
    <name>CMenuLayout</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objeto</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>A&amp;dd Parts</source>
        <translation>Añadir &amp;partes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Add Ma&amp;terial</source>
        <translation>Añadir ma&amp;terial</translation>
    </message>
</context>
<context>
    <name>CModuleSize</name>
    <message>
        <source>A module of %1 mm is less than %2 dots at %3 dpi; the smallest module that works is %4 mm.</source>
        <translation>Un módulo de %1 mm tiene menos de %2 puntos a %3 ppp; el módulo más pequeño posible es %4 mm.</translation>
    </message>
</context>
<context>
    <name>CPenSetupDlg</name>
    <message>
        <source>Pen Setup</source>
        <translation>Configurar lápiz</translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Paint &amp;Color</source>
        <translation>&amp;Color de lápiz y relleno</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
</context>
<context>
    <name>CPictureFileChooser</name>
    <message>
        <source>Bitmap file</source>
        <translation>Archivo de mapa de bits</translation>
    </message>
    <message>
        <source>JPEG file</source>
        <translation>Archivo JPEG</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>CPictureImport</name>
    <message>
        <source>%1
A layout cannot keep these characters of the file&apos;s name: %2
Rename the file and import it again.</source>
        <translation>%1
Un diseño no puede guardar estos caracteres del nombre del archivo: %2
Cambie el nombre del archivo e impórtelo de nuevo.</translation>
    </message>
    <message>
        <source>The material leaves no room inside its margins for a picture.</source>
        <translation>El material no deja espacio para una imagen dentro de sus márgenes.</translation>
    </message>
    <message>
        <source>%1 could not be placed on the plate.</source>
        <translation>No se pudo colocar %1 en la placa.</translation>
    </message>
</context>
<context>
    <name>CPictureLoader</name>
    <message>
        <source>%1
Unexpected file format.</source>
        <translation>%1
Formato de archivo inesperado.</translation>
    </message>
</context>
<context>
    <name>CPicturePreviewPane</name>
    <message>
        <source>Engrave the &amp;dark parts</source>
        <translation>Grabar las partes &amp;oscuras</translation>
    </message>
    <message>
        <source>White engraves. Tick this for a dark drawing on light paper: the picture is turned to its negative as it is added.</source>
        <translation>Se graba el blanco. Marque esta opción para un dibujo oscuro sobre papel claro: la imagen se convierte en su negativo al añadirse.</translation>
    </message>
</context>
<context>
    <name>CPlateNames</name>
    <message>
        <source>(no data file)</source>
        <translation>(sin archivo de datos)</translation>
    </message>
    <message>
        <source>The file name&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>Los campos %1 del nombre de archivo no nombran ninguna columna de los datos. Sus columnas: %2.</translation>
    </message>
    <message>
        <source>Record %1 gets no file name from &quot;%2&quot;.</source>
        <translation>El registro %1 no obtiene nombre de archivo de «%2».</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; holds a &quot;/&quot;.</source>
        <translation>El nombre de archivo «%2» del registro %1 contiene una «/».</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name holds a NUL character.</source>
        <translation>El nombre de archivo del registro %1 contiene un carácter NUL.</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; is another record&apos;s too: add {#} to the name.</source>
        <translation>El nombre de archivo «%2» del registro %1 también es de otro registro: añada {#} al nombre.</translation>
    </message>
</context>
<context>
    <name>CPlateRenderer</name>
    <message>
        <source>The plate is too large to render.</source>
        <translation>La placa es demasiado grande para representarla.</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, has no size a plate can have.</source>
        <translation>El material, %1 x %2 mm, no tiene un tamaño que pueda tener una placa.</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, is smaller than one dot of the engraver.</source>
        <translation>El material, %1 x %2 mm, es más pequeño que un punto del grabador.</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambiar...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>&amp;Millimeter</source>
        <translation>&amp;Milímetros</translation>
    </message>
    <message>
        <source>&amp;Inch</source>
        <translation>&amp;Pulgadas</translation>
    </message>
    <message>
        <source>Margin (inch)</source>
        <translation>Margen (pulgadas)</translation>
    </message>
    <message>
        <source>Margin (mm)</source>
        <translation>Margen (mm)</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>Hori&amp;zontal</translation>
    </message>
    <message>
        <source>Ve&amp;rtical</source>
        <translation>Ve&amp;rtical</translation>
    </message>
    <message>
        <source>U&amp;ndo Count</source>
        <translation>Pasos para &amp;deshacer</translation>
    </message>
    <message>
        <source>Preview color</source>
        <translation>Color de vista previa</translation>
    </message>
    <message>
        <source>Color&amp;1</source>
        <translation>Color &amp;1</translation>
    </message>
    <message>
        <source>Color&amp;2</source>
        <translation>Color &amp;2</translation>
    </message>
    <message>
        <source>&amp;User defined</source>
        <translation>Personali&amp;zado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Use S&amp;ystem Color</source>
        <translation>Usar color del s&amp;istema</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>SPI</source>
        <translation>SPI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reset &amp;Default</source>
        <translation>Restablecer &amp;valores</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Avanzado...</translation>
    </message>
    <message>
        <source> Folder</source>
        <translation> Carpeta</translation>
    </message>
    <message>
        <source>Autosave &amp;every</source>
        <translation>Guardado au&amp;tomático cada</translation>
    </message>
    <message>
        <source>minutes (0: off)</source>
        <translation>minutos (0: nunca)</translation>
    </message>
</context>
<context>
    <name>CPreviewDlg</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
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
        <translation>Fijar como &amp;estándar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Brillo</translation>
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
        <translation>Imprimir serie</translation>
    </message>
    <message>
        <source>One plate and one print job per record; record %1 is shown.</source>
        <translation>Una placa y un trabajo de impresión por registro; se muestra el registro %1.</translation>
    </message>
    <message>
        <source>&amp;From record</source>
        <translation>&amp;Desde el registro</translation>
    </message>
    <message>
        <source>&amp;To record</source>
        <translation>&amp;Hasta el registro</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impresora: %1</translation>
    </message>
    <message>
        <source>No data file: the plates are numbered 1, 2, 3 ... for {#} and {serial}.</source>
        <translation>Sin archivo de datos: las placas se numeran 1, 2, 3 ... para {#} y {serial}.</translation>
    </message>
    <message>
        <source>&amp;Plates</source>
        <translation>&amp;Placas</translation>
    </message>
    <message>
        <source>One plate will be sent to %1.</source>
        <translation>Se enviará una placa a %1.</translation>
    </message>
    <message>
        <source>%1 plates will be sent to %2, one job each.</source>
        <translation>Se enviarán %1 placas a %2, un trabajo cada una.</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>Sending %1 to the printer...</source>
        <translation>Enviando %1 a la impresora...</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>No se pudo iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>Sent %1 to %2, job %3.</source>
        <translation>%1 enviado a %2, trabajo %3.</translation>
    </message>
    <message>
        <source>Could not print %1 on %2: %3</source>
        <translation>No se pudo imprimir %1 en %2: %3</translation>
    </message>
    <message>
        <source>Waiting for the print scheduler to answer (at most %1 s)...</source>
        <translation>Esperando la respuesta del planificador de impresión (como máximo %1 s)...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupDlg</name>
    <message>
        <source>No printers are installed.</source>
        <translation>No hay impresoras instaladas.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>P&amp;rinter:</source>
        <translation>Impre&amp;sora:</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Tamaño del papel:</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Copias:</translation>
    </message>
    <message>
        <source>The default printer</source>
        <translation>La impresora predeterminada</translation>
    </message>
    <message>
        <source>The printer&apos;s settings could not be saved.</source>
        <translation>No se pudo guardar la configuración de la impresora.</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>Pr&amp;opiedades...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupRules</name>
    <message>
        <source>Ready</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1, not accepting jobs</source>
        <translation>%1, no acepta trabajos</translation>
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
        <translation>No se pudo escribir el trabajo.</translation>
    </message>
</context>
<context>
    <name>CPropertiesDlg</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Position (inch)</source>
        <translation>Posición (pulgadas)</translation>
    </message>
    <message>
        <source>Position (mm)</source>
        <translation>Posición (mm)</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Tamaño (pulgadas)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Tamaño (mm)</translation>
    </message>
    <message>
        <source>Keep &amp;Aspect</source>
        <translation>&amp;Mantener proporción</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>A&amp;lto</translation>
    </message>
</context>
<context>
    <name>CRecordCodes</name>
    <message>
        <source>The code &quot;%1&quot;: %2</source>
        <translation>El código «%1»: %2</translation>
    </message>
    <message>
        <source>Record %1: %2</source>
        <translation>Registro %1: %2</translation>
    </message>
</context>
<context>
    <name>CRecordDisplay</name>
    <message>
        <source>The data holds no records.</source>
        <translation>Los datos no contienen registros.</translation>
    </message>
</context>
<context>
    <name>CRecordLayout</name>
    <message>
        <source>The text &quot;%1&quot;: %2</source>
        <translation>El texto «%1»: %2</translation>
    </message>
    <message>
        <source>(no data file)</source>
        <translation>(sin archivo de datos)</translation>
    </message>
    <message>
        <source>The layout&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>Los campos %1 del diseño no nombran ninguna columna de los datos. Sus columnas: %2.</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the text&apos;s code page cannot hold &quot;%3&quot;.</source>
        <translation>Registro %1, columna «%2»: la página de códigos del texto no puede contener «%3».</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the value holds a NUL character.</source>
        <translation>Registro %1, columna &quot;%2&quot;: el valor contiene un carácter NUL.</translation>
    </message>
</context>
<context>
    <name>CRecordNavigator</name>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>Número de registro</translation>
    </message>
    <message>
        <source>Stop using the data source</source>
        <translation>Dejar de usar el origen de datos</translation>
    </message>
    <message>
        <source> of %1 (%2)</source>
        <translation> de %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CRecoveryDlg</name>
    <message>
        <source>Recover Layouts</source>
        <translation>Recuperar diseños</translation>
    </message>
    <message>
        <source>Veldra2 did not exit normally. These layouts had changes that were not saved:</source>
        <translation>Veldra2 no se cerró normalmente. Estos diseños tenían cambios sin guardar:</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Kept at</source>
        <translation>Guardado el</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Más &amp;tarde</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(nunca guardado)</translation>
    </message>
    <message>
        <source>The kept changes of %1 could not all be deleted.</source>
        <translation>No se pudieron borrar todos los cambios guardados de %1.</translation>
    </message>
</context>
<context>
    <name>CRecoverySession</name>
    <message>
        <source>The recovery folder %1 cannot be used.</source>
        <translation>No se puede usar la carpeta de recuperación %1.</translation>
    </message>
</context>
<context>
    <name>CRotateImageDlg</name>
    <message>
        <source>Rotate Image</source>
        <translation>Girar imagen</translation>
    </message>
    <message>
        <source>&amp;Angle:</source>
        <translation>Á&amp;ngulo:</translation>
    </message>
</context>
<context>
    <name>CSafeSave</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>the file is not open.</source>
        <translation>el archivo no está abierto.</translation>
    </message>
    <message>
        <source>the data could not be written.</source>
        <translation>no se pudieron escribir los datos.</translation>
    </message>
    <message>
        <source>it is a symbolic link.</source>
        <translation>es un enlace simbólico.</translation>
    </message>
    <message>
        <source>no new file could be made beside it.</source>
        <translation>no se pudo crear un archivo nuevo a su lado.</translation>
    </message>
</context>
<context>
    <name>CSaneOptions</name>
    <message>
        <source>The scanner cannot scan in the mode &quot;%1&quot;.</source>
        <translation>El escáner no puede escanear en el modo «%1».</translation>
    </message>
    <message>
        <source>The scanner cannot scan at %1 dpi.</source>
        <translation>El escáner no puede escanear a %1 ppp.</translation>
    </message>
    <message>
        <source>The scanner cannot scan the chosen area.</source>
        <translation>El escáner no puede escanear la zona elegida.</translation>
    </message>
</context>
<context>
    <name>CSaneStatusText</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>Se canceló el escaneo.</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>No hay ningún documento en el escáner.</translation>
    </message>
    <message>
        <source>The document is jammed in the scanner.</source>
        <translation>El documento se ha atascado en el escáner.</translation>
    </message>
    <message>
        <source>The scanner&apos;s cover is open.</source>
        <translation>La tapa del escáner está abierta.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>El escáner está ocupado.</translation>
    </message>
    <message>
        <source>The scanner cannot be reached: it may have been switched off or unplugged.</source>
        <translation>No se puede acceder al escáner: quizá se apagó o se desconectó.</translation>
    </message>
    <message>
        <source>The scanner ran out of memory.</source>
        <translation>El escáner se quedó sin memoria.</translation>
    </message>
    <message>
        <source>Access to the scanner was denied.</source>
        <translation>Se denegó el acceso al escáner.</translation>
    </message>
    <message>
        <source>The scanner reported an error: %1</source>
        <translation>El escáner informó de un error: %1</translation>
    </message>
</context>
<context>
    <name>CScanCommands</name>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, and that SANE knows it (scanimage -L).</source>
        <translation>No se encontró ningún escáner. Compruebe que está conectado y encendido y que SANE lo reconoce (scanimage -L).</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>No se pudo abrir el escáner «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CScanDlg</name>
    <message>
        <source>Scan</source>
        <translation>Escanear</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Escáner:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Resolución:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>Drag on the preview to scan only a part.</source>
        <translation>Arrastre sobre la vista previa para escanear solo una parte.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Escanear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Previewing...</source>
        <translation>Creando vista previa...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Escaneando...</translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation>Se canceló el escaneo.</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>No hay ningún documento en el escáner.</translation>
    </message>
    <message>
        <source>The scan failed.</source>
        <translation>El escaneo falló.</translation>
    </message>
</context>
<context>
    <name>CScanFrameAssembler</name>
    <message>
        <source>The scanner started a new frame before ending the last one.</source>
        <translation>El escáner empezó un fotograma nuevo antes de terminar el anterior.</translation>
    </message>
    <message>
        <source>There is not enough memory for the scanned picture.</source>
        <translation>No hay memoria suficiente para la imagen escaneada.</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>El escáner envía imágenes en un formato que este programa no sabe leer.</translation>
    </message>
    <message>
        <source>The scanner reported an impossible picture size.</source>
        <translation>El escáner indicó un tamaño de imagen imposible.</translation>
    </message>
    <message>
        <source>The scanner reported a line length that does not match its picture width.</source>
        <translation>El escáner indicó una longitud de línea que no coincide con el ancho de la imagen.</translation>
    </message>
    <message>
        <source>The scanned picture would be too large.</source>
        <translation>La imagen escaneada sería demasiado grande.</translation>
    </message>
    <message>
        <source>The scanner sent more lines than it announced.</source>
        <translation>El escáner envió más líneas de las anunciadas.</translation>
    </message>
    <message>
        <source>The scanner&apos;s colour frames do not fit together.</source>
        <translation>Los fotogramas de color del escáner no encajan.</translation>
    </message>
    <message>
        <source>The scanner sent data outside a frame.</source>
        <translation>El escáner envió datos fuera de un fotograma.</translation>
    </message>
    <message>
        <source>The scanner ended a frame it never started.</source>
        <translation>El escáner terminó un fotograma que nunca empezó.</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>El escáner no envió ninguna imagen.</translation>
    </message>
</context>
<context>
    <name>CScanSession</name>
    <message>
        <source>The scanner library could not be started: %1</source>
        <translation>No se pudo iniciar la biblioteca del escáner: %1</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>No se encontró ningún escáner.</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>No se pudo abrir el escáner «%1»: %2</translation>
    </message>
    <message>
        <source>The scanner is not open.</source>
        <translation>El escáner no está abierto.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. It was left as it is: switch it off and on again before the next scan.</source>
        <translation>El escáner dejó de responder. Se ha dejado tal como está: apáguelo y vuelva a encenderlo antes del próximo escaneo.</translation>
    </message>
</context>
<context>
    <name>CScanSourceDlg</name>
    <message>
        <source>Select Source</source>
        <translation>Seleccionar origen</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Escáner</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
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
        <translation>Arrastre para girar; arrastre el tirador central para mover</translation>
    </message>
</context>
<context>
    <name>CSettingsCommands</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>No se pudo guardar la configuración en %1.</translation>
    </message>
</context>
<context>
    <name>CStarterLibrary</name>
    <message>
        <source>Hexagon</source>
        <translation>Hexágono</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Óvalo</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondo</translation>
    </message>
    <message>
        <source>Rounded rectangle</source>
        <translation>Rectángulo redondeado</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Escudo</translation>
    </message>
    <message>
        <source>Tag with hole</source>
        <translation>Etiqueta con agujero</translation>
    </message>
    <message>
        <source>Beaded</source>
        <translation>Perlado</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Discontinuo</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Punteado</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Ornamental corners</source>
        <translation>Esquinas ornamentales</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Redondeado</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <source>Thick and thin</source>
        <translation>Grueso y fino</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Check mark</source>
        <translation>Marca de verificación</translation>
    </message>
    <message>
        <source>Cross mark</source>
        <translation>Aspa</translation>
    </message>
    <message>
        <source>First aid</source>
        <translation>Primeros auxilios</translation>
    </message>
    <message>
        <source>Gear</source>
        <translation>Engranaje</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>High voltage</source>
        <translation>Alta tensión</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <translation>Prohibido</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>Flecha de giro</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>CStartupLogoWnd</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>CStatusTexts</name>
    <message>
        <source>inch</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
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
        <translation>Marco</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Reflesh	F5</source>
        <translation>Ac&amp;tualizar	F5</translation>
    </message>
    <message>
        <source>Rena&amp;me	F2</source>
        <translation>Cambiar &amp;nombre	F2</translation>
    </message>
    <message>
        <source>&amp;Delete	Delete</source>
        <translation>&amp;Eliminar	Supr</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Leyendo la biblioteca...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for good? It cannot be brought back from the trash.</source>
        <translation>¿Eliminar «%1» definitivamente? No se podrá recuperar de la papelera.</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Archivo...</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Escanear...</translation>
    </message>
</context>
<context>
    <name>CTextBlockDlg</name>
    <message>
        <source>Text Block</source>
        <translation>Bloque de texto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>A&amp;lto</translation>
    </message>
    <message>
        <source>Background Margin</source>
        <translation>Margen del fondo</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>Hori&amp;zontal</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>&amp;Rellenar fondo</translation>
    </message>
    <message>
        <source>&amp;Draw Edge</source>
        <translation>&amp;Dibujar borde</translation>
    </message>
    <message>
        <source>Thic&amp;k Edge</source>
        <translation>Borde &amp;grueso</translation>
    </message>
    <message>
        <source>&amp;Anti-aliasing</source>
        <translation>S&amp;uavizado</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>Color de &amp;fondo</translation>
    </message>
    <message>
        <source>Ed&amp;ge Color</source>
        <translation>Color del &amp;borde</translation>
    </message>
    <message>
        <source>Vertica&amp;l</source>
        <translation>V&amp;ertical</translation>
    </message>
</context>
<context>
    <name>CTextCharSet</name>
    <message>
        <source>This text cannot be stored: no one character set holds all of it. Remove these characters or put them in a text of their own: %1</source>
        <translation>Este texto no se puede guardar: ningún juego de caracteres lo contiene entero. Quite estos caracteres o póngalos en un texto aparte: %1</translation>
    </message>
</context>
<context>
    <name>CTextDlg</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
</context>
<context>
    <name>CTextPropDlg</name>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>A&amp;lto</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotación</translation>
    </message>
    <message>
        <source>&amp;Rotate Text</source>
        <translation>&amp;Girar texto</translation>
    </message>
    <message>
        <source>Rotation &amp;Angle</source>
        <translation>Ángul&amp;o de rotación</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>&amp;Rellenar fondo</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>Color de &amp;fondo</translation>
    </message>
</context>
<context>
    <name>CTrimmingDlg</name>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>&amp;Mantener proporción</translation>
    </message>
    <message>
        <source>Trimming Picture</source>
        <translation>Recortar imagen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>&amp;Same size</source>
        <translation>M&amp;ismo tamaño</translation>
    </message>
    <message>
        <source>&amp;Free</source>
        <translation>Li&amp;bre</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>Tamaño (pulgadas)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Tamaño (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>An&amp;cho</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>A&amp;lto</translation>
    </message>
</context>
<context>
    <name>CUnitFormat</name>
    <message>
        <source>inch</source>
        <translation>pulgadas</translation>
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
        <translation>Posición: -000.000, -000.000 pulgadas</translation>
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
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crea un documento nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abre un documento existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guarda el documento activo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Guarda el documento activo con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>Importar imagen</translation>
    </message>
    <message>
        <source>Se&amp;lect Source...</source>
        <translation>&amp;Seleccionar origen...</translation>
    </message>
    <message>
        <source>Select TWAIN data source</source>
        <translation>Selecciona el origen de datos TWAIN</translation>
    </message>
    <message>
        <source>A&amp;cquire...</source>
        <translation>Ad&amp;quirir...</translation>
    </message>
    <message>
        <source>Acquire image</source>
        <translation>Adquiere una imagen</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Archivo...</translation>
    </message>
    <message>
        <source>Add a material to the library from a picture file</source>
        <translation>Añade a la biblioteca un material desde un archivo de imagen</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Escanear...</translation>
    </message>
    <message>
        <source>Add a material to the library from the scanner</source>
        <translation>Añade a la biblioteca un material desde el escáner</translation>
    </message>
    <message>
        <source>&amp;Material Setup...</source>
        <translation>Configurar &amp;material...</translation>
    </message>
    <message>
        <source>Set the size and outline of the material</source>
        <translation>Fija el tamaño y el contorno del material</translation>
    </message>
    <message>
        <source>Output to &amp;Bmp file...</source>
        <translation>Exportar a archivo &amp;Bmp...</translation>
    </message>
    <message>
        <source>Output to Bmp file</source>
        <translation>Exportar a archivo Bmp</translation>
    </message>
    <message>
        <source>Output to Clipboard</source>
        <translation>Exportar al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Imp&amp;rimir...</translation>
    </message>
    <message>
        <source>Engrave the layout</source>
        <translation>Graba el diseño</translation>
    </message>
    <message>
        <source>Print &amp;Directly</source>
        <translation>Imprimir &amp;directamente</translation>
    </message>
    <message>
        <source>Engrave the layout on the chosen engraver without asking</source>
        <translation>Graba el diseño en el grabador elegido sin preguntar</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Preview the engraved plate</source>
        <translation>Muestra la vista previa de la placa grabada</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Config&amp;urar impresión...</translation>
    </message>
    <message>
        <source>Choose the engraver and its options</source>
        <translation>Elige el grabador y sus opciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Sale de la aplicación; pregunta si guardar los documentos</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshace la última acción</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Rehace la acción deshecha</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Corta la selección y la pone en el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copia la selección y la pone en el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inserta el contenido del portapapeles</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the selection</source>
        <translation>Elimina la selección</translation>
    </message>
    <message>
        <source>&amp;Move Center</source>
        <translation>&amp;Mover al centro</translation>
    </message>
    <message>
        <source>Move the selection to the centre of the material</source>
        <translation>Mueve la selección al centro del material</translation>
    </message>
    <message>
        <source>Edit the properties of the selection</source>
        <translation>Edita las propiedades de la selección</translation>
    </message>
    <message>
        <source>Pre&amp;ferences...</source>
        <translation>Pre&amp;ferencias...</translation>
    </message>
    <message>
        <source>Change the program&apos;s settings</source>
        <translation>Cambia la configuración del programa</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Muestra u oculta la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Extended Toolbar</source>
        <translation>Barra de herramientas &amp;extendida</translation>
    </message>
    <message>
        <source>Show or hide the extended toolbar</source>
        <translation>Muestra u oculta la barra de herramientas extendida</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de es&amp;tado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Muestra u oculta la barra de estado</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acerca la vista</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ale&amp;jar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Aleja la vista</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>Ajustar a la &amp;pantalla</translation>
    </message>
    <message>
        <source>Show the whole material</source>
        <translation>Muestra todo el material</translation>
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
        <translation>Mostrar cuadrícu&amp;la</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>Muestra u oculta la cuadrícula</translation>
    </message>
    <message>
        <source>Grid Set&amp;up...</source>
        <translation>Config&amp;urar cuadrícula...</translation>
    </message>
    <message>
        <source>Set the grid pitch and colours</source>
        <translation>Fija el paso y los colores de la cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Layer...</source>
        <translation>&amp;Capa...</translation>
    </message>
    <message>
        <source>Show or hide layer window</source>
        <translation>Muestra u oculta la ventana de capas</translation>
    </message>
    <message>
        <source>In&amp;vert</source>
        <translation>In&amp;vertir</translation>
    </message>
    <message>
        <source>Invert the engraved and the bare parts</source>
        <translation>Invierte las partes grabadas y las desnudas</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>Select Object</source>
        <translation>Seleccionar objeto</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Acerca o aleja la vista</translation>
    </message>
    <message>
        <source>Scro&amp;ll</source>
        <translation>&amp;Desplazar</translation>
    </message>
    <message>
        <source>Scroll the screen</source>
        <translation>Desplaza la pantalla</translation>
    </message>
    <message>
        <source>Text &amp;Block</source>
        <translation>&amp;Bloque de texto</translation>
    </message>
    <message>
        <source>Insert Text Block</source>
        <translation>Inserta un bloque de texto</translation>
    </message>
    <message>
        <source>Drawing &amp;Pen</source>
        <translation>&amp;Lápiz de dibujo</translation>
    </message>
    <message>
        <source>Drawing Pen</source>
        <translation>Lápiz de dibujo</translation>
    </message>
    <message>
        <source>&amp;Fill Paint</source>
        <translation>&amp;Relleno</translation>
    </message>
    <message>
        <source>Fill Paint</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>&amp;Horizontal Text</source>
        <translation>Texto &amp;horizontal</translation>
    </message>
    <message>
        <source>Insert Horizontal Text</source>
        <translation>Inserta un texto horizontal</translation>
    </message>
    <message>
        <source>F&amp;an Text</source>
        <translation>Texto en &amp;abanico</translation>
    </message>
    <message>
        <source>Insert Fan Text</source>
        <translation>Inserta un texto en abanico</translation>
    </message>
    <message>
        <source>Text Tools</source>
        <translation>Herramientas de texto</translation>
    </message>
    <message>
        <source>Insert horizontal or fan text</source>
        <translation>Inserta un texto horizontal o en abanico</translation>
    </message>
    <message>
        <source>Pen Set&amp;up...</source>
        <translation>Config&amp;urar lápiz...</translation>
    </message>
    <message>
        <source>Set the width and colour of the drawing pen</source>
        <translation>Fija el ancho y el color del lápiz de dibujo</translation>
    </message>
    <message>
        <source>&amp;Material...</source>
        <translation>&amp;Material...</translation>
    </message>
    <message>
        <source>Insert a material from the library</source>
        <translation>Inserta un material de la biblioteca</translation>
    </message>
    <message>
        <source>&amp;Frame...</source>
        <translation>Ma&amp;rco...</translation>
    </message>
    <message>
        <source>Insert a frame from the library</source>
        <translation>Inserta un marco de la biblioteca</translation>
    </message>
    <message>
        <source>&amp;Symbol...</source>
        <translation>&amp;Símbolo...</translation>
    </message>
    <message>
        <source>Insert a symbol from the library</source>
        <translation>Inserta un símbolo de la biblioteca</translation>
    </message>
    <message>
        <source>Add a frame to the library</source>
        <translation>Añade un marco a la biblioteca</translation>
    </message>
    <message>
        <source>Add a symbol to the library</source>
        <translation>Añade un símbolo a la biblioteca</translation>
    </message>
    <message>
        <source>&amp;Trimming...</source>
        <translation>Re&amp;cortar...</translation>
    </message>
    <message>
        <source>Trim the picture to a rectangle</source>
        <translation>Recorta la imagen a un rectángulo</translation>
    </message>
    <message>
        <source>Crop &amp;Image...</source>
        <translation>&amp;Transparentar imagen...</translation>
    </message>
    <message>
        <source>Make parts of the picture transparent</source>
        <translation>Vuelve transparentes partes de la imagen</translation>
    </message>
    <message>
        <source>R&amp;otate Image...</source>
        <translation>&amp;Girar imagen...</translation>
    </message>
    <message>
        <source>Turn the picture by quarter turns</source>
        <translation>Gira la imagen en cuartos de vuelta</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Abre el manual</translation>
    </message>
    <message>
        <source>&amp;About Veldra2...</source>
        <translation>&amp;Acerca de Veldra2...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Muestra información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>O&amp;utput to Clipboard</source>
        <translation>Exportar al &amp;portapapeles</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>Prop&amp;iedades...</translation>
    </message>
    <message>
        <source>&amp;Data Source...</source>
        <translation>Origen &amp;de datos...</translation>
    </message>
    <message>
        <source>Choose the data file whose records fill the layout&apos;s fields</source>
        <translation>Elige el archivo de datos cuyos registros rellenan los campos del diseño</translation>
    </message>
    <message>
        <source>Print Batc&amp;h...</source>
        <translation>Imprimir seri&amp;e...</translation>
    </message>
    <message>
        <source>Engrave one plate per record</source>
        <translation>Graba una placa por registro</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Primer registro</translation>
    </message>
    <message>
        <source>Show the first record</source>
        <translation>Muestra el primer registro</translation>
    </message>
    <message>
        <source>Previous Record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Show the previous record</source>
        <translation>Muestra el registro anterior</translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation>Registro siguiente</translation>
    </message>
    <message>
        <source>Show the next record</source>
        <translation>Muestra el registro siguiente</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Show the last record</source>
        <translation>Muestra el último registro</translation>
    </message>
    <message>
        <source>&amp;Code...</source>
        <translation>&amp;Código...</translation>
    </message>
    <message>
        <source>Insert a Data Matrix, QR or Code 128 code</source>
        <translation>Insertar un código Data Matrix, QR o Code 128</translation>
    </message>
</context>
<context>
    <name>DialogSupport</name>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambiar...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>F&amp;ont Color</source>
        <translation>Color de fue&amp;nte</translation>
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
