<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
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
</TS>
