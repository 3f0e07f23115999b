<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="es">
<context>
    <name>frmImpresora</name>
    <message>
        <source>Configurar Impresora</source>
        <translation>Configura stampante</translation>
    </message>
</context>
</TS>
