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
        <source>: array are forbidden in list: %1</source>
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
