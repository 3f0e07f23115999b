<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>BulkEdit</name>
    <message>
        <source>Está seguro de chequear todas las casillas de verificación.</source>
        <translation>Are you sure you want to tick every check box?</translation>
    </message>
    <message>
        <source>Está seguro de querer dejar a cero (0) todas las casillas de texto.</source>
        <translation>Are you sure you want to set every text box to zero (0)?</translation>
    </message>
</context>
<context>
    <name>CodeSymbols</name>
    <message>
        <source>sin memoria</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>código vacío</source>
        <translation>empty code</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Muestra la versión del programa.</source>
        <translation>Shows the version of the program.</translation>
    </message>
    <message>
        <source>Imprime el trabajo del archivo sin mostrar ninguna ventana.</source>
        <translation>Prints the job in the file without showing any window.</translation>
    </message>
    <message>
        <source>archivo.trv</source>
        <translation>file.trv</translation>
    </message>
    <message>
        <source>Imprime en esa cola de CUPS en lugar de la impresora predeterminada.</source>
        <translation>Prints on that CUPS queue instead of the default printer.</translation>
    </message>
    <message>
        <source>nombre</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Escribe la impresión en ese archivo PDF (un archivo que ya exista se sustituye y conserva sus permisos).</source>
        <translation>Writes the print into that PDF file (an existing file is replaced and keeps its permissions).</translation>
    </message>
    <message>
        <source>archivo.pdf</source>
        <translation>file.pdf</translation>
    </message>
    <message>
        <source>Imprime solo las hojas J a K de la impresión (contadas desde 1, con los juegos), por ejemplo 4322-10000.</source>
        <translation>Prints only sheets J to K of the run (counted from 1, sets included), for example 4322-10000.</translation>
    </message>
    <message>
        <source>Imprime aunque la página de la plantilla sea mayor que el papel (lo que no cabe no se imprime).</source>
        <translation>Prints even if the template page is larger than the paper (what does not fit is not printed).</translation>
    </message>
    <message>
        <source>Tessarino numera hojas impresas. Sin opciones abre la ventana (con un trabajo si se le nombra).</source>
        <translation>Tessarino numbers printed sheets. Without options it opens the window (with a job if one is named).</translation>
    </message>
</context>
<context>
    <name>CommandLinePrint</name>
    <message>
        <source>No se encuentra el archivo %1.</source>
        <translation>The file %1 cannot be found.</translation>
    </message>
    <message>
        <source>No se puede abrir el archivo %1: %2</source>
        <translation>The file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>No se pudo anotar la impresión en el registro %1: %2</source>
        <translation>The run could not be written to the print log %1: %2</translation>
    </message>
    <message>
        <source> Para seguir: </source>
        <translation> To continue: </translation>
    </message>
    <message>
        <source>No se ha impreso nada. Con --fit-anyway se imprime aunque la página de la plantilla no quepa en el papel.</source>
        <translation>Nothing has been printed. With --fit-anyway it prints even if the template page does not fit on the paper.</translation>
    </message>
    <message>
        <source>Impreso en %1</source>
        <translation>Printed to %1</translation>
    </message>
    <message>
        <source>No se puede escribir en la carpeta %1: %2.</source>
        <translation>Cannot write to the folder %1: %2.</translation>
    </message>
    <message>
        <source>El archivo %1 queda como estaba.</source>
        <translation>The file %1 is left as it was.</translation>
    </message>
    <message>
        <source>No se puede guardar el archivo PDF %1: %2.</source>
        <translation>The PDF file %1 cannot be saved: %2.</translation>
    </message>
    <message>
        <source>no se puede usar %1: %2.</source>
        <translation>%1 cannot be used: %2.</translation>
    </message>
    <message>
        <source>%1 es un enlace a un archivo que no existe.</source>
        <translation>%1 is a link to a file that does not exist.</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal; no se sustituye.</source>
        <translation>%1 is not a regular file; it is not replaced.</translation>
    </message>
    <message>
        <source>el trabajo</source>
        <translation>the job</translation>
    </message>
    <message>
        <source>la plantilla del trabajo</source>
        <translation>the job&apos;s template</translation>
    </message>
    <message>
        <source>el archivo de configuración</source>
        <translation>the settings file</translation>
    </message>
    <message>
        <source>el registro de impresiones</source>
        <translation>the print log</translation>
    </message>
    <message>
        <source>--output %1 es %2 (%3); no se sustituye.</source>
        <translation>--output %1 is %2 (%3); it is not replaced.</translation>
    </message>
    <message>
        <source>Pruebe «tessarino --help».</source>
        <translation>Try &quot;tessarino --help&quot;.</translation>
    </message>
    <message>
        <source>Falta el valor de %1.</source>
        <translation>Missing value for %1.</translation>
    </message>
    <message>
        <source>Opción desconocida «%1».</source>
        <translation>Unknown option &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>La opción --%1 se ha dado más de una vez.</source>
        <translation>The option --%1 was given more than once.</translation>
    </message>
    <message>
        <source>--%1 no puede estar vacío.</source>
        <translation>--%1 cannot be empty.</translation>
    </message>
    <message>
        <source>Falta --print con el archivo del trabajo.</source>
        <translation>Missing --print with the job&apos;s file.</translation>
    </message>
    <message>
        <source>Argumento inesperado: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--printer y --output no pueden usarse juntos.</source>
        <translation>--printer and --output cannot be used together.</translation>
    </message>
    <message>
        <source>--sheets y --tickets no pueden usarse juntos.</source>
        <translation>--sheets and --tickets cannot be used together.</translation>
    </message>
    <message>
        <source>No existe la impresora &quot;%1&quot;.</source>
        <translation>There is no printer &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Interrumpido antes de empezar: no se ha impreso nada.</source>
        <translation>Interrupted before starting: nothing has been printed.</translation>
    </message>
