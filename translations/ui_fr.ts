<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Providers::MenuActionProvider</name>
    <message><source>About</source><translation>À propos</translation></message>
    <message><source>Preferences...</source><translation>Préférences...</translation></message>
    <message><source>Open Application</source><translation>Ouvrir l&apos;application</translation></message>
    <message><source>Add Contact</source><translation>Ajouter un contact</translation></message>
    <message><source>Sign Out</source><translation>Se déconnecter</translation></message>
    <message><source>Exit</source><translation>Quitter</translation></message>
    <message><source>Help</source><translation>Aide</translation></message>
    <message><source>Always on Top</source><translation>Toujours au premier plan</translation></message>
    <message><source>Sort Contacts</source><translation>Trier les contacts</translation></message>
</context>
</TS>
