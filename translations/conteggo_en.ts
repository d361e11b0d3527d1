<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>conteggo::CanberraPlayer</name>
    <message>
        <location filename="../app/canberra_player.cpp" line="47"/>
        <source>%1 non trovato</source>
        <translation>%1 not found</translation>
    </message>
    <message>
        <location filename="../app/canberra_player.cpp" line="53"/>
        <source>nessun server audio (%1)</source>
        <translation>no sound server (%1)</translation>
    </message>
    <message>
        <location filename="../app/canberra_player.cpp" line="98"/>
        <source>Preavviso a %1: suono non riprodotto</source>
        <translation>Warning at %1: sound not played</translation>
    </message>
    <message>
        <location filename="../app/canberra_player.cpp" line="100"/>
        <source>Allarme a %1: suono non riprodotto</source>
        <translation>Alarm at %1: sound not played</translation>
    </message>
    <message>
        <location filename="../app/canberra_player.cpp" line="115"/>
        <source>suono non riprodotto: %1</source>
        <translation>sound not played: %1</translation>
    </message>
</context>
</TS>