</context>
<context>
    <name>CommandLineShop</name>
    <message>
        <source>Imprime solo esos boletos, cada uno en el lugar que tenía en su hoja, por ejemplo 0457,2310,3001-3004 (para reponer boletos estropeados).</source>
        <translation>Prints only those tickets, each at the place it had on its sheet, for example 0457,2310,3001-3004 (to replace damaged tickets).</translation>
    </message>
    <message>
        <source>lista</source>
        <translation>list</translation>
    </message>
</context>
<context>
    <name>DatePicker</name>
    <message>
        <source>Elegir el día en un calendario</source>
        <translation>Pick the day from a calendar</translation>
    </message>
</context>
<context>
    <name>ErrorReason</name>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>se ha superado la cuota de disco</source>
        <translation>the disk quota has been exceeded</translation>
    </message>
    <message>
        <source>el archivo supera el tamaño máximo permitido</source>
        <translation>the file exceeds the largest size allowed</translation>
    </message>
    <message>
        <source>error de entrada/salida del disco</source>
        <translation>the disk reported an input/output error</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>no hay permiso para hacerlo</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>el archivo o la carpeta no existe</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>ya existe un archivo con ese nombre</source>
        <translation>a file with that name already exists</translation>
    </message>
    <message>
        <source>no es un archivo normal (es una tubería, un dispositivo o un socket)</source>
        <translation>it is not a regular file (it is a pipe, a device or a socket)</translation>
    </message>
    <message>
        <source>el archivo es de solo lectura</source>
        <translation>the file is read-only</translation>
    </message>
</context>
<context>
    <name>FontSettings</name>
    <message>
        <source>No se encuentra la fuente (%1) utilizada por este archivo, la misma se sustituirá por %2</source>
        <translation>The font (%1) used by this file cannot be found; it will be replaced by %2</translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>El valor introducido no está dentro del rango imprimible de la hoja. El máximo permitido deberá ser (%1) aproximadamente dependiendo de la cantidad de números a imprimir y el tamaño de fuente. ¡El valor en el campo %2 será ajustado automaticamente!</source>
        <translation>The value entered is not within the printable area of the sheet. The maximum allowed is about (%1), depending on the quantity of numbers to print and the font size. The value in the field %2 will be adjusted automatically!</translation>
    </message>
    <message>
        <source>La cantidad de números a imprimir no coincide con la con la cantidad de la primera fila! El valor se ajustará automaticamente cuando presione aceptar.</source>
        <translation>The quantity of numbers to print does not match the quantity of the first row! The value will be adjusted automatically when you press OK.</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>El lenguage que intenta cargar no está disponible en esta version del producto, pongase en contacto con su proveedor para actualizar el mismo.(soporte@vireoytrazo.example)</source>
        <translation>The language you are trying to load is not available in this version of the product, please contact your supplier to update it.(soporte@vireoytrazo.example)</translation>
    </message>
</context>
<context>
    <name>JobDocument</name>
    <message>
        <source>Nuevo %1</source>
        <translation>New %1</translation>
    </message>
    <message>
        <source>Desea guardar los cambios en el archivo %1</source>
        <translation>Do you want to save the changes to the file %1</translation>
    </message>
    <message>
        <source>Archivos de texto(*.trv)|*.trv</source>
        <translation>Text files (*.trv)|*.trv</translation>
    </message>
    <message>
        <source>Información</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No se puede abrir el archivo %1: %2</source>
        <translation>The file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>El archivo %1 no indica si guarda un trabajo de mismo número o de distinto número; se abre como trabajo de mismo número.</source>
        <translation>The file %1 does not say whether it holds a same-number or a different-number job; it opens as a same-number job.</translation>
    </message>
    <message>
        <source>Seleccione el archivo destino </source>
        <translation>Select the destination file</translation>
    </message>
    <message>
        <source>Archivos de tessarino (Trv)|*.trv</source>
        <translation>Tessarino files (Trv)|*.trv</translation>
    </message>
    <message>
        <source>el documento no tiene nombre.</source>
        <translation>the document has no name.</translation>
    </message>
    <message>
        <source>los campos Desde y Hasta deben ser números.</source>
        <translation>the From and Until boxes must hold numbers.</translation>
    </message>
    <message>
        <source>No se pudo guardar el trabajo en el archivo %1: %2
El archivo queda como estaba.</source>
        <translation>The job could not be saved in the file %1: %2
The file is left as it was.</translation>
    </message>
    <message>
        <source>Creado el: %1 a las: %2</source>
        <translation>Created on: %1 at: %2</translation>
    </message>
    <message>
        <source>Fecha y hora de creación desconocido</source>
        <translation>Date and time of creation unknown</translation>
    </message>
    <message>
        <source>El archivo solicitado no se encuentra, se le ha cambiado el nombre o se ha eliminado. Pruebe lo siguiente use el comando abrir para buscarlo.</source>
        <translation>The requested file cannot be found: it has been renamed or deleted. Try this: use the Open command to look for it.</translation>
    </message>
</context>
<context>
    <name>JobFile</name>
    <message>
        <source>no se puede leer (%1).</source>
        <translation>it cannot be read (%1).</translation>
    </message>
    <message>
        <source>es demasiado grande para ser un trabajo de Tessarino.</source>
        <translation>it is too large to be a Tessarino job.</translation>
    </message>
    <message>
        <source>no es un archivo de texto.</source>
        <translation>it is not a text file.</translation>
    </message>
    <message>
        <source>no contiene ningún trabajo de Tessarino.</source>
        <translation>it holds no Tessarino job.</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>el documento no tiene nombre.</source>
        <translation>the document has no name.</translation>
    </message>
    <message>
        <source>No se pudo guardar la nota en el archivo %1: %2
La nota sigue en el editor: cópiela o vuelva a intentarlo. Para cerrar sin guardarla, borre el texto.</source>
        <translation>The note could not be saved in the file %1: %2
