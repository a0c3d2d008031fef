<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TipDlg</name>
    <message>
        <source>Import</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Importing, please wait...</source>
        <translation>Wird eingelesen, bitte warten...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
