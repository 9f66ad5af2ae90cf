<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Error-modbas</name>
    <message>
        <source>End of execution with %1%2 warning(s)</source>
        <comment>Error code is &quot;ENDNOEWAR&quot;; %1 and %2 are counts and must stay</comment>
        <translation>Fin d&apos;exécution avec %1%2 avertissement(s)</translation>
    </message>
    <message>
        <source>End of execution with %1 error(s) and %2 warning(s)</source>
        <comment>Error code is &quot;ENDERRWAR&quot;; %1 and %2 are counts and must stay</comment>
        <translation>Fin d&apos;exécution avec %1 erreur(s) et %2 avertissement(s)</translation>
    </message>
</context>
</TS>
