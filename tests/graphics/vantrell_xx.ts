<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-FileCopyrightText: The Vantrell developers -->
<!-- SPDX-License-Identifier: MIT -->
<!-- A language whose word for "Hit" is far too long for its button, for the picture test. -->
<!DOCTYPE TS>
<TS version="2.1" language="xx">
<context>
    <name>Button</name>
    <message>
        <source>Hit</source>
        <translation>Kartenziehenbittesehrundnochmehr</translation>
    </message>
</context>
</TS>
