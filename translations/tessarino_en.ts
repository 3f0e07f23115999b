<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>SplashPicture</name>
    <message>
        <source>Programa para numerar hojas.</source>
        <translation>A program for numbering sheets.</translation>
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
    <name>frmVisor</name>
    <message>
        <source>Click para cerrar</source>
        <translation>Click to close</translation>
    </message>
</context>
</TS>
