<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainWindow</name>
    <message>
        <source>LanguageName</source>
        <translation>Français</translation>
    </message>

    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
</TS>