The note is still in the editor: copy it or try again. To close without saving it, delete the text.</translation>
    </message>
    <message>
        <source>No se pudo borrar la nota del archivo %1: %2</source>
        <translation>The note could not be deleted from the file %1: %2</translation>
    </message>
    <message>
        <source>Está seguro de querer eliminar el comentario de este archivo?</source>
        <translation>Are you sure you want to delete the note of this file?</translation>
    </message>
</context>
<context>
    <name>PdfOutputFile</name>
    <message>
        <source>el disco guardó %1 de %2 bytes</source>
        <translation>the disk stored %1 of %2 bytes</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>El archivo no indica si guarda un trabajo de mismo número o de distinto número; se imprime como trabajo de mismo número.</source>
        <translation>The file does not say whether it holds a same number or a distinct number job; it is printed as a same number job.</translation>
    </message>
</context>
<context>
    <name>PrinterLimits</name>
    <message>
        <source>La %1 del papel debe estar entre %2 y %3 twips.</source>
        <translation>The paper %1 must be between %2 and %3 twips.</translation>
    </message>
    <message>
        <source>anchura</source>
        <translation>width</translation>
    </message>
    <message>
        <source>altura</source>
        <translation>height</translation>
    </message>
    <message>
        <source>El número de copias debe estar entre 1 y %1.</source>
        <translation>The number of copies must be between 1 and %1.</translation>
    </message>
    <message>
        <source>La calidad debe ser -1 (borrador) a -4 (alta) o una resolución de 1 a %1 ppp.</source>
        <translation>The quality must be -1 (draft) to -4 (high) or a resolution of 1 to %1 dpi.</translation>
    </message>
    <message>
        <source>El zoom debe estar entre 1 y %1 por ciento.</source>
        <translation>The zoom must be between 1 and %1 percent.</translation>
    </message>
    <message>
        <source>El modo de color debe ser 1 (monocromo) o 2 (color).</source>
        <translation>The color mode must be 1 (monochrome) or 2 (color).</translation>
    </message>
    <message>
        <source>El tamaño de papel %1 no existe.</source>
        <translation>The paper size %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>El margen izquierdo</source>
        <translation>The left margin</translation>
    </message>
    <message>
        <source>El margen superior</source>
        <translation>The top margin</translation>
    </message>
    <message>
        <source>La anchura de escala</source>
        <translation>The scale width</translation>
    </message>
    <message>
        <source>La altura de escala</source>
        <translation>The scale height</translation>
    </message>
    <message>
        <source>%1 está fuera del rango admitido (hasta 1000000000).</source>
        <translation>%1 is outside the range allowed (up to 1000000000).</translation>
    </message>
    <message>
        <source>%1 debe ser mayor que 0.</source>
        <translation>%1 must be greater than 0.</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>el nombre de sección o de clave &quot;%1&quot; no es válido</source>
        <translation>the section or key name &quot;%1&quot; is not valid</translation>
    </message>
    <message>
        <source>no se puede crear la carpeta %1</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>otro programa está modificando el archivo</source>
        <translation>another program is changing the file</translation>
    </message>
    <message>
        <source>no se puede leer el archivo existente</source>
        <translation>the existing file cannot be read</translation>
    </message>
    <message>
        <source>el archivo no se escribió completo</source>
        <translation>the file was not written completely</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>QtPrinterSurface</name>
    <message>
        <source>La impresora no admite esa orientación de página.</source>
        <translation>The printer does not support that page orientation.</translation>
    </message>
    <message>
        <source>No se puede imprimir en &quot;%1&quot;.</source>
        <translation>Cannot print on &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No se puede crear el archivo PDF &quot;%1&quot;: %2.</source>
        <translation>The PDF file &quot;%1&quot; cannot be created: %2.</translation>
    </message>
    <message>
        <source>No se puede crear el archivo PDF &quot;%1&quot;.</source>
        <translation>The PDF file &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo PDF &quot;%1&quot;: %2. El archivo incompleto se ha borrado.</source>
        <translation>The PDF file &quot;%1&quot; could not be saved: %2. The incomplete file has been deleted.</translation>
    </message>
    <message>
        <source>error al escribir la hoja</source>
        <translation>error while writing the sheet</translation>
    </message>
    <message>
        <source>La impresora no pudo empezar una hoja nueva.</source>
        <translation>The printer could not start a new sheet.</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; %2: el documento no se imprimió.</source>
        <translation>The printer &quot;%1&quot; %2: the document was not printed.</translation>
    </message>
    <message>
        <source>%1 (parte 1 de %2)</source>
        <translation>%1 (part 1 of %2)</translation>
    </message>
    <message>
        <source>%1 (parte %2 de %3)</source>
        <translation>%1 (part %2 of %3)</translation>
    </message>
    <message>
        <source>ya no está instalada en el sistema</source>
        <translation>is no longer installed on the system</translation>
    </message>
    <message>
        <source>no admitió un trabajo nuevo</source>
        <translation>did not accept a new job</translation>
    </message>
    <message>
        <source>no dice qué trabajo dio a la parte, y no se puede seguir</source>
        <translation>does not say which job it gave the part, and the run cannot go on</translation>
    </message>
    <message>
        <source>La impresora se detuvo: %1</source>
        <translation>The printer stopped: %1</translation>
    </message>
    <message>
        <source>se detuvo (%1)</source>
        <translation>stopped (%1)</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; %2.</source>
        <translation>The printer &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; %2: la parte %3 de %4 no se imprimió.</source>
        <translation>The printer &quot;%1&quot; %2: part %3 of %4 was not printed.</translation>
    </message>
    <message>
        <source>no pudo terminar el documento</source>
        <translation>could not finish the document</translation>
    </message>
    <message>
        <source>rechazó el trabajo (%1)</source>
        <translation>refused the job (%1)</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; ya no está instalada en el sistema: el documento no se imprimió. Elija otra impresora en Impresora &gt; Configurar.</source>
        <translation>The printer &quot;%1&quot; is no longer installed on the system: the document was not printed. Choose another printer in Printer &gt; Config.</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; no admite %2 (%3 x %4 mm).</source>
        <translation>The printer &quot;%1&quot; does not support %2 (%3 x %4 mm).</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; no admite %2.</source>
        <translation>The printer &quot;%1&quot; does not support %2.</translation>
    </message>
    <message>
        <source>esa anchura de papel</source>
        <translation>that paper width</translation>
    </message>
    <message>
        <source>esa altura de papel</source>
        <translation>that paper height</translation>
    </message>
    <message>
        <source>el papel %1</source>
        <translation>the paper %1</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; no imprime en color.</source>
        <translation>The printer &quot;%1&quot; does not print in color.</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; no imprime en monocromo.</source>
        <translation>The printer &quot;%1&quot; does not print in monochrome.</translation>
    </message>
    <message>
        <source>La calidad no se puede cambiar con un documento a medio imprimir.</source>
        <translation>The quality cannot be changed while a document is half printed.</translation>
    </message>
    <message>
        <source>La impresora &quot;%1&quot; no admite %2 ppp (admite %3).</source>
        <translation>The printer &quot;%1&quot; does not support %2 dpi (it supports %3).</translation>
    </message>
