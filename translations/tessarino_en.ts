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
    <name>PrintJob</name>
    <message>
        <source>El archivo no indica si guarda un trabajo de mismo número o de distinto número; se imprime como trabajo de mismo número.</source>
        <translation>The file does not say whether it holds a same number or a distinct number job; it is printed as a same number job.</translation>
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
    <name>ShopTools</name>
    <message>
        <source>&amp;Resumen antes de tiradas largas...</source>
        <translation>&amp;Summary before long runs...</translation>
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
</context>
<context>
    <name>frmImpresora</name>
    <message>
        <source>Configurar Impresora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impresoras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Converitr en actual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actualiza&amp;r lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Papel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tamaño</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Orientación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Anchura escala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ltura escala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Izquierdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Superior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al&amp;tura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;nchura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modo Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;pias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cali&amp;dad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hojas por trabajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una tirada más larga en una impresora del sistema se envía en varios trabajos de hasta estas hojas, para que empiece a imprimir antes. 0: todo en un trabajo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0: todo en un trabajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aplicar Propiedades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimir página de pueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation type="unfinished"></translation>
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
        <source>Tessarino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mismo número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imprimir vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X:(horiz.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y:(vert.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habilitar / desabilitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juegos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veces seguidas que se imprime cada hoja (talonarios con copias: 1 a 10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distinto número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamaño</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>01234</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restaurar valores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar configuración de fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active esta casilla si quiere que estos valores esten disponibles la próxima vez que utilize el programa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vea la fecha y hora de creación del archivo en la barra de estado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dejar una nota para este documento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rectangulo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Herramientas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cargar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Impresora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lenguaje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mismo número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Distinto número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+F6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimir cuadrícula de prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;mprimir rectángulo de prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im&amp;primir trabajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plantilla P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin plantilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vista previa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;gistro de impresiones...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reimprimir h&amp;ojas...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tamaño</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ti&amp;po</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G&amp;uardar configuración al salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restaurar valores predeterminados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ú&amp;ltima impresión distinto número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Última impresión mismo número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hequear todo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Limpiar cajas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numerar en &amp;pilas...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reponer &amp;boletos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimir plan de pi&amp;las</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formato de los &amp;números...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limpiar &amp;recientes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configurar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;alibrar impresora...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitar calibración</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Español</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Frances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;taliano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ingles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+F4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribir/editar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace&amp;rca</source>
        <translation type="unfinished"></translation>
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
