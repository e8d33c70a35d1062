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
<context>
    <name>EulaPage</name>
    <message><source>I Agree</source><translation>Ich stimme zu</translation></message>
    <message><source>Cancel</source><translation>Abbrechen</translation></message>
    <message><source>EULA</source><translation>ENDBENUTZER-LIZENZVERTRAG

Bitte lesen Sie diesen Vertrag, bevor Sie die Software verwenden. Mit „Ich stimme zu“ nehmen Sie seine Bedingungen an; wenn Sie sie nicht annehmen, wählen Sie „Abbrechen“ und verwenden Sie die Software nicht.

1. Lizenz. Sie dürfen diese Kopie der Software installieren und damit bei den Konten des Kommunikationsdienstes anmelden, die Sie verwenden dürfen.

2. Einschränkungen. Sie dürfen die Software weder verkaufen, vermieten, verleihen noch unterlizenzieren und ihre Hinweise weder entfernen noch ändern.

3. Open-Source-Bestandteile. Die Software enthält Open-Source-Bestandteile unter ihren jeweils eigenen Lizenzen. Das Fenster „Info“ führt sie auf.

4. Ihre Daten. Die Software speichert Ihren Benutzernamen auf diesem Computer. Ihr Kennwort wird nur gespeichert, wenn Sie „Kennwort speichern“ wählen, und dann nur im Schlüsselbund Ihres Desktops.

5. Keine Gewährleistung. Die Software wird „wie besehen“ ohne jede Gewährleistung bereitgestellt. Soweit gesetzlich zulässig, haftet der Anbieter nicht für Schäden aus ihrer Verwendung.

6. Beendigung. Diese Lizenz endet, wenn Sie die Software nicht mehr verwenden und alle Kopien löschen.</translation></message>
</context>
<context>
    <name>Dialogs::PreferencesWindow</name>
    <message><source>Preferences</source><translation>Einstellungen</translation></message>
</context>
<context>
    <name>Dialogs::SettingsEditor</name>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>Cancel</source><translation>Abbrechen</translation></message>
</context>
<context>
    <name>preferencesForm</name>
    <message><source>General</source><translation>Allgemein</translation></message>
    <message><source>Language</source><translation>Sprache</translation></message>
    <message><source>Log In</source><translation>Anmeldung</translation></message>
    <message><source>Sign in automatically</source><translation>Automatisch anmelden</translation></message>
    <message><source>Run this program when the system starts</source><translation>Dieses Programm beim Systemstart ausführen</translation></message>
    <message><source>Logging</source><translation>Protokollierung</translation></message>
    <message><source>Enable basic logging</source><translation>Einfache Protokollierung aktivieren</translation></message>
    <message><source>Enable advanced logging</source><translation>Erweiterte Protokollierung aktivieren</translation></message>
    <message><source>Clear All Logs</source><translation>Alle Protokolle löschen</translation></message>
    <message><source>Open Folder</source><translation>Ordner öffnen</translation></message>
    <message><source>Proxy</source><translation>Proxy</translation></message>
    <message><source>Credentials</source><translation>Anmeldedaten</translation></message>
</context>
</TS>
