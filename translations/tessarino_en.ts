<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>DatePicker</name>
    <message>
        <source>Elegir el día en un calendario</source>
        <translation>Pick the day from a calendar</translation>
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
