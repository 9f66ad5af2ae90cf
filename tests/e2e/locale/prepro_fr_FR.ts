<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Warning (prepro)</name>
    <message>
        <source>Target Package not found, check HRLTGT environment variable.</source>
        <comment>Error code is &quot;BADRUNTIM&quot;</comment>
        <translation>Paquetage cible introuvable, vérifiez la variable d&apos;environnement HRLTGT.</translation>
    </message>
</context>
</TS>
