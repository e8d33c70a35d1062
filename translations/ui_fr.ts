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
<context>
    <name>EulaPage</name>
    <message><source>I Agree</source><translation>J’accepte</translation></message>
    <message><source>Cancel</source><translation>Annuler</translation></message>
    <message><source>EULA</source><translation>CONTRAT DE LICENCE UTILISATEUR FINAL

Veuillez lire ce contrat avant d’utiliser le logiciel. En choisissant « J’accepte », vous en acceptez les conditions ; si vous ne les acceptez pas, choisissez « Annuler » et n’utilisez pas le logiciel.

1. Licence. Vous pouvez installer cette copie du logiciel et l’utiliser pour vous connecter aux comptes du service de communication que vous êtes autorisé à utiliser.

2. Restrictions. Vous ne pouvez ni vendre, ni louer, ni prêter, ni concéder en sous-licence le logiciel, ni retirer ou modifier ses mentions.

3. Composants libres. Le logiciel contient des composants libres, chacun sous sa propre licence. La fenêtre « À propos » les énumère.

4. Vos données. Le logiciel conserve votre nom d’utilisateur sur cet ordinateur. Votre mot de passe n’est conservé que si vous choisissez « Mémoriser le mot de passe », et uniquement dans le trousseau de votre bureau.

5. Absence de garantie. Le logiciel est fourni « en l’état », sans garantie d’aucune sorte. Dans la mesure permise par la loi, le fournisseur n’est pas responsable des dommages résultant de son utilisation.

6. Résiliation. Cette licence prend fin lorsque vous cessez d’utiliser le logiciel et en supprimez toutes les copies.</translation></message>
</context>
<context>
    <name>Dialogs::PreferencesWindow</name>
    <message><source>Preferences</source><translation>Préférences</translation></message>
</context>
<context>
    <name>Dialogs::SettingsEditor</name>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>Cancel</source><translation>Annuler</translation></message>
</context>
<context>
    <name>preferencesForm</name>
    <message><source>General</source><translation>Général</translation></message>
    <message><source>Language</source><translation>Langue</translation></message>
    <message><source>Log In</source><translation>Connexion</translation></message>
    <message><source>Sign in automatically</source><translation>Se connecter automatiquement</translation></message>
    <message><source>Run this program when the system starts</source><translation>Lancer ce programme au démarrage du système</translation></message>
    <message><source>Logging</source><translation>Journalisation</translation></message>
    <message><source>Enable basic logging</source><translation>Activer la journalisation de base</translation></message>
    <message><source>Enable advanced logging</source><translation>Activer la journalisation avancée</translation></message>
    <message><source>Clear All Logs</source><translation>Effacer tous les journaux</translation></message>
    <message><source>Open Folder</source><translation>Ouvrir le dossier</translation></message>
    <message><source>Proxy</source><translation>Proxy</translation></message>
    <message><source>Credentials</source><translation>Identifiants</translation></message>
</context>
</TS>