</context>
<context>
    <name>RangeNumber</name>
    <message>
        <source>El número %1 es demasiado grande para imprimirse con exactitud. El mayor número admitido es 9007199254740992.</source>
        <translation>The number %1 is too large to be printed exactly. The largest number allowed is 9007199254740992.</translation>
    </message>
    <message>
        <source>El número %1 tiene demasiados decimales para imprimirse con exactitud.</source>
        <translation>The number %1 has too many decimals to be printed exactly.</translation>
    </message>
</context>
<context>
    <name>RecordingSurface</name>
    <message>
        <source>Problema al obtener la información de impresora del sistema. Asegúrese de que la impresora está configurada correctamente.</source>
        <translation>Problem getting the system&apos;s printer information. Make sure the printer is set up correctly.</translation>
    </message>
    <message>
        <source>La impresora no admite ese valor de %1.</source>
        <translation>The printer does not support that value of %1.</translation>
    </message>
</context>
<context>
    <name>ResourceLibrary</name>
    <message>
        <source>No se puede crear el objeto: </source>
        <translation>Cannot create the object: </translation>
    </message>
    <message>
        <source>%1 no es una biblioteca que se pueda cargar</source>
        <translation>%1 is not a library that can be loaded</translation>
    </message>
    <message>
        <source>%1 está incompleta o dañada</source>
        <translation>%1 is incomplete or damaged</translation>
    </message>
    <message>
        <source>%1 no se puede leer: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 no ofrece la clase Clase</source>
        <translation>%1 does not offer the class Clase</translation>
    </message>
    <message>
        <source>no se encontró %1</source>
        <translation>%1 was not found</translation>
    </message>
    <message>
        <source>No se encontró el recurso con el identificador &apos;%1&apos;</source>
        <translation>The resource with the identifier &apos;%1&apos; was not found</translation>
    </message>
    <message>
        <source>Error de automatización</source>
        <translation>Automation error</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>Están todas las casillas desactivadas! No hay nada para imprimir.</source>
        <translation>All the boxes are switched off! There is nothing to print.</translation>
    </message>
    <message>
        <source>El campo (desde) debe tener la misma cantidad de dígitos que el campo (hasta). Por ejemplo si intenta imprimir desde el 0 hasta el 1000, ponga (desde=0000) y (hasta=1000).</source>
        <translation>The (from) field must have as many digits as the (to) field. For example, to print from 0 to 1000, enter (from=0000) and (to=1000).</translation>
    </message>
    <message>
        <source>Tamaño de fuente no válida</source>
        <translation>Invalid font size</translation>
    </message>
    <message>
        <source>Debe ingresar un valor numérico!</source>
        <translation>You must enter a numeric value!</translation>
    </message>
    <message>
        <source>Impresión cancelada. La última hoja impresa lleva el número %1; para seguir, imprima desde el número siguiente.</source>
        <translation>Printing cancelled. The last sheet printed carries the number %1; to continue, print from the next number.</translation>
    </message>
    <message>
        <source>Impresión cancelada. La impresora no terminó ninguna hoja; para seguir, imprima desde el principio.</source>
        <translation>Printing cancelled. The printer finished no sheet; to continue, print from the beginning.</translation>
    </message>
    <message>
        <source> Ninguna hoja llegó a salir de la impresora.</source>
        <translation> No sheet came out of the printer.</translation>
    </message>
    <message>
        <source> La última hoja que la impresora terminó lleva el número %1.</source>
        <translation> The last sheet the printer finished carries the number %1.</translation>
    </message>
    <message>
        <source> Hay que volver a imprimir desde la hoja %1 (número %2).</source>
        <translation> Print again from sheet %1 (number %2).</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Llamada a procedimiento o argumento no válidos</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Desbordamiento</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>No coinciden los tipos</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>El valor de la propiedad no es válido</source>
        <translation>Invalid property value</translation>
    </message>
</context>
<context>
    <name>SplashPicture</name>
    <message>
        <source>Programa para numerar hojas.</source>
        <translation>A program for numbering sheets.</translation>
    </message>
</context>
<context>
    <name>SpooledParts</name>
    <message>
        <source>la parte %1 de %2</source>
        <translation>part %1 of %2</translation>
    </message>
    <message>
        <source>ya no está instalada en el sistema</source>
        <translation>is no longer installed on the system</translation>
    </message>
    <message>
        <source>no terminó %1 (%2)</source>
        <translation>did not finish %1 (%2)</translation>
    </message>
    <message>
        <source>abortada</source>
        <translation>aborted</translation>
    </message>
    <message>
        <source>cancelada</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>trabajo retenido</source>
        <translation>job held</translation>
    </message>
    <message>
        <source>trabajo detenido</source>
        <translation>job stopped</translation>
    </message>
    <message>
        <source>perdió el rastro de un trabajo de la impresión</source>
        <translation>lost track of a job of the run</translation>
    </message>
    <message>
        <source>en pausa</source>
        <translation>paused</translation>
    </message>
