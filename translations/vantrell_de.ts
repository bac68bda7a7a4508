<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Button</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>game::StartScreen</name>
    <message>
        <source>N</source>
        <comment>key: New Game</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>C</source>
        <comment>key: Continue</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key: Instructions</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>key: Quit</comment>
        <translation>B</translation>
    </message>
</context>
</TS>
