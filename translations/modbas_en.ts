<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Error-modbas</name>
    <message>
        <source>End of execution with %1 error(s) and %2 warning(s)</source>
        <comment>Error code is &quot;ENDERRWAR&quot;; %1 and %2 are counts and must stay</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of execution with %1%2 warning(s)</source>
        <comment>Error code is &quot;ENDNOEWAR&quot;; %1 and %2 are counts and must stay</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of execution with 0 error and 0 warning%1%2</source>
        <comment>Error code is &quot;ENDNOENWR&quot;; %1 and %2 are counts and must stay</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 opening problem</source>
        <comment>Error code is &quot;FICERROPN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of execution with %1 error(s)</source>
        <comment>Error code is &quot;ENDERRNWR&quot;; %1 and %2 are counts and must stay</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect option in option file: %1</source>
        <comment>Error code is &quot;EROPFICMD&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