</context>
<context>
    <name>SpoolerJobs</name>
    <message>
        <source>atasco de papel</source>
        <translation>paper jam</translation>
    </message>
    <message>
        <source>sin papel</source>
        <translation>out of paper</translation>
    </message>
    <message>
        <source>falta papel</source>
        <translation>paper needed</translation>
    </message>
    <message>
        <source>sin tóner</source>
        <translation>out of toner</translation>
    </message>
    <message>
        <source>sin tinta</source>
        <translation>out of ink</translation>
    </message>
    <message>
        <source>puerta abierta</source>
        <translation>door open</translation>
    </message>
    <message>
        <source>tapa abierta</source>
        <translation>cover open</translation>
    </message>
    <message>
        <source>fuera de línea</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>en pausa</source>
        <translation>paused</translation>
    </message>
    <message>
        <source>apagada</source>
        <translation>switched off</translation>
    </message>
    <message>
        <source>sin conexión con la impresora</source>
        <translation>no connection to the printer</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Ya se está ejecutando una versión de este programa</source>
        <translation>A copy of this program is already running</translation>
    </message>
    <message>
        <source>error desconocido</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>No se pudo abrir la ventana principal: %1</source>
        <translation>The main window could not be opened: %1</translation>
    </message>
    <message>
        <source>No se puede abrir el archivo %1: %2</source>
        <translation>Cannot open the file %1: %2</translation>
    </message>
</context>
<context>
    <name>StatusHelp</name>
    <message>
        <source> Imprimir los valores actuales</source>
        <translation> Print the current values</translation>
    </message>
    <message>
        <source> Dejar todo como está y cerrar el programa.</source>
        <translation> Leave everything as it is and close the program.</translation>
    </message>
    <message>
        <source> Restaurar a los valores originales</source>
        <translation> Restore the original values</translation>
    </message>
    <message>
        <source> Habilitar / desabilitar opción de imprimir</source>
        <translation> Enable / disable printing this number</translation>
    </message>
    <message>
        <source> Ingrese aquí el numero inicial a imprimir.</source>
        <translation> Enter the first number to print here.</translation>
    </message>
    <message>
        <source> Ingrese aquí el numero final a imprimir</source>
        <translation> Enter the last number to print here</translation>
    </message>
    <message>
        <source> Ingrese aquí el valor inicial a imprimir</source>
        <translation> Enter the first value to print here</translation>
    </message>
    <message>
        <source> Ingrese aquí el valor final a imprimir.</source>
        <translation> Enter the last value to print here.</translation>
    </message>
    <message>
        <source> Coordenada horizontal del número a imprimir</source>
        <translation> Horizontal position of the number to print</translation>
    </message>
    <message>
        <source> Coordenada vertical del número a imprimir</source>
        <translation> Vertical position of the number to print</translation>
    </message>
    <message>
        <source> Color de fuente actual. Doble click para cambiarlo</source>
        <translation> Current font colour. Double-click to change it</translation>
    </message>
    <message>
        <source> Tamaño de fuente actual.</source>
        <translation> Current font size.</translation>
    </message>
    <message>
        <source> Aquí aparecerá la ayuda sobre cada objeto.</source>
        <translation> Help on each control appears here.</translation>
    </message>
    <message>
        <source> Hora actual de su sistema</source>
        <translation> Current time of your system</translation>
    </message>
    <message>
        <source> Coordenada horizontal dónde se imprimirá el %1° número</source>
        <translation> Horizontal position where number %1 will print</translation>
    </message>
    <message>
        <source> Coordenada vertical dónde se imprimirá el %1° número</source>
        <translation> Vertical position where number %1 will print</translation>
    </message>
    <message>
        <source> Contraer opciones avanzadas</source>
        <translation> Hide advanced options</translation>
    </message>
    <message>
        <source> Desplegar opciones avanzadas</source>
        <translation> Show advanced options</translation>
    </message>
    <message>
        <source> Doble click aquí para ver la muestra completa.</source>
        <translation> Double-click here to see the whole sample.</translation>
    </message>
    <message>
        <source> Muestra de opciones seleccionadas</source>
        <translation> Sample of the chosen options</translation>
    </message>
</context>
<context>
    <name>TemplateImage</name>
    <message>
        <source>no se encuentra el programa pdftoppm (paquete poppler-utils)</source>
        <translation>the program pdftoppm cannot be found (package poppler-utils)</translation>
    </message>
    <message>
        <source>pdftoppm no terminó</source>
        <translation>pdftoppm did not finish</translation>
    </message>
    <message>
        <source>pdftoppm no pudo dibujar la página</source>
        <translation>pdftoppm could not draw the page</translation>
    </message>
</context>
<context>
    <name>TemplateOverlay</name>
    <message>
        <source>el documento no tiene hojas</source>
        <translation>the document has no sheets</translation>
    </message>
    <message>
        <source>las hojas no tienen el lugar de la plantilla</source>
        <translation>the sheets have no place for the template</translation>
    </message>
    <message>
        <source>no se puede leer el final del archivo</source>
        <translation>the end of the file cannot be read</translation>
    </message>
    <message>
        <source>el archivo no termina como un PDF</source>
        <translation>the file does not end as a PDF does</translation>
    </message>
    <message>
        <source>la plantilla no tiene la página %1</source>
        <translation>the template has no page %1</translation>
    </message>
    <message>
        <source>la página de la plantilla no tiene tamaño</source>
        <translation>the template&apos;s page has no size</translation>
    </message>
    <message>
        <source>el lugar de la plantilla no es del escritor de PDF</source>
        <translation>the template&apos;s place was not made by the PDF writer</translation>
    </message>
