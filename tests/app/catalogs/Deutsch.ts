<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>LanguageName</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>LanguageID</source>
        <translation>0407</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
</TS>
