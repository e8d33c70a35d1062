<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Providers::MenuActionProvider</name>
    <message><source>About</source><translation>Info</translation></message>
    <message><source>Preferences...</source><translation>Einstellungen...</translation></message>
    <message><source>Open Application</source><translation>Anwendung öffnen</translation></message>
    <message><source>Add Contact</source><translation>Kontakt hinzufügen</translation></message>
    <message><source>Sign Out</source><translation>Abmelden</translation></message>
    <message><source>Exit</source><translation>Beenden</translation></message>
    <message><source>Help</source><translation>Hilfe</translation></message>
    <message><source>Always on Top</source><translation>Immer im Vordergrund</translation></message>
    <message><source>Sort Contacts</source><translation>Kontakte sortieren</translation></message>
</context>
<context>
    <name>Application</name>
    <message><source>UI setting error</source><translation>Fehler in den Oberflächeneinstellungen</translation></message>
    <message><source>Couldn&apos;t find UI settings file</source><translation>Die Datei mit den Oberflächeneinstellungen wurde nicht gefunden</translation></message>
</context>
</TS>