</context>
<context>
    <name>TerminalProgress</name>
    <message>
        <source>Enviadas %1 de %2 hojas (número %3); la impresora terminó %4</source>
        <translation>Sent %1 of %2 sheets (number %3); the printer finished %4</translation>
    </message>
    <message>
        <source>Imprimiendo hoja %1 de %2 (número %3)</source>
        <translation>Printing sheet %1 of %2 (number %3)</translation>
    </message>
</context>
<context>
    <name>TestPrints</name>
    <message>
        <source> Ahora se imprimirá una cuadricula y una referencia en los vertices con un tamaño de fuente de 10, marcando la posición horizontal, y vertical para horientarte en las cordenadas.</source>
        <translation> A grid will now be printed, with a reference at the corners in font size 10 marking the horizontal and vertical position, to find your way around the coordinates.</translation>
    </message>
    <message>
        <source>Ahora se imprimirá un rectangulo en las posiciones que marquen las casillas de texto correspondiente</source>
        <translation>A rectangle will now be printed at the positions the corresponding text boxes give</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Vireo y Trazo</source>
        <translation>Vireo y Trazo</translation>
    </message>
    <message>
        <source>TESSARINO</source>
        <translation>TESSARINO</translation>
    </message>
    <message>
        <source>Versión 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Programa para numerar hojas.</source>
        <translation>A program for numbering sheets.</translation>
    </message>
    <message>
        <source>Tessarino fue creado y diseñado por Lucía Ferrán y Tomás Ibarra para Vireo y Trazo. Sus consultas y sugerencias son bienvenidas en consultas@vireoytrazo.example o en tessarino@vireoytrazo.example.</source>
        <translation>Tessarino was created and designed by Lucía Ferrán and Tomás Ibarra for Vireo y Trazo. Your questions and suggestions are welcome at consultas@vireoytrazo.example or tessarino@vireoytrazo.example.</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Info. del sistema...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>Aplicacion  realizada</source>
        <translation>Application made</translation>
    </message>
    <message>
        <source>en la ciudad de</source>
        <translation>in the city of</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Versión: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Empresa: Vireo y Trazo</source>
        <translation>Company: Vireo y Trazo</translation>
    </message>
    <message>
        <source>Idea y desarollo:</source>
        <translation>Idea and development:</translation>
    </message>
    <message>
        <source>Lucía Ferrán y Tomás Ibarra</source>
        <translation>Lucía Ferrán and Tomás Ibarra</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>e-mail:</translation>
    </message>
    <message>
        <source>Realizado con:</source>
        <translation>Made with:</translation>
    </message>
    <message>
        <source>C++20 y Qt 6.4</source>
        <translation>C++20 and Qt 6.4</translation>
    </message>
    <message>
        <source>Consultas y/o sugerencias al TEL.:</source>
        <translation>Questions and/or suggestions by phone:</translation>
    </message>
    <message>
        <source>Agradecimientos a </source>
        <translation>Thanks to </translation>
    </message>
    <message>
        <source>La información del sistema no está disponible en este momento</source>
        <translation>System information is not available at the moment</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>frmImpresora</name>
    <message>
        <source>Configurar Impresora</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>Impresoras</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>&amp;Converitr en actual</source>
        <translation>&amp;Make current</translation>
    </message>
    <message>
        <source>Actualiza&amp;r lista</source>
        <translation>&amp;Refresh list</translation>
    </message>
    <message>
        <source>Papel</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>&amp;Tamaño</source>
        <translation>&amp;Size</translation>
    </message>
    <message>
        <source>&amp;Orientación</source>
        <translation>&amp;Orientation</translation>
    </message>
    <message>
        <source>&amp;Anchura escala</source>
        <translation>Scale &amp;width</translation>
    </message>
    <message>
        <source>A&amp;ltura escala</source>
        <translation>Scale h&amp;eight</translation>
    </message>
    <message>
        <source>Margenes</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>&amp;Izquierdo</source>
        <translation>&amp;Left</translation>
    </message>
    <message>
        <source>&amp;Superior</source>
        <translation>To&amp;p</translation>
    </message>
    <message>
        <source>Al&amp;tura</source>
        <translation>&amp;Height</translation>
    </message>
    <message>
        <source>A&amp;nchura</source>
        <translation>Wid&amp;th</translation>
    </message>
    <message>
        <source>&amp;Modo Color</source>
        <translation>&amp;Color mode</translation>
    </message>
    <message>
        <source>Co&amp;pias</source>
        <translation>Co&amp;pies</translation>
    </message>
    <message>
        <source>Cali&amp;dad</source>
        <translation>&amp;Quality</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Hojas por trabajo</source>
        <translation>Sheets per &amp;job</translation>
    </message>
    <message>
        <source>Una tirada más larga en una impresora del sistema se envía en varios trabajos de hasta estas hojas, para que empiece a imprimir antes. 0: todo en un trabajo.</source>
        <translation>A longer run on a system printer is sent in several jobs of up to this many sheets, so that it starts printing sooner. 0: everything in one job.</translation>
    </message>
    <message>
        <source>0: todo en un trabajo</source>
        <translation>0: everything in one job</translation>
    </message>
    <message>
        <source>&amp;Aplicar Propiedades</source>
        <translation>&amp;Apply Properties</translation>
    </message>
    <message>
        <source>&amp;Imprimir página de pueba</source>
        <translation>Print &amp;test page</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Las hojas por trabajo deben ser 0 (todo en un trabajo) o más.</source>
        <translation>The sheets per job must be 0 (everything in one job) or more.</translation>
    </message>
    <message>
        <source>No se pudo guardar el valor: %1</source>
        <translation>The value could not be saved: %1</translation>
    </message>
    <message>
        <source>Hojas por trabajo</source>
        <translation>Sheets per job</translation>
    </message>
    <message>
        <source>Anchura</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Altura</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Tamaño del papel</source>
        <translation>Paper size</translation>
    </message>
    <message>
        <source>Orientación</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Modo color</source>
        <translation>Color mode</translation>
    </message>
    <message>
        <source>Copias</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Margen izquierdo</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>Margen superior</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>Anchura de escala</source>
        <translation>Scale width</translation>
    </message>
    <message>
        <source>Altura de escala</source>
        <translation>Scale height</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>No existen impresoras instaladas</source>
        <translation>There are no printers installed</translation>
    </message>
    <message>
        <source>En primer lugar, deberá convertir a esta impresora en la actual</source>
        <translation>First you must make this printer the current one</translation>
    </message>
    <message>
        <source>Propiedad: </source>
        <translation>Property: </translation>
    </message>
    <message>
        <source>Carta, 216 x 279 mm</source>
        <translation>Letter, 216 x 279 mm</translation>
    </message>
    <message>
        <source>Carta pequeña, 216 x 279 mm </source>
        <translation>Letter small, 216 x 279 mm </translation>
    </message>
    <message>
        <source>Tabloide, 279 x 432 mm</source>
        <translation>Tabloid, 279 x 432 mm</translation>
    </message>
    <message>
        <source>Doble carta, 432 x 280 mm </source>
        <translation>Ledger, 432 x 280 mm </translation>
    </message>
    <message>
        <source>Oficio, 216 x 356 mm</source>
        <translation>Legal, 216 x 356 mm</translation>
    </message>
    <message>
        <source>Estamento, 140 x 216 mm</source>
        <translation>Statement, 140 x 216 mm</translation>
    </message>
    <message>
        <source>Ejecutivo</source>
        <translation>Executive</translation>
    </message>
    <message>
        <source>Ejecutivo, 184 x 254 mm</source>
        <translation>Executive, 184 x 254 mm</translation>
    </message>
    <message>
        <source>A3, 297 x 420 mm</source>
        <translation>A3, 297 x 420 mm</translation>
    </message>
    <message>
        <source>A4, 210 x 297 mm</source>
        <translation>A4, 210 x 297 mm</translation>
    </message>
    <message>
        <source>A4 pequeño, 210 x 297 mm</source>
        <translation>A4 small, 210 x 297 mm</translation>
    </message>
    <message>
        <source>A5, 148 x 210 mm</source>
        <translation>A5, 148 x 210 mm</translation>
    </message>
    <message>
        <source>B4, 250 x 354 mm</source>
        <translation>B4, 250 x 354 mm</translation>
    </message>
    <message>
        <source>B5, 182 x 257 mm</source>
        <translation>B5, 182 x 257 mm</translation>
    </message>
    <message>
        <source>Folio, 216 x 330 mm </source>
        <translation>Folio, 216 x 330 mm </translation>
    </message>
    <message>
        <source>Cuarto, 215 x 275 mm</source>
        <translation>Quarto, 215 x 275 mm</translation>
    </message>
    <message>
        <source>254 x 356 mm</source>
        <translation>254 x 356 mm</translation>
    </message>
    <message>
        <source>279 x 431 mm</source>
        <translation>279 x 431 mm</translation>
    </message>
    <message>
        <source>Nota, 216 x 279 mm</source>
        <translation>Note, 216 x 279 mm</translation>
    </message>
    <message>
        <source>Sobre Nº 9, 98 x 225 mm</source>
        <translation>Envelope #9, 98 x 225 mm</translation>
    </message>
    <message>
        <source>Sobre Nº 10, 105 x 241 mm</source>
        <translation>Envelope #10, 105 x 241 mm</translation>
    </message>
    <message>
        <source>Sobre Nº 11, 114 x 264 mm</source>
        <translation>Envelope #11, 114 x 264 mm</translation>
    </message>
    <message>
        <source>Sobre Nº 12, 114 x 279 mm </source>
        <translation>Envelope #12, 114 x 279 mm </translation>
    </message>
    <message>
        <source>Sobre Nº 14, 127 x 292 mm</source>
        <translation>Envelope #14, 127 x 292 mm</translation>
    </message>
    <message>
        <source>Hoja tamaño C</source>
        <translation>C size sheet</translation>
    </message>
    <message>
        <source>Hoja tamaño D</source>
        <translation>D size sheet</translation>
    </message>
    <message>
        <source>Hoja tamaño E</source>
        <translation>E size sheet</translation>
    </message>
    <message>
        <source>Sobre DL, 110 x 220 mm</source>
        <translation>Envelope DL, 110 x 220 mm</translation>
    </message>
    <message>
        <source>Sobre C3, 324 x 458 mm</source>
        <translation>Envelope C3, 324 x 458 mm</translation>
    </message>
    <message>
        <source>Sobre C4, 229 x 324 mm</source>
        <translation>Envelope C4, 229 x 324 mm</translation>
    </message>
    <message>
        <source>Sobre C5, 162 x 229 mm</source>
        <translation>Envelope C5, 162 x 229 mm</translation>
    </message>
    <message>
        <source>Sobre C6, 114 x 162 mm</source>
        <translation>Envelope C6, 114 x 162 mm</translation>
    </message>
    <message>
        <source>Sobre C65, 114 x 229 mm</source>
        <translation>Envelope C65, 114 x 229 mm</translation>
    </message>
    <message>
        <source>Sobre B4, 250 x 353 mm</source>
        <translation>Envelope B4, 250 x 353 mm</translation>
    </message>
    <message>
        <source>Sobre B5, 176 x 250 mm</source>
        <translation>Envelope B5, 176 x 250 mm</translation>
    </message>
    <message>
        <source>Sobre B6, 176 x 125 mm</source>
        <translation>Envelope B6, 176 x 125 mm</translation>
    </message>
    <message>
        <source>Sobre, 110 x 230 mm</source>
        <translation>Envelope, 110 x 230 mm</translation>
    </message>
    <message>
        <source>Sobre Monarca, 98 x 190 mm</source>
        <translation>Envelope Monarch, 98 x 190 mm</translation>
    </message>
    <message>
        <source>Sobre, 110 x 230 mm </source>
        <translation>Envelope, 110 x 230 mm </translation>
    </message>
    <message>
        <source>Continuo USA estándar, 310 x 280 mm </source>
        <translation>US standard fanfold, 310 x 280 mm </translation>
    </message>
    <message>
        <source>Continuo alemán estándar, 216 x 305 mm</source>
        <translation>German standard fanfold, 216 x 305 mm</translation>
    </message>
    <message>
        <source>Continuo alemán oficio, 216 x 330 mm</source>
        <translation>German legal fanfold, 216 x 330 mm</translation>
    </message>
    <message>
        <source>Definido por el usuario</source>
        <translation>User-defined</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Monocromo</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Borrador</source>
        <translation>Draft</translation>
    </message>
    <message>
        <source>Bajo</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Medio</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>High</translation>
    </message>
