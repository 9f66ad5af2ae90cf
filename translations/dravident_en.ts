<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Error Parameter</name>
    <message>
        <source>memory overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for writing: it is also the %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-SOURCE file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-STD_DEFINE file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generated file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>companion file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-CONST file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-TSF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-GLENTO_LOG file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fatal Error (cstsyst)</name>
    <message>
        <source>FATAL ERROR on &apos;%1&apos;,
 Please contact your administrative.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