</context>
<context>
    <name>frmPilas</name>
    <message>
        <source>más una hoja separadora antes del bloque</source>
        <translation>plus a separator sheet before the block</translation>
    </message>
    <message>
        <source>más %1 hojas separadoras, una antes de cada bloque</source>
        <translation>plus %1 separator sheets, one before each block</translation>
    </message>
</context>
<context>
    <name>frmPrincipal</name>
    <message>
        <source>X:(horiz.)</source>
        <translation>X:(horiz.)</translation>
    </message>
    <message>
        <source>Y:(vert.)</source>
        <translation>Y:(vert.)</translation>
    </message>
    <message>
        <source>Habilitar / desabilitar</source>
        <translation>Enable / disable</translation>
    </message>
    <message>
        <source>Active esta casilla si quiere que estos valores esten disponibles la próxima vez que utilize el programa.</source>
        <translation>Check this box to have these values again the next time you use the program.</translation>
    </message>
    <message>
        <source>info...</source>
        <translation>info...</translation>
    </message>
    <message>
        <source>Vea la fecha y hora de creación del archivo en la barra de estado</source>
        <translation>See the date and time the file was created in the status bar</translation>
    </message>
    <message>
        <source>Dejar una nota para este documento</source>
        <translation>Leave a note for this document</translation>
    </message>
    <message>
        <source>&amp;Rectangulo</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>&amp;Grilla</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>&amp;Vista previa</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source> PDF guardado: %1</source>
        <translation> PDF saved: %1</translation>
    </message>
    <message>
        <source>&amp;Resumen antes de tiradas largas...</source>
        <translation>&amp;Summary before long runs...</translation>
    </message>
</context>
<context>
    <name>frmProgreso</name>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Imprimiendo hoja %1 de %2</source>
        <translation>Printing sheet %1 of %2</translation>
    </message>
    <message>
        <source>Número: %1</source>
        <translation>Number: %1</translation>
    </message>
</context>
<context>
    <name>frmRegistro</name>
    <message>
        <source>en curso</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>«%1» no es un día: escríbalo como aaaa-mm-dd o elíjalo en el calendario.</source>
        <translation>«%1» is not a day: type it as yyyy-mm-dd or pick it from the calendar.</translation>
    </message>
</context>
<context>
    <name>frmResumen</name>
    <message>
        <source>Resumen antes de tiradas largas</source>
        <translation>Summary before long runs</translation>
    </message>
    <message>
        <source>Resumir y preguntar antes de imprimir más de</source>
        <translation>Summarise and ask before printing more than</translation>
    </message>
    <message>
        <source> hojas</source>
        <translation> sheets</translation>
    </message>
    <message>
        <source>no preguntar nunca</source>
        <translation>never ask</translation>
    </message>
    <message>
        <source>Antes de una tirada más larga se muestra lo que se va a imprimir (hojas, boletos, bloques, impresora, papel, primer y último número) y se pregunta si seguir. Con 0 no se pregunta nunca. La línea de órdenes escribe el mismo resumen y sigue.</source>
        <translation>Before a longer run, what is about to print is shown (sheets, tickets, blocks, printer, paper, first and last number) and you are asked whether to go on. With 0 you are never asked. The command line writes the same summary and goes on.</translation>
    </message>
    <message>
        <source>No se pudo guardar el límite del resumen: %1</source>
        <translation>The summary threshold could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>frmVisor</name>
    <message>
        <source>Click para cerrar</source>
        <translation>Click to close</translation>
    </message>
</context>
<context>
    <name>frmVistaPrevia</name>
    <message>
        <source>Vista previa</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Primera hoja</source>
        <translation>First sheet</translation>
    </message>
    <message>
        <source>Hoja anterior</source>
        <translation>Previous sheet</translation>
    </message>
    <message>
        <source>Hoja siguiente</source>
        <translation>Next sheet</translation>
    </message>
    <message>
        <source>Última hoja</source>
        <translation>Last sheet</translation>
    </message>
    <message>
        <source>Escriba el número de hoja y pulse Intro</source>
        <translation>Type the sheet number and press Enter</translation>
    </message>
    <message>
        <source>Hoja</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>de %1</source>
        <translation>of %1</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Como la pone la impresora</source>
        <translation>As the printer puts it</translation>
    </message>
    <message>
        <source>Muestra cada hoja donde «%1» la pone de verdad: con la corrección de su calibración, cortada donde la impresora no llega (el borde, a trazos)</source>
        <translation>Shows each sheet where «%1» really puts it: with the correction of its calibration, cut where the printer cannot reach (the dashed edge)</translation>
    </message>
    <message>
        <source>La impresora «%1» no está calibrada: la vista previa muestra las posiciones del trabajo</source>
        <translation>The printer «%1» is not calibrated: the preview shows the job’s own positions</translation>
    </message>
</context>
</TS>
