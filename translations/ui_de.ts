<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Copyright © %1%2 All rights reserved.</source>
        <translation>Copyright © %1%2 Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Built with Qt %1</source>
        <translation>Erstellt mit Qt %1</translation>
    </message>
    <message>
        <source>%1 uses the following open-source works:</source>
        <translation>%1 verwendet die folgenden Open-Source-Werke:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>ActiveCommunications</name>
    <message>
        <source>Active (%1)</source>
        <translation>Aktiv (%1)</translation>
    </message>
    <message>
        <source>Active (%1 of %2)</source>
        <translation>Aktiv (%1 von %2)</translation>
    </message>
    <message>
        <source>Click to Transfer Call</source>
        <translation>Klicken, um den Anruf weiterzuleiten</translation>
    </message>
    <message>
        <source>Add People</source>
        <translation>Personen hinzufügen</translation>
    </message>
    <message>
        <source>Click to Park Call</source>
        <translation>Klicken, um den Anruf zu parken</translation>
    </message>
</context>
<context>
    <name>AddParticipantWidget</name>
    <message>
        <source>Add people to communication</source>
        <translation>Personen zur Kommunikation hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>UI setting error</source>
        <translation>Fehler in den Oberflächeneinstellungen</translation>
    </message>
    <message>
        <source>Couldn&apos;t find UI settings file</source>
        <translation>Die Datei mit den Oberflächeneinstellungen wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Initialization Error</source>
        <translation>Initialisierungsfehler</translation>
    </message>
    <message>
        <source>Initialization of the application failed!</source>
        <translation>Die Initialisierung der Anwendung ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Initialization error</source>
        <translation>Initialisierungsfehler</translation>
    </message>
    <message>
        <source>Unable to initialize login window!</source>
        <translation>Das Anmeldefenster kann nicht initialisiert werden!</translation>
    </message>
    <message>
        <source>Theme Loading Error</source>
        <translation>Fehler beim Laden des Designs</translation>
    </message>
    <message>
        <source>Default theme not found. Please reinstall the client.
 Looked in %1 and %2</source>
        <translation>Das Standarddesign wurde nicht gefunden. Bitte installieren Sie den Client neu.
 Gesucht in %1 und %2</translation>
    </message>
    <message>
        <source>New Mandatory Version Available</source>
        <translation>Neue Pflichtversion verfügbar</translation>
    </message>
    <message>
        <source>New mandatory version available. You have to update in order to continue using the application.</source>
        <translation>Eine neue Pflichtversion ist verfügbar. Sie müssen aktualisieren, um die Anwendung weiter zu verwenden.</translation>
    </message>
    <message>
        <source>New Version Available</source>
        <translation>Neue Version verfügbar</translation>
    </message>
    <message>
        <source>New version available, would you like to upgrade now?</source>
        <translation>Eine neue Version ist verfügbar. Möchten Sie jetzt aktualisieren?</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>A new version is available and must be installed to proceed. Select OK to shut down %1 and download the new version. After the download is complete, please install the new version.</source>
        <translation>Eine neue Version ist verfügbar und muss installiert werden, um fortzufahren. Wählen Sie OK, um %1 zu beenden und die neue Version herunterzuladen. Installieren Sie die neue Version nach dem Herunterladen.</translation>
    </message>
    <message>
        <source>Error Downloading New Version</source>
        <translation>Fehler beim Herunterladen der neuen Version</translation>
    </message>
    <message>
        <source>Failed to launch default web browser with the following address: %1</source>
        <translation>Der Standard-Webbrowser konnte mit folgender Adresse nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>E911 Disclosure</source>
        <translation>E911-Hinweis</translation>
    </message>
    <message>
        <source>WARNING: Do not use your soft phone to dial 911 except from your registered physical location. Use at a location other than the registered physical location may route 911 calls to an incorrect 911 dispatch center, potentially delaying or preventing emergency services. It is recommended that you maintain alternative access to 911 services.</source>
        <translation>WARNUNG: Wählen Sie die 911 mit Ihrem Softphone nur von Ihrem registrierten Standort aus. An einem anderen Standort können 911-Anrufe an eine falsche 911-Leitstelle geleitet werden, wodurch Notdienste verzögert oder verhindert werden können. Halten Sie einen anderen Zugang zu 911-Diensten bereit.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Client is unable to connect to the server. Check your internet connection. If the problem persists please contact your service provider.</source>
        <translation>Der Client kann keine Verbindung zum Server herstellen. Prüfen Sie Ihre Internetverbindung. Wenn das Problem weiterhin besteht, wenden Sie sich an Ihren Dienstanbieter.</translation>
    </message>
    <message>
        <source>Invalid User</source>
        <translation>Ungültiger Benutzer</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connection to server failed. Try again later. If the problem persists please contact your service provider.</source>
        <translation>Die Verbindung zum Server ist fehlgeschlagen. Versuchen Sie es später erneut. Wenn das Problem weiterhin besteht, wenden Sie sich an Ihren Dienstanbieter.</translation>
    </message>
    <message>
        <source>Login Failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Configuration error, please contact your service provider.</source>
        <translation>Konfigurationsfehler. Bitte wenden Sie sich an Ihren Dienstanbieter.</translation>
    </message>
    <message>
        <source>Forced Logout</source>
        <translation>Erzwungene Abmeldung</translation>
    </message>
    <message>
        <source>You have been signed out due to signing in from another %1 client.</source>
        <translation>Sie wurden abgemeldet, weil Sie sich mit einem anderen %1-Client angemeldet haben.</translation>
    </message>
    <message>
        <source>Credentials Changed</source>
        <translation>Zugangsdaten geändert</translation>
    </message>
    <message>
        <source>Your credentials have been changed and the client was forced to sign out. Please add your new credentials and sign in again.</source>
        <translation>Ihre Zugangsdaten wurden geändert und der Client wurde abgemeldet. Bitte geben Sie Ihre neuen Zugangsdaten ein und melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>Vyx account password expires in %1 days. Please consider changing it.</source>
        <translation>Das Passwort des Vyx-Kontos läuft in %1 Tagen ab. Bitte ändern Sie es bald.</translation>
    </message>
    <message>
        <source>Vyx account password expires today. Please consider changing it.</source>
        <translation>Das Passwort des Vyx-Kontos läuft heute ab. Bitte ändern Sie es bald.</translation>
    </message>
    <message>
        <source>Vyx account password has expired. Please change it to enable Vyx functionality.</source>
        <translation>Das Passwort des Vyx-Kontos ist abgelaufen. Bitte ändern Sie es, um die Vyx-Funktionen zu nutzen.</translation>
    </message>
    <message>
        <source>%1 Connectivity</source>
        <extracomment>%1 is HTTP or HTTPS</extracomment>
        <translation>%1-Verbindung</translation>
    </message>
    <message>
        <source>Secured %1 proxy was detected during %1 connectivity test. Ask system administrator for valid credentials in order to access the network. If credentials are not provided, some of the application&apos;s features may be unavailable.</source>
        <extracomment>%1 is HTTP or HTTPS</extracomment>
        <translation>Beim %1-Verbindungstest wurde ein gesicherter %1-Proxy erkannt. Fragen Sie Ihren Systemadministrator nach gültigen Zugangsdaten für das Netzwerk. Ohne Zugangsdaten sind einige Funktionen der Anwendung möglicherweise nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>BlfDelegate</name>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Ringing</source>
        <translation>Klingelt</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 ruft an</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Annehmen</translation>
    </message>
</context>
<context>
    <name>BlfWindow</name>
    <message>
        <source>Team Telephony</source>
        <translation>Teamtelefonie</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Call from Phone</source>
        <translation>Anruf vom Telefon</translation>
    </message>
    <message>
        <source>Video Call</source>
        <translation>Videoanruf</translation>
    </message>
    <message>
        <source>Team Telephony</source>
        <translation>Teamtelefonie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Add Contact, Group or Room</source>
        <translation>Kontakt, Gruppe oder Raum hinzufügen</translation>
    </message>
</context>
<context>
    <name>CallAnswerButtons</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Answer with Video</source>
        <translation>Mit Video annehmen</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Answer with audio only</source>
        <translation>Nur mit Audio annehmen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Ablehnen</translation>
    </message>
</context>
<context>
    <name>CallAnswerNotification</name>
    <message>
        <source>Group Call (%1)</source>
        <translation>Gruppenanruf (%1)</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Gruppenanruf</translation>
    </message>
    <message>
        <source>Executive Call (%1)</source>
        <translation>Anruf für Vorgesetzte (%1)</translation>
    </message>
    <message>
        <source>Incoming call</source>
        <translation>Eingehender Anruf</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
</context>
<context>
    <name>CallCenterAgentDialog</name>
    <message>
        <source>Queues</source>
        <translation>Warteschlangen</translation>
    </message>
</context>
<context>
    <name>CallDebugInfoSpirit</name>
    <message>
        <source>Real duplex params</source>
        <translation>Vollduplex-Parameter</translation>
    </message>
    <message>
        <source>Echo cancellation</source>
        <translation>Echounterdrückung</translation>
    </message>
    <message>
        <source>AEC mode (0: Headset; 1: Half duplex, time domain; 2: Half duplex, frequency domain; 3: Full duplex)</source>
        <translation>AEC-Modus (0: Headset; 1: Halbduplex, Zeitbereich; 2: Halbduplex, Frequenzbereich; 3: Vollduplex)</translation>
    </message>
    <message>
        <source>Automatic AEC mode</source>
        <translation>Automatischer AEC-Modus</translation>
    </message>
    <message>
        <source>Non-linear processing</source>
        <translation>Nichtlineare Verarbeitung</translation>
    </message>
    <message>
        <source>Comfort noise generation</source>
        <translation>Komfortrauschen erzeugen</translation>
    </message>
    <message>
        <source>Noise suppression</source>
        <translation>Rauschunterdrückung</translation>
    </message>
    <message>
        <source>Automatic gain control</source>
        <translation>Automatische Verstärkungsregelung</translation>
    </message>
    <message>
        <source>Audio parameters</source>
        <translation>Audioparameter</translation>
    </message>
    <message>
        <source>System speaker mute</source>
        <translation>Systemlautsprecher stumm</translation>
    </message>
    <message>
        <source>System speaker gain</source>
        <translation>Verstärkung Systemlautsprecher</translation>
    </message>
    <message>
        <source>System microphone mute</source>
        <translation>Systemmikrofon stumm</translation>
    </message>
    <message>
        <source>System microphone gain</source>
        <translation>Verstärkung Systemmikrofon</translation>
    </message>
    <message>
        <source>Speaker mute</source>
        <translation>Lautsprecher stumm</translation>
    </message>
    <message>
        <source>Speaker gain</source>
        <translation>Verstärkung Lautsprecher</translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation>Mikrofon stumm</translation>
    </message>
    <message>
        <source>Microphone gain</source>
        <translation>Verstärkung Mikrofon</translation>
    </message>
    <message>
        <source>Mic boost behavior (0: No change; 1: Force to enable; 2: Force to disable)</source>
        <translation>Mikrofonverstärkung (0: Keine Änderung; 1: Immer ein; 2: Immer aus)</translation>
    </message>
    <message>
        <source>Channel audio parameters</source>
        <translation>Audioparameter des Kanals</translation>
    </message>
    <message>
        <source>Channel speaker mute</source>
        <translation>Kanallautsprecher stumm</translation>
    </message>
    <message>
        <source>Channel speaker gain</source>
        <translation>Verstärkung Kanallautsprecher</translation>
    </message>
    <message>
        <source>Channel microphone mute</source>
        <translation>Kanalmikrofon stumm</translation>
    </message>
    <message>
        <source>Channel microphone gain</source>
        <translation>Verstärkung Kanalmikrofon</translation>
    </message>
    <message>
        <source>Audio channel parameters (not editable)</source>
        <translation>Parameter des Audiokanals (nicht änderbar)</translation>
    </message>
    <message>
        <source>ARS feedback over RTCP</source>
        <translation>ARS-Rückmeldung über RTCP</translation>
    </message>
    <message>
        <source>ARS feedback not sent</source>
        <translation>ARS-Rückmeldung nicht gesendet</translation>
    </message>
    <message>
        <source>Conference control off</source>
        <translation>Konferenzsteuerung aus</translation>
    </message>
    <message>
        <source>RTCP off</source>
        <translation>RTCP aus</translation>
    </message>
    <message>
        <source>QOS</source>
        <translation>QOS</translation>
    </message>
    <message>
        <source>Keep-alive (s)</source>
        <translation>Keep-alive (s)</translation>
    </message>
    <message>
        <source>Voice encoder parameters</source>
        <translation>Parameter des Sprachkodierers</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Payload type</source>
        <translation>Nutzlasttyp</translation>
    </message>
    <message>
        <source>Sampling frequency</source>
        <translation>Abtastfrequenz</translation>
    </message>
    <message>
        <source>Frame length (ms)</source>
        <translation>Rahmenlänge (ms)</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>FEC info packets</source>
        <translation>FEC-Infopakete</translation>
    </message>
    <message>
        <source>FEC check packets</source>
        <translation>FEC-Prüfpakete</translation>
    </message>
    <message>
        <source>FEC interleaving</source>
        <translation>FEC-Verschachtelung</translation>
    </message>
    <message>
        <source>Codec flags</source>
        <translation>Codec-Flags</translation>
    </message>
    <message>
        <source>Comfort noise</source>
        <translation>Komfortrauschen</translation>
    </message>
    <message>
        <source>Input/Output devices</source>
        <translation>Ein-/Ausgabegeräte</translation>
    </message>
    <message>
        <source>Audio input</source>
        <translation>Audioeingang</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Audioausgang</translation>
    </message>
    <message>
        <source>Video capture</source>
        <translation>Videoaufnahme</translation>
    </message>
    <message>
        <source>Video encoder parameters</source>
        <translation>Parameter des Videokodierers</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Key frame period</source>
        <translation>Schlüsselbildabstand</translation>
    </message>
    <message>
        <source>Image size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Redundancy</source>
        <translation>Redundanz</translation>
    </message>
    <message>
        <source>VEQ profile</source>
        <translation>VEQ-Profil</translation>
    </message>
    <message>
        <source>CPU Load Control</source>
        <translation>CPU-Lastregelung</translation>
    </message>
    <message>
        <source>State enabled</source>
        <translation>Zustand aktiv</translation>
    </message>
    <message>
        <source>Process load (%)</source>
        <translation>Prozesslast (%)</translation>
    </message>
    <message>
        <source>Total load (%)</source>
        <translation>Gesamtlast (%)</translation>
    </message>
    <message>
        <source>Control enabled</source>
        <translation>Regelung aktiv</translation>
    </message>
    <message>
        <source>Maximum process load (%)</source>
        <translation>Maximale Prozesslast (%)</translation>
    </message>
    <message>
        <source>Maximum total load (%)</source>
        <translation>Maximale Gesamtlast (%)</translation>
    </message>
    <message>
        <source>Sent video stream statistics</source>
        <translation>Statistik des gesendeten Videostroms</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Frames per second</source>
        <translation>Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>Dropped frames</source>
        <translation>Verworfene Bilder</translation>
    </message>
    <message>
        <source>Dropped per second</source>
        <translation>Verworfen pro Sekunde</translation>
    </message>
    <message>
        <source>Intra frames</source>
        <translation>Intra-Bilder</translation>
    </message>
    <message>
        <source>Resets</source>
        <translation>Zurücksetzungen</translation>
    </message>
    <message>
        <source>Queue length</source>
        <translation>Warteschlangenlänge</translation>
    </message>
    <message>
        <source>Efficient jitter</source>
        <translation>Effektiver Jitter</translation>
    </message>
    <message>
        <source>Average jitter</source>
        <translation>Mittlerer Jitter</translation>
    </message>
    <message>
        <source>Peak jitter</source>
        <translation>Höchster Jitter</translation>
    </message>
    <message>
        <source>Average retransmission delay</source>
        <translation>Mittlere Verzögerung der Neuübertragung</translation>
    </message>
    <message>
        <source>Peak retransmission delay</source>
        <translation>Höchste Verzögerung der Neuübertragung</translation>
    </message>
    <message>
        <source>RTP packets lost</source>
        <translation>Verlorene RTP-Pakete</translation>
    </message>
    <message>
        <source>RTP loss rate</source>
        <translation>RTP-Verlustrate</translation>
    </message>
    <message>
        <source>Received video stream statistics</source>
        <translation>Statistik des empfangenen Videostroms</translation>
    </message>
    <message>
        <source>Bitrate with overhead</source>
        <translation>Bitrate mit Overhead</translation>
    </message>
    <message>
        <source>Frames decoded</source>
        <translation>Dekodierte Bilder</translation>
    </message>
    <message>
        <source>Intra frames decoded</source>
        <translation>Dekodierte Intra-Bilder</translation>
    </message>
    <message>
        <source>Packet rate</source>
        <translation>Paketrate</translation>
    </message>
    <message>
        <source>Packets received</source>
        <translation>Empfangene Pakete</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>Verlorene Pakete</translation>
    </message>
    <message>
        <source>Packets recovered</source>
        <translation>Wiederhergestellte Pakete</translation>
    </message>
    <message>
        <source>Packets retransmitted</source>
        <translation>Erneut übertragene Pakete</translation>
    </message>
    <message>
        <source>Payload received</source>
        <translation>Empfangene Nutzdaten</translation>
    </message>
    <message>
        <source>Total received</source>
        <translation>Insgesamt empfangen</translation>
    </message>
    <message>
        <source>Online time (s)</source>
        <translation>Online-Zeit (s)</translation>
    </message>
    <message>
        <source>Inactive time (s)</source>
        <translation>Inaktive Zeit (s)</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <source>Retransmission delay</source>
        <translation>Verzögerung der Neuübertragung</translation>
    </message>
    <message>
        <source>Queue time</source>
        <translation>Wartezeit in der Warteschlange</translation>
    </message>
    <message>
        <source>Video Automatic bitRate Selector (ARS) parameters</source>
        <translation>Parameter der automatischen Bitratenwahl (ARS) für Video</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Initial bitrate</source>
        <translation>Anfangsbitrate</translation>
    </message>
    <message>
        <source>Low bitrate</source>
        <translation>Niedrige Bitrate</translation>
    </message>
    <message>
        <source>High bitrate</source>
        <translation>Hohe Bitrate</translation>
    </message>
    <message>
        <source>Low frame rate</source>
        <translation>Niedrige Bildrate</translation>
    </message>
    <message>
        <source>High frame rate</source>
        <translation>Hohe Bildrate</translation>
    </message>
    <message>
        <source>Frame resize</source>
        <translation>Bildgröße anpassen</translation>
    </message>
    <message>
        <source>Automatic FEC</source>
        <translation>Automatische FEC</translation>
    </message>
</context>
<context>
    <name>CallDebugInfoWebRTC</name>
    <message>
        <source>Video (Sent) statistics</source>
        <translation>Video-Statistik (gesendet)</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Maximum frame rate</source>
        <translation>Maximale Bildrate</translation>
    </message>
    <message>
        <source>Minimum bitrate</source>
        <translation>Minimale Bitrate</translation>
    </message>
    <message>
        <source>Start bitrate</source>
        <translation>Startbitrate</translation>
    </message>
    <message>
        <source>Target bitrate</source>
        <translation>Zielbitrate</translation>
    </message>
    <message>
        <source>Maximum bitrate</source>
        <translation>Maximale Bitrate</translation>
    </message>
    <message>
        <source>Encoder target bitrate</source>
        <translation>Zielbitrate des Kodierers</translation>
    </message>
    <message>
        <source>Key frames</source>
        <translation>Schlüsselbilder</translation>
    </message>
    <message>
        <source>Delta frames</source>
        <translation>Deltabilder</translation>
    </message>
    <message>
        <source>Average send delay</source>
        <translation>Mittlere Sendeverzögerung</translation>
    </message>
    <message>
        <source>Maximum send delay</source>
        <translation>Maximale Sendeverzögerung</translation>
    </message>
    <message>
        <source>Video (Recv) statistics</source>
        <translation>Video-Statistik (empfangen)</translation>
    </message>
    <message>
        <source>Receive delay (ms)</source>
        <translation>Empfangsverzögerung (ms)</translation>
    </message>
    <message>
        <source>Discarded for delay</source>
        <translation>Wegen Verzögerung verworfen</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Verworfen</translation>
    </message>
    <message>
        <source>Audio statistics</source>
        <translation>Audio-Statistik</translation>
    </message>
    <message>
        <source>Echo metrics</source>
        <translation>Echo-Messwerte</translation>
    </message>
    <message>
        <source>ERL</source>
        <translation>ERL</translation>
    </message>
    <message>
        <source>ERLE</source>
        <translation>ERLE</translation>
    </message>
    <message>
        <source>RERL</source>
        <translation>RERL</translation>
    </message>
    <message>
        <source>ANLP</source>
        <translation>ANLP</translation>
    </message>
    <message>
        <source>Delay median</source>
        <translation>Median der Verzögerung</translation>
    </message>
    <message>
        <source>Delay deviation</source>
        <translation>Abweichung der Verzögerung</translation>
    </message>
    <message>
        <source>Audio modes</source>
        <translation>Audiomodi</translation>
    </message>
    <message>
        <source>Noise suppression</source>
        <translation>Rauschunterdrückung</translation>
    </message>
    <message>
        <source>Noise suppression mode</source>
        <translation>Modus der Rauschunterdrückung</translation>
    </message>
    <message>
        <source>Gain control</source>
        <translation>Verstärkungsregelung</translation>
    </message>
    <message>
        <source>Gain control mode</source>
        <translation>Modus der Verstärkungsregelung</translation>
    </message>
    <message>
        <source>Target level</source>
        <translation>Zielpegel</translation>
    </message>
    <message>
        <source>Compression gain (dB)</source>
        <translation>Kompressionsverstärkung (dB)</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>Begrenzer</translation>
    </message>
    <message>
        <source>Echo cancellation</source>
        <translation>Echounterdrückung</translation>
    </message>
    <message>
        <source>Echo cancellation mode</source>
        <translation>Modus der Echounterdrückung</translation>
    </message>
    <message>
        <source>Mobile echo control mode</source>
        <translation>Modus der mobilen Echoregelung</translation>
    </message>
    <message>
        <source>Comfort noise</source>
        <translation>Komfortrauschen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Mikrofonlautstärke</translation>
    </message>
    <message>
        <source>Decode Timing</source>
        <translation>Dekodierzeiten</translation>
    </message>
    <message>
        <source>Decode (ms)</source>
        <translation>Dekodierung (ms)</translation>
    </message>
    <message>
        <source>Maximum decode (ms)</source>
        <translation>Maximale Dekodierung (ms)</translation>
    </message>
    <message>
        <source>Current delay</source>
        <translation>Aktuelle Verzögerung</translation>
    </message>
    <message>
        <source>Target delay</source>
        <translation>Zielverzögerung</translation>
    </message>
    <message>
        <source>Jitter buffer (ms)</source>
        <translation>Jitterpuffer (ms)</translation>
    </message>
    <message>
        <source>Minimum playout delay</source>
        <translation>Minimale Wiedergabeverzögerung</translation>
    </message>
    <message>
        <source>Render delay</source>
        <translation>Darstellungsverzögerung</translation>
    </message>
    <message>
        <source>Audio Codecs</source>
        <translation>Audio-Codecs</translation>
    </message>
    <message>
        <source>Sent payload type</source>
        <translation>Gesendeter Nutzlasttyp</translation>
    </message>
    <message>
        <source>Sent codec</source>
        <translation>Gesendeter Codec</translation>
    </message>
    <message>
        <source>Sent frequency</source>
        <translation>Gesendete Frequenz</translation>
    </message>
    <message>
        <source>Sent packet size</source>
        <translation>Gesendete Paketgröße</translation>
    </message>
    <message>
        <source>Sent channels</source>
        <translation>Gesendete Kanäle</translation>
    </message>
    <message>
        <source>Sent rate</source>
        <translation>Gesendete Rate</translation>
    </message>
    <message>
        <source>Received payload type</source>
        <translation>Empfangener Nutzlasttyp</translation>
    </message>
    <message>
        <source>Received codec</source>
        <translation>Empfangener Codec</translation>
    </message>
    <message>
        <source>Received frequency</source>
        <translation>Empfangene Frequenz</translation>
    </message>
    <message>
        <source>Received packet size</source>
        <translation>Empfangene Paketgröße</translation>
    </message>
    <message>
        <source>Received channels</source>
        <translation>Empfangene Kanäle</translation>
    </message>
    <message>
        <source>Received rate</source>
        <translation>Empfangene Rate</translation>
    </message>
    <message>
        <source>Received video stream statistics</source>
        <translation>Statistik des empfangenen Videostroms</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Sent video stream statistics</source>
        <translation>Statistik des gesendeten Videostroms</translation>
    </message>
</context>
<context>
    <name>CallDebugWindowBase</name>
    <message>
        <source>Call debug</source>
        <translation>Anruf-Diagnose</translation>
    </message>
</context>
<context>
    <name>CallInfo</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Call ended</source>
        <translation>Anruf beendet</translation>
    </message>
    <message>
        <source>Calling...</source>
        <translation>Anrufen...</translation>
    </message>
    <message>
        <source>Ringing...</source>
        <translation>Klingelt...</translation>
    </message>
    <message>
        <source>Incoming call</source>
        <translation>Eingehender Anruf</translation>
    </message>
    <message>
        <source>In call</source>
        <translation>Im Gespräch</translation>
    </message>
    <message>
        <source>On hold</source>
        <translation>Gehalten</translation>
    </message>
    <message>
        <source>Held by the other party</source>
        <translation>Von der Gegenseite gehalten</translation>
    </message>
</context>
<context>
    <name>CallParkWidget</name>
    <message>
        <source>Use my extension</source>
        <translation>Meine Durchwahl verwenden</translation>
    </message>
    <message>
        <source>Enter extension to park</source>
        <translation>Durchwahl zum Parken eingeben</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parken</translation>
    </message>
    <message>
        <source>Park Call</source>
        <translation>Anruf parken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CallSecurityBar</name>
    <message>
        <source>Recording</source>
        <translation>Aufnahme läuft</translation>
    </message>
    <message>
        <source>Recording paused</source>
        <translation>Aufnahme angehalten</translation>
    </message>
    <message>
        <source>Not recording</source>
        <translation>Keine Aufnahme</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Call Security: %1</source>
        <translation>Anrufsicherheit: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>CallSettings</name>
    <message>
        <source>Call Settings</source>
        <translation>Anrufeinstellungen</translation>
    </message>
    <message>
        <source>Corvantium Anywhere</source>
        <translation>Corvantium Anywhere</translation>
    </message>
    <message>
        <source>Corvantium Remote Office</source>
        <translation>Corvantium Remote Office</translation>
    </message>
    <message>
        <source>Forward Calls</source>
        <translation>Anrufe weiterleiten</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>Hide Number</source>
        <translation>Nummer unterdrücken</translation>
    </message>
    <message>
        <source>Simultaneous Ring Personal</source>
        <translation>Paralleles Klingeln</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>Fehlercode:</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Host Not Found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>Timeout Error</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Operation Canceled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Authentication Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Unknown Error %1</source>
        <translation>Unbekannter Fehler %1</translation>
    </message>
</context>
<context>
    <name>CallTransferWidget</name>
    <message>
        <source>Transfer Call</source>
        <translation>Anruf weiterleiten</translation>
    </message>
    <message>
        <source>Transfer Now</source>
        <translation>Jetzt weiterleiten</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parken</translation>
    </message>
    <message>
        <source>Hang Up</source>
        <translation>Auflegen</translation>
    </message>
</context>
<context>
    <name>ChatHeader</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
</context>
<context>
    <name>ChatNotification</name>
    <message>
        <source>My Room (%1)</source>
        <translation>Mein Raum (%1)</translation>
    </message>
    <message>
        <source>Group Chat (%1)</source>
        <translation>Gruppenchat (%1)</translation>
    </message>
    <message>
        <source>Incoming file transfer</source>
        <translation>Eingehende Dateiübertragung</translation>
    </message>
    <message>
        <source>Click to open share</source>
        <translation>Klicken, um die Freigabe zu öffnen</translation>
    </message>
</context>
<context>
    <name>ChatWidget</name>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>All History</source>
        <translation>Gesamter Verlauf</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Connection settings</source>
        <translation>Verbindungseinstellungen</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Datei senden</translation>
    </message>
    <message>
        <source>You are offline: messages cannot be sent until the chat service is reached again.</source>
        <translation>Sie sind offline: Nachrichten können erst gesendet werden, wenn der Chatdienst wieder erreichbar ist.</translation>
    </message>
</context>
<context>
    <name>ChatroomPassword</name>
    <message>
        <source>Error:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CommunicationNotification</name>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>CommunicationsWindow</name>
    <message>
        <source>Dismiss participant failed</source>
        <translation>Teilnehmer konnte nicht entlassen werden</translation>
    </message>
    <message>
        <source>Lock conference failed</source>
        <translation>Konferenz konnte nicht gesperrt werden</translation>
    </message>
    <message>
        <source>Unlock conference failed</source>
        <translation>Konferenz konnte nicht entsperrt werden</translation>
    </message>
    <message>
        <source>Mute participant failed</source>
        <translation>Teilnehmer konnte nicht stummgeschaltet werden</translation>
    </message>
    <message>
        <source>Unmute participant failed</source>
        <translation>Stummschaltung des Teilnehmers konnte nicht aufgehoben werden</translation>
    </message>
    <message>
        <source>Warning - End Call?</source>
        <translation>Warnung - Anruf beenden?</translation>
    </message>
    <message>
        <source>Closing this communication window will end the call. Are you sure you want to end the call and close the window?</source>
        <translation>Wenn Sie dieses Kommunikationsfenster schließen, wird der Anruf beendet. Möchten Sie den Anruf wirklich beenden und das Fenster schließen?</translation>
    </message>
    <message>
        <source>File Type Not Allowed</source>
        <translation>Dateityp nicht erlaubt</translation>
    </message>
    <message>
        <source>Following file types are not allowed

%1</source>
        <translation>Folgende Dateitypen sind nicht erlaubt

%1</translation>
    </message>
    <message>
        <source>Select File to Send...</source>
        <translation>Datei zum Senden auswählen...</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 on behalf of %2</source>
        <translation>%1 im Auftrag von %2</translation>
    </message>
    <message>
        <source>%1 %2 is calling for %3</source>
        <translation>%1 %2 ruft für %3 an</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Transfer Call</source>
        <translation>Anruf weiterleiten</translation>
    </message>
    <message>
        <source>Dismissed from Chat and Share</source>
        <translation>Aus Chat und Freigabe entlassen</translation>
    </message>
    <message>
        <source>You have been dismissed from chat and share by %1.</source>
        <translation>%1 hat Sie aus Chat und Freigabe entlassen.</translation>
    </message>
    <message>
        <source>Dismissed from Chat</source>
        <translation>Aus dem Chat entlassen</translation>
    </message>
    <message>
        <source>You have been dismissed from chat by %1.</source>
        <translation>%1 hat Sie aus dem Chat entlassen.</translation>
    </message>
    <message>
        <source>Dismissed from Share</source>
        <translation>Aus der Freigabe entlassen</translation>
    </message>
    <message>
        <source>You have been dismissed from share.</source>
        <translation>Sie wurden aus der Freigabe entlassen.</translation>
    </message>
    <message>
        <source>Error Sending Message</source>
        <translation>Fehler beim Senden der Nachricht</translation>
    </message>
    <message>
        <source>Your message could not be sent due to a network issue. Because of this some chat messages might not be visible in the history.</source>
        <translation>Ihre Nachricht konnte wegen eines Netzwerkproblems nicht gesendet werden. Deshalb sind einige Chatnachrichten im Verlauf möglicherweise nicht sichtbar.</translation>
    </message>
    <message>
        <source>Work%1%2</source>
        <translation>Geschäftlich%1%2</translation>
    </message>
    <message>
        <source>Extension%1%2</source>
        <translation>Durchwahl%1%2</translation>
    </message>
    <message>
        <source>Mobile%1%2</source>
        <translation>Mobil%1%2</translation>
    </message>
    <message>
        <source>Personal%1%2</source>
        <translation>Privat%1%2</translation>
    </message>
</context>
<context>
    <name>ConfigureRoomDialog</name>
    <message>
        <source>Edit Room</source>
        <translation>Raum bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Private Room</source>
        <translation>Privater Raum</translation>
    </message>
    <message>
        <source>Public Room</source>
        <translation>Öffentlicher Raum</translation>
    </message>
    <message>
        <source>Enable History</source>
        <translation>Verlauf aktivieren</translation>
    </message>
    <message>
        <source>Remove participants from room:</source>
        <translation>Teilnehmer aus dem Raum entfernen:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ConfirmRoomDeletion</name>
    <message>
        <source>Delete Room?</source>
        <translation>Raum löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete ?</source>
        <translation>Möchten Sie wirklich löschen?</translation>
    </message>
    <message>
        <source>Always ask before deleting room</source>
        <translation>Vor dem Löschen eines Raums immer fragen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ConfirmTeamTelephonyWindowClose</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Always ask before closing the TeamTelephony window</source>
        <translation>Vor dem Schließen des Teamtelefonie-Fensters immer fragen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>ConnectorList</name>
    <message>
        <source>Enable</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Verbunden: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Vendor Name: %1</source>
        <translation>Hersteller: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Beschreibung: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
</context>
<context>
    <name>ConnectorNotification</name>
    <message>
        <source>New Add-ins</source>
        <translation>Neue Add-ins</translation>
    </message>
</context>
<context>
    <name>ContactCard</name>
    <message>
        <source>Edit Contact</source>
        <translation>Kontakt bearbeiten</translation>
    </message>
    <message>
        <source>No details known.</source>
        <translation>Keine Angaben bekannt.</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Ausstehend</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>On the desk phone</source>
        <translation>Am Tischtelefon</translation>
    </message>
    <message>
        <source>On the mobile</source>
        <translation>Am Mobiltelefon</translation>
    </message>
    <message>
        <source>In a meeting</source>
        <translation>In einer Besprechung</translation>
    </message>
    <message>
        <source>In a call</source>
        <translation>Im Gespräch</translation>
    </message>
    <message>
        <source>Do not disturb</source>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Presence unknown</source>
        <translation>Anwesenheit unbekannt</translation>
    </message>
    <message>
        <source>Add Conference Contact</source>
        <translation>Konferenzkontakt hinzufügen</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Kontakt hinzufügen</translation>
    </message>
    <message>
        <source>Error Adding Contact</source>
        <translation>Fehler beim Hinzufügen des Kontakts</translation>
    </message>
    <message>
        <source>A contact in your contact list with the same IM Address has been found (%1). Please enter a different IM Address to add a new contact.</source>
        <translation>In Ihrer Kontaktliste gibt es bereits einen Kontakt mit derselben IM-Adresse (%1). Bitte geben Sie eine andere IM-Adresse ein, um einen neuen Kontakt hinzuzufügen.</translation>
    </message>
    <message>
        <source>Enter a name, an address or a number.</source>
        <translation>Geben Sie einen Namen, eine Adresse oder eine Nummer ein.</translation>
    </message>
    <message>
        <source>The contact list is not available.</source>
        <translation>Die Kontaktliste ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The contact cannot be added.</source>
        <translation>Der Kontakt kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from your contact list?</source>
        <translation>Möchten Sie %1 wirklich aus Ihrer Kontaktliste entfernen?</translation>
    </message>
    <message>
        <source>Match Found</source>
        <translation>Übereinstimmung gefunden</translation>
    </message>
    <message>
        <source>A matching contact with the same IM Address was found in the directory. Do you want to overwrite this contact&apos;s information with the information of %1 %2 from the directory?</source>
        <translation>Im Verzeichnis wurde ein Kontakt mit derselben IM-Adresse gefunden. Möchten Sie die Angaben dieses Kontakts mit den Angaben von %1 %2 aus dem Verzeichnis überschreiben?</translation>
    </message>
    <message>
        <source>A matching contact with the same contact information was found in the directory. Do you want to overwrite this contact&apos;s information with the information of %1 %2 from the directory?</source>
        <translation>Im Verzeichnis wurde ein Kontakt mit denselben Kontaktangaben gefunden. Möchten Sie die Angaben dieses Kontakts mit den Angaben von %1 %2 aus dem Verzeichnis überschreiben?</translation>
    </message>
    <message>
        <source>Import Information</source>
        <translation>Angaben übernehmen</translation>
    </message>
    <message>
        <source>Do you want to overwrite this contact&apos;s information with the information from the directory?</source>
        <translation>Möchten Sie die Angaben dieses Kontakts mit den Angaben aus dem Verzeichnis überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Multiple Matches Found</source>
        <translation>Mehrere Übereinstimmungen gefunden</translation>
    </message>
    <message>
        <source>Multiple matching contacts were found in the directory. To make sure you import the correct information, please search the directory by name and add a contact from the search results.</source>
        <translation>Im Verzeichnis wurden mehrere passende Kontakte gefunden. Damit Sie die richtigen Angaben übernehmen, suchen Sie bitte im Verzeichnis nach dem Namen und fügen Sie einen Kontakt aus den Suchergebnissen hinzu.</translation>
    </message>
</context>
<context>
    <name>ContactCardFooter</name>
    <message>
        <source>Waiting for the server...</source>
        <translation>Warten auf den Server...</translation>
    </message>
    <message>
        <source>Import The Directory Information to Profile</source>
        <translation>Angaben aus dem Verzeichnis ins Profil übernehmen</translation>
    </message>
    <message>
        <source>Add to Contact List</source>
        <translation>Zur Kontaktliste hinzufügen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Kontakt bearbeiten</translation>
    </message>
    <message>
        <source>Delete Contact</source>
        <translation>Kontakt löschen</translation>
    </message>
</context>
<context>
    <name>ContactCardPresenceInfo</name>
    <message>
        <source>%1, local time %2</source>
        <translation>%1, Ortszeit %2</translation>
    </message>
    <message>
        <source>Groups: %1</source>
        <translation>Gruppen: %1</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Set as Favorite</source>
        <translation>Als Favorit festlegen</translation>
    </message>
</context>
<context>
    <name>ContactList</name>
    <message>
        <source>Contacts are not able to be shown due to a connection error. Please try again later.</source>
        <translation>Die Kontakte können wegen eines Verbindungsfehlers nicht angezeigt werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Retrieving...</source>
        <translation>Wird abgerufen...</translation>
    </message>
    <message>
        <source>None of your contacts are online. Check &quot;Show Offline Contacts&quot; in the contact menu to see all of your contacts.</source>
        <translation>Keiner Ihrer Kontakte ist online. Wählen Sie „Offline-Kontakte anzeigen“ im Kontaktmenü, um alle Kontakte zu sehen.</translation>
    </message>
    <message>
        <source>Your contacts list is empty. To add contacts, search or add from the menu.</source>
        <translation>Ihre Kontaktliste ist leer. Suchen Sie Kontakte oder fügen Sie sie über das Menü hinzu.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>No matches found</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Contact Added</source>
        <translation>Kontakt hinzugefügt</translation>
    </message>
</context>
<context>
    <name>ContactMouseOver</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>pending chat</source>
        <translation>wartender Chat</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>moderator</source>
        <translation>Moderator</translation>
    </message>
    <message>
        <source>Voice, %1</source>
        <translation>Sprache, %1</translation>
    </message>
    <message>
        <source>Video, %1</source>
        <translation>Video, %1</translation>
    </message>
    <message>
        <source>Fax, %1</source>
        <translation>Fax, %1</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Missed Call</source>
        <translation>Verpasster Anruf</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Ausgehender Anruf</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Eingehender Anruf</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>ContactSelectionWidget</name>
    <message>
        <source>Search and Dial</source>
        <translation>Suchen und wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Attended Audio</source>
        <translation>Mit Rückfrage (Audio)</translation>
    </message>
    <message>
        <source>Attended Audio from Phone</source>
        <translation>Mit Rückfrage (Audio vom Telefon)</translation>
    </message>
    <message>
        <source>Attended Video</source>
        <translation>Mit Rückfrage (Video)</translation>
    </message>
    <message>
        <source>Audio call to selected contact</source>
        <translation>Audioanruf an den gewählten Kontakt</translation>
    </message>
    <message>
        <source>Video call to selected contact</source>
        <translation>Videoanruf an den gewählten Kontakt</translation>
    </message>
</context>
<context>
    <name>DetailsPane</name>
    <message>
        <source>Dial-in Info</source>
        <translation>Einwahldaten</translation>
    </message>
</context>
<context>
    <name>Dialogs::CallCenterAgentDialog</name>
    <message>
        <source>Queues</source>
        <translation>Warteschlangen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>You have signed in, but are not yet ready to receive calls.</source>
        <translation>Sie sind angemeldet, aber noch nicht bereit, Anrufe anzunehmen.</translation>
    </message>
    <message>
        <source>You are ready to receive calls.</source>
        <translation>Sie sind bereit, Anrufe anzunehmen.</translation>
    </message>
    <message>
        <source>You are not available to receive calls.</source>
        <translation>Sie sind für Anrufe nicht verfügbar.</translation>
    </message>
    <message>
        <source>You are wrapping up and not available to receive calls.</source>
        <translation>Sie sind in der Nachbearbeitung und für Anrufe nicht verfügbar.</translation>
    </message>
    <message>
        <source>You are signed out and will not receive calls.</source>
        <translation>Sie sind abgemeldet und erhalten keine Anrufe.</translation>
    </message>
    <message>
        <source>No queues assigned</source>
        <translation>Keine Warteschlangen zugewiesen</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Error: There was an error getting the Call Center Agent content. Please try again later or contact your system administrator</source>
        <translation>Fehler: Die Angaben für Call-Center-Agenten konnten nicht abgerufen werden. Bitte versuchen Sie es später erneut oder wenden Sie sich an Ihren Systemadministrator</translation>
    </message>
    <message>
        <source>Error: There was an error saving your changes. Please try again later or contact your system administrator</source>
        <translation>Fehler: Ihre Änderungen konnten nicht gespeichert werden. Bitte versuchen Sie es später erneut oder wenden Sie sich an Ihren Systemadministrator</translation>
    </message>
</context>
<context>
    <name>Dialogs::ConfigureRoom</name>
    <message>
        <source>If you enable the history anyone joining this room will see the last %1 messages sent</source>
        <translation>Mit aktiviertem Verlauf sieht jeder, der den Raum betritt, die letzten %1 gesendeten Nachrichten</translation>
    </message>
    <message>
        <source>Create Room</source>
        <translation>Raum erstellen</translation>
    </message>
    <message>
        <source>Edit Room</source>
        <translation>Raum bearbeiten</translation>
    </message>
    <message>
        <source>Room Changed to Private Room</source>
        <translation>Raum in privaten Raum geändert</translation>
    </message>
    <message>
        <source>Chat room changed to private room, re-invite members to chat room.</source>
        <translation>Der Chatraum ist jetzt privat. Laden Sie die Mitglieder erneut in den Chatraum ein.</translation>
    </message>
</context>
<context>
    <name>Dialogs::DeleteRoomDialog</name>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>Dialogs::LocationPublish</name>
    <message>
        <source>Location to be published: %1  %2</source>
        <translation>Zu veröffentlichender Standort: %1  %2</translation>
    </message>
    <message>
        <source>Use automatic location: %1  %2</source>
        <translation>Automatischen Standort verwenden: %1  %2</translation>
    </message>
    <message>
        <source>No Time</source>
        <translation>Keine Zeit</translation>
    </message>
    <message>
        <source>Suggested times</source>
        <translation>Vorgeschlagene Zeiten</translation>
    </message>
    <message>
        <source> (Computer time)</source>
        <translation> (Computerzeit)</translation>
    </message>
    <message>
        <source> (Automatic time)</source>
        <translation> (Automatische Zeit)</translation>
    </message>
    <message>
        <source> (Last used)</source>
        <translation> (Zuletzt verwendet)</translation>
    </message>
</context>
<context>
    <name>Dialogs::MessageWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Ja, alle</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>Nein, keine</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Never ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>Dialogs::PasswordChangeNotification</name>
    <message>
        <source>Password change notification</source>
        <translation>Hinweis zur Passwortänderung</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sending request, please wait...</source>
        <translation>Anfrage wird gesendet, bitte warten...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please input your new password</source>
        <translation>Bitte geben Sie Ihr neues Passwort ein</translation>
    </message>
    <message>
        <source>Cannot change password:</source>
        <translation>Das Passwort kann nicht geändert werden:</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>Fehlercode:</translation>
    </message>
    <message>
        <source>The password has been changed successfully</source>
        <translation>Das Passwort wurde erfolgreich geändert</translation>
    </message>
</context>
<context>
    <name>Dialogs::PreferencesWindow</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>Dialogs::SettingsEditor</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Dialogs::SimpleCredentialsDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Dialogs::SupplementaryServices</name>
    <message>
        <source>Supplementary Services</source>
        <translation>Zusatzdienste</translation>
    </message>
    <message>
        <source>Supplementary Service Failure</source>
        <translation>Fehler beim Zusatzdienst</translation>
    </message>
    <message>
        <source>Failed to change supplementary service: %1</source>
        <translation>Der Zusatzdienst konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Supplementary services fetch failed:</source>
        <translation>Die Zusatzdienste konnten nicht abgerufen werden:</translation>
    </message>
    <message>
        <source>Vyx Communication Failure</source>
        <translation>Vyx-Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Enter forwarding number</source>
        <translation>Weiterleitungsnummer eingeben</translation>
    </message>
</context>
<context>
    <name>Dialogs::TeamTelephonyCloseDialog</name>
    <message>
        <source>By closing this window, you will no longer be able to receive team call status updates. To open the window again, go to Preferences &gt; Team Telephony.

Are you sure you want to close the window?</source>
        <translation>Wenn Sie dieses Fenster schließen, erhalten Sie keine Anrufzustände Ihres Teams mehr. Um das Fenster wieder zu öffnen, gehen Sie zu Einstellungen &gt; Teamtelefonie.

Möchten Sie das Fenster wirklich schließen?</translation>
    </message>
</context>
<context>
    <name>Dialpad</name>
    <message>
        <source>Enter digits</source>
        <translation>Ziffern eingeben</translation>
    </message>
    <message>
        <source>Start new call</source>
        <translation>Neuen Anruf starten</translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation>Sprachnachrichten</translation>
    </message>
</context>
<context>
    <name>ErrorInfo</name>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>EulaDialog</name>
    <message>
        <source>End User License Agreement</source>
        <translation>Endbenutzer-Lizenzvertrag</translation>
    </message>
</context>
<context>
    <name>EulaPage</name>
    <message>
        <source>I Agree</source>
        <translation>Ich stimme zu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>ENDBENUTZER-LIZENZVERTRAG

Bitte lesen Sie diesen Vertrag, bevor Sie die Software verwenden. Mit „Ich stimme zu“ nehmen Sie seine Bedingungen an; wenn Sie sie nicht annehmen, wählen Sie „Abbrechen“ und verwenden Sie die Software nicht.

1. Lizenz. Sie dürfen diese Kopie der Software installieren und damit bei den Konten des Kommunikationsdienstes anmelden, die Sie verwenden dürfen.

2. Einschränkungen. Sie dürfen die Software weder verkaufen, vermieten, verleihen noch unterlizenzieren und ihre Hinweise weder entfernen noch ändern.

3. Open-Source-Bestandteile. Die Software enthält Open-Source-Bestandteile unter ihren jeweils eigenen Lizenzen. Das Fenster „Info“ führt sie auf.

4. Ihre Daten. Die Software speichert Ihren Benutzernamen auf diesem Computer. Ihr Kennwort wird nur gespeichert, wenn Sie „Kennwort speichern“ wählen, und dann nur im Schlüsselbund Ihres Desktops.

5. Keine Gewährleistung. Die Software wird „wie besehen“ ohne jede Gewährleistung bereitgestellt. Soweit gesetzlich zulässig, haftet der Anbieter nicht für Schäden aus ihrer Verwendung.

6. Beendigung. Diese Lizenz endet, wenn Sie die Software nicht mehr verwenden und alle Kopien löschen.</translation>
    </message>
    <message>
        <source>Corfirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Are you sure you want to quit %1 Setup?</source>
        <translation>Möchten Sie die Einrichtung von %1 wirklich beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>ExecutiveSelector</name>
    <message>
        <source>Call As:</source>
        <translation>Anrufen als:</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>Participants</source>
        <translation>Teilnehmer</translation>
    </message>
    <message>
        <source>Hide participants and sharing</source>
        <translation>Teilnehmer und Freigabe ausblenden</translation>
    </message>
    <message>
        <source>Show participants and sharing</source>
        <translation>Teilnehmer und Freigabe einblenden</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Stummschaltung aufheben</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>Turn the microphone on</source>
        <translation>Mikrofon einschalten</translation>
    </message>
    <message>
        <source>Turn the microphone off</source>
        <translation>Mikrofon ausschalten</translation>
    </message>
    <message>
        <source>Turn the sound on</source>
        <translation>Ton einschalten</translation>
    </message>
    <message>
        <source>Turn the sound off</source>
        <translation>Ton ausschalten</translation>
    </message>
    <message>
        <source>Dialpad</source>
        <translation>Wähltastatur</translation>
    </message>
    <message>
        <source>Hide the dial pad</source>
        <translation>Wähltastatur ausblenden</translation>
    </message>
    <message>
        <source>Show the dial pad</source>
        <translation>Wähltastatur einblenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>Forwarding</name>
    <message>
        <source>Forward Calls</source>
        <translation>Anrufe weiterleiten</translation>
    </message>
    <message>
        <source>Send your calls to another number: always, or only when you are busy, do not answer or cannot be reached.</source>
        <translation>Leiten Sie Ihre Anrufe an eine andere Nummer weiter: immer oder nur, wenn Sie besetzt sind, nicht antworten oder nicht erreichbar sind.</translation>
    </message>
    <message>
        <source>Always forward: </source>
        <translation>Immer weiterleiten: </translation>
    </message>
    <message>
        <source>Forward when busy: </source>
        <translation>Weiterleiten bei besetzt: </translation>
    </message>
    <message>
        <source>Forward when unanswered: </source>
        <translation>Weiterleiten, wenn keine Antwort: </translation>
    </message>
    <message>
        <source>Forward when unreachable: </source>
        <translation>Weiterleiten, wenn nicht erreichbar: </translation>
    </message>
    <message>
        <source>No forwarding services available for this account</source>
        <translation>Für dieses Konto sind keine Weiterleitungsdienste verfügbar</translation>
    </message>
</context>
<context>
    <name>GroupParticipantDelegate</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation>Moderator</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>%1 (Me)</source>
        <translation>%1 (Ich)</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Stumm</translation>
    </message>
</context>
<context>
    <name>GuestNotification</name>
    <message>
        <source>%1 (guest) requests to join your room.</source>
        <translation>%1 (Gast) möchte Ihrem Raum beitreten.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Ablehnen</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Voicemail list failed to load</source>
        <translation>Die Liste der Sprachnachrichten konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>You have no voicemails</source>
        <translation>Sie haben keine Sprachnachrichten</translation>
    </message>
    <message>
        <source>Call Logs list failed to load</source>
        <translation>Die Anrufliste konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Your call history is empty</source>
        <translation>Ihr Anrufverlauf ist leer</translation>
    </message>
    <message>
        <source>Your chat history is empty</source>
        <translation>Ihr Chatverlauf ist leer</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation>Sprachnachrichten</translation>
    </message>
    <message>
        <source>Chats</source>
        <translation>Chats</translation>
    </message>
    <message>
        <source>New messages: %1</source>
        <translation>Neue Nachrichten: %1</translation>
    </message>
    <message>
        <source>No new messages</source>
        <translation>Keine neuen Nachrichten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>Kivo::Models::Groups</name>
    <message>
        <source>Other Contacts</source>
        <translation>Weitere Kontakte</translation>
    </message>
</context>
<context>
    <name>LeftPane</name>
    <message>
        <source> Pending Request to Join</source>
        <translation> ausstehende Beitrittsanfrage</translation>
    </message>
    <message>
        <source> Pending Requests to Join</source>
        <translation> ausstehende Beitrittsanfragen</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>Räume</translation>
    </message>
    <message>
        <source>My Presence Info</source>
        <translation>Meine Anwesenheit</translation>
    </message>
    <message>
        <source>Presence disabled due to connectivity issues</source>
        <translation>Anwesenheit wegen Verbindungsproblemen deaktiviert</translation>
    </message>
</context>
<context>
    <name>LocationItem</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>LocationPublishDialog</name>
    <message>
        <source>My Location</source>
        <translation>Mein Standort</translation>
    </message>
    <message>
        <source>Your location is automatically determined when a location change is detected. You can choose to publish the automatically determined location or manually set the location description and time zone.</source>
        <translation>Ihr Standort wird automatisch ermittelt, wenn ein Standortwechsel erkannt wird. Sie können den automatisch ermittelten Standort veröffentlichen oder Standortbeschreibung und Zeitzone selbst festlegen.</translation>
    </message>
    <message>
        <source>Use auto location</source>
        <translation>Automatischen Standort verwenden</translation>
    </message>
    <message>
        <source>Use manual location</source>
        <translation>Manuellen Standort verwenden</translation>
    </message>
    <message>
        <source>Set Location</source>
        <translation>Standort festlegen</translation>
    </message>
    <message>
        <source>Adjust for Daylight Savings Time (DST)</source>
        <translation>Sommerzeit berücksichtigen</translation>
    </message>
    <message>
        <source>Always ask before publishing new location information</source>
        <translation>Vor dem Veröffentlichen neuer Standortangaben immer fragen</translation>
    </message>
    <message>
        <source>Location to be published: HELSINKI, FINLAND 15:30</source>
        <translation>Zu veröffentlichender Standort: HELSINKI, FINLAND 15:30</translation>
    </message>
    <message>
        <source>Publish Location</source>
        <translation>Standort veröffentlichen</translation>
    </message>
    <message>
        <source>No Location</source>
        <translation>Kein Standort</translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>Enter your username</source>
        <translation>Benutzernamen eingeben</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Kennwort eingeben</translation>
    </message>
    <message>
        <source>Enter login URL to access client</source>
        <translation>Anmelde-URL eingeben</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Kennwort vergessen?</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Kennwort speichern</translation>
    </message>
    <message>
        <source>Sign in automatically</source>
        <translation>Automatisch anmelden</translation>
    </message>
    <message>
        <source>Fetching Proxy Settings...</source>
        <translation>Proxy-Einstellungen werden abgerufen...</translation>
    </message>
    <message>
        <source>Signing In...</source>
        <translation>Anmeldung läuft...</translation>
    </message>
    <message>
        <source>Signing Out...</source>
        <translation>Abmeldung läuft...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Signing Out</source>
        <translation>Abmeldung läuft</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>No password store (Secret Service or KWallet) answers on this desktop, so the password cannot be remembered.</source>
        <translation>Auf diesem Desktop antwortet kein Kennwortspeicher (Secret Service oder KWallet), daher kann das Kennwort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Search Rooms</source>
        <translation>Räume durchsuchen</translation>
    </message>
    <message>
        <source>Search and Dial</source>
        <translation>Suchen und wählen</translation>
    </message>
    <message>
        <source>Own Contacts</source>
        <translation>Eigene Kontakte</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Contact Already Exists</source>
        <translation>Kontakt existiert bereits</translation>
    </message>
    <message>
        <source>This person is already in your contact list under display name %1</source>
        <translation>Diese Person ist bereits unter dem Anzeigenamen %1 in Ihrer Kontaktliste</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from your contact list?</source>
        <translation>Möchten Sie %1 wirklich aus Ihrer Kontaktliste entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected contacts from your contact list?</source>
        <translation>Möchten Sie die ausgewählten Kontakte wirklich aus Ihrer Kontaktliste entfernen?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this message?</source>
        <translation>Möchten Sie diese Nachricht wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these messages?</source>
        <translation>Möchten Sie diese Nachrichten wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>MediaEngineConfigurator</name>
    <message>
        <source>My Recording Files</source>
        <translation>Meine Aufnahmen</translation>
    </message>
</context>
<context>
    <name>Models::Chat::MessageModel</name>
    <message>
        <source>Me</source>
        <translation>Ich</translation>
    </message>
    <message>
        <source>Request timed out, message wasn&apos;t sent.</source>
        <translation>Zeitüberschreitung, die Nachricht wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>Sending file %1 of %2</source>
        <translation>Datei %1 von %2 wird gesendet</translation>
    </message>
    <message>
        <source>Receiving file %1 of %2</source>
        <translation>Datei %1 von %2 wird empfangen</translation>
    </message>
    <message>
        <source>Cancel Transfer</source>
        <translation>Übertragung abbrechen</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>Datei gesendet</translation>
    </message>
    <message>
        <source>File Size %1. The incoming file is too large. The transfer has been cancelled.</source>
        <translation>Dateigröße %1. Die eingehende Datei ist zu groß. Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>File Size %1. The outgoing file is too large. The transfer has been cancelled.</source>
        <translation>Dateigröße %1. Die ausgehende Datei ist zu groß. Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Transfer cancelled, file type not allowed.</source>
        <translation>Übertragung abgebrochen, Dateityp nicht erlaubt.</translation>
    </message>
    <message>
        <source>Read more...</source>
        <translation>Weiterlesen...</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>Transfer failed</source>
        <translation>Übertragung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Transfer timed out</source>
        <translation>Zeitüberschreitung bei der Übertragung</translation>
    </message>
    <message>
        <source>Transfer failed. Incompatible encryption level.</source>
        <translation>Übertragung fehlgeschlagen. Unverträgliche Verschlüsselungsstufe.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>File Size %1</source>
        <translation>Dateigröße %1</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Warten...</translation>
    </message>
    <message>
        <source>File received, click to open</source>
        <translation>Datei empfangen, zum Öffnen klicken</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>%1 tried to send a type of file that you are not allowed to receive.</source>
        <translation>%1 wollte einen Dateityp senden, den Sie nicht empfangen dürfen.</translation>
    </message>
    <message>
        <source>Type of selected file(s) is not allowed to be sent.</source>
        <translation>Der Typ der gewählten Datei(en) darf nicht gesendet werden.</translation>
    </message>
    <message>
        <source>In chat: %1</source>
        <translation>Im Chat: %1</translation>
    </message>
    <message>
        <source>%1 joined chat %2</source>
        <translation>%1 ist dem Chat beigetreten %2</translation>
    </message>
    <message>
        <source>%1 has requested to join your room %2</source>
        <translation>%1 möchte Ihrem Raum beitreten %2</translation>
    </message>
    <message>
        <source>%1 has joined your room %2</source>
        <translation>%1 ist Ihrem Raum beigetreten %2</translation>
    </message>
    <message>
        <source>%1&apos;s request to join your room has been declined %2</source>
        <translation>Die Beitrittsanfrage von %1 wurde abgelehnt %2</translation>
    </message>
    <message>
        <source>%1 has left the room %2</source>
        <translation>%1 hat den Raum verlassen %2</translation>
    </message>
    <message>
        <source>%1 has been dismissed %2</source>
        <translation>%1 wurde entlassen %2</translation>
    </message>
    <message>
        <source>%1 has left chat %2</source>
        <translation>%1 hat den Chat verlassen %2</translation>
    </message>
    <message>
        <source>%1 joined Desktop Share %2</source>
        <translation>%1 ist der Desktopfreigabe beigetreten %2</translation>
    </message>
    <message>
        <source>%1 left Desktop Share %2</source>
        <translation>%1 hat die Desktopfreigabe verlassen %2</translation>
    </message>
    <message>
        <source>%1&apos;s share stopped %2</source>
        <translation>Die Freigabe von %1 wurde beendet %2</translation>
    </message>
    <message>
        <source>%1&apos;s share started %2</source>
        <translation>Die Freigabe von %1 hat begonnen %2</translation>
    </message>
    <message>
        <source>Your share will close in %1 minute(s) due to inactivity unless you continue using the share before that.</source>
        <translation>Ihre Freigabe wird wegen Inaktivität in %1 Minute(n) geschlossen, wenn Sie sie bis dahin nicht weiter verwenden.</translation>
    </message>
    <message>
        <source>Your share has been closed.</source>
        <translation>Ihre Freigabe wurde geschlossen.</translation>
    </message>
    <message>
        <source>Drag and drop contacts from the contact list to add them as participants to this chat.</source>
        <translation>Ziehen Sie Kontakte aus der Kontaktliste hierher, um sie als Teilnehmer zu diesem Chat hinzuzufügen.</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 schreibt...</translation>
    </message>
    <message>
        <source>%1 are typing...</source>
        <translation>%1 schreiben...</translation>
    </message>
    <message>
        <source>This message was too long to show: only its first %L1 of %L2 characters are shown.</source>
        <translation>Diese Nachricht war zu lang: Nur die ersten %L1 von %L2 Zeichen werden angezeigt.</translation>
    </message>
</context>
<context>
    <name>Models::ErrorInfoModel</name>
    <message>
        <source>Network connection lost</source>
        <translation>Netzwerkverbindung unterbrochen</translation>
    </message>
    <message>
        <source>All network based features are unavailable. Please check your network connection.</source>
        <translation>Alle Netzwerkfunktionen sind nicht verfügbar. Bitte prüfen Sie Ihre Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>Calls unavailable</source>
        <translation>Anrufe nicht verfügbar</translation>
    </message>
    <message>
        <source>Calling is unavailable. Please check your network connection and ensure that SIP is allowed.</source>
        <translation>Anrufe sind nicht verfügbar. Bitte prüfen Sie Ihre Netzwerkverbindung und ob SIP erlaubt ist.</translation>
    </message>
    <message>
        <source>Chat unavailable</source>
        <translation>Chat nicht verfügbar</translation>
    </message>
    <message>
        <source>Chat is unavailable. Please check your network connection and ensure that XMPP is allowed.</source>
        <translation>Der Chat ist nicht verfügbar. Bitte prüfen Sie Ihre Netzwerkverbindung und ob XMPP erlaubt ist.</translation>
    </message>
    <message>
        <source>Some events are unavailable</source>
        <translation>Einige Ereignisse sind nicht verfügbar</translation>
    </message>
    <message>
        <source>Call settings and calling from phone is unavailable. Please check your network connection.</source>
        <translation>Anrufeinstellungen und Anrufe vom Telefon sind nicht verfügbar. Bitte prüfen Sie Ihre Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>Calling from phone unavailable</source>
        <translation>Anrufe vom Telefon nicht verfügbar</translation>
    </message>
    <message>
        <source>Calling from phone is unavailable. Please check your network connection and ensure that your account is properly provisioned.</source>
        <translation>Anrufe vom Telefon sind nicht verfügbar. Bitte prüfen Sie Ihre Netzwerkverbindung und die Einrichtung Ihres Kontos.</translation>
    </message>
    <message>
        <source>Error retrieving history</source>
        <translation>Fehler beim Abrufen des Verlaufs</translation>
    </message>
    <message>
        <source>Unable to retrieve updated call logs. Please check your network connection.</source>
        <translation>Die Anrufliste konnte nicht aktualisiert werden. Bitte prüfen Sie Ihre Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>Desktop share unavailable</source>
        <translation>Bildschirmfreigabe nicht verfügbar</translation>
    </message>
    <message>
        <source>Unable to start desktop share. Please try again later. If the problem persists, please contact your service provider.</source>
        <translation>Die Bildschirmfreigabe konnte nicht gestartet werden. Bitte versuchen Sie es später erneut. Besteht das Problem weiter, wenden Sie sich an Ihren Dienstanbieter.</translation>
    </message>
    <message>
        <source>Desktop share credential error</source>
        <translation>Fehler bei den Anmeldedaten der Bildschirmfreigabe</translation>
    </message>
    <message>
        <source>Your Desktop Share credentials seem to be unavailable or invalid.</source>
        <translation>Ihre Anmeldedaten für die Bildschirmfreigabe fehlen oder sind ungültig.</translation>
    </message>
    <message>
        <source>Your Desktop Share credentials seem to be unavailable or invalid. You can update your credentials from the Preferences.</source>
        <translation>Ihre Anmeldedaten für die Bildschirmfreigabe fehlen oder sind ungültig. Sie können sie in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Corporate directory credential error</source>
        <translation>Fehler bei den Anmeldedaten des Firmenverzeichnisses</translation>
    </message>
    <message>
        <source>Your LDAP credentials seem to be unavailable or invalid. You can update your credentials from the Preferences.</source>
        <translation>Ihre LDAP-Anmeldedaten fehlen oder sind ungültig. Sie können sie in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Outlook not detected</source>
        <translation>Outlook nicht gefunden</translation>
    </message>
    <message>
        <source>There was an error locating Microsoft Outlook on your system. If you have Outlook installed, please exit and restart your client. If you do not have Outlook installed, you can disable Outlook features via Preferences.</source>
        <translation>Microsoft Outlook wurde auf Ihrem System nicht gefunden. Ist Outlook installiert, beenden und starten Sie das Programm neu. Andernfalls können Sie die Outlook-Funktionen in den Einstellungen abschalten.</translation>
    </message>
    <message>
        <source>Emergency calls unavailable</source>
        <translation>Notrufe nicht verfügbar</translation>
    </message>
    <message>
        <source>Emergency calls are not supported. Please use another phone.</source>
        <translation>Notrufe werden nicht unterstützt. Bitte verwenden Sie ein anderes Telefon.</translation>
    </message>
    <message>
        <source>Contact list version mismatch</source>
        <translation>Version der Kontaktliste passt nicht</translation>
    </message>
    <message>
        <source>Contact list version mismatch - contact list is read only.</source>
        <translation>Version der Kontaktliste passt nicht – die Kontaktliste ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>No new communications allowed</source>
        <translation>Keine neuen Unterhaltungen möglich</translation>
    </message>
    <message>
        <source>The maximum amount of communication windows has been reached. Please close some to open new ones.</source>
        <translation>Die höchste Zahl an Unterhaltungsfenstern ist erreicht. Bitte schließen Sie einige, um neue zu öffnen.</translation>
    </message>
    <message>
        <source>Corporate Directory (LDAP) Error</source>
        <translation>Fehler im Firmenverzeichnis (LDAP)</translation>
    </message>
</context>
<context>
    <name>Models::LeftPaneButtonsModel</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Communication History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Dialpad</source>
        <translation>Wähltastatur</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
</context>
<context>
    <name>Models::RingerModel</name>
    <message>
        <source>Select other...</source>
        <translation>Andere auswählen...</translation>
    </message>
    <message>
        <source>Use default ring signal</source>
        <translation>Standardklingelton verwenden</translation>
    </message>
</context>
<context>
    <name>Models::TimeLineTabsModel</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>VoiceMail</source>
        <translation>Sprachnachrichten</translation>
    </message>
</context>
<context>
    <name>NotificationsWidget</name>
    <message>
        <source>Transfer</source>
        <translation>Weiterleiten</translation>
    </message>
</context>
<context>
    <name>NumberInput</name>
    <message>
        <source>Set</source>
        <translation>Festlegen</translation>
    </message>
</context>
<context>
    <name>OwnPresence</name>
    <message>
        <source>Set Location</source>
        <translation>Standort festlegen</translation>
    </message>
    <message>
        <source>New messages: %1</source>
        <translation>Neue Nachrichten: %1</translation>
    </message>
    <message>
        <source>What&apos;s on your mind?</source>
        <translation>Was gibt es Neues?</translation>
    </message>
</context>
<context>
    <name>ParticipantsPane</name>
    <message>
        <source>Participants</source>
        <translation>Teilnehmer</translation>
    </message>
</context>
<context>
    <name>Preferences::AudioHandler</name>
    <message>
        <source>Use Default</source>
        <translation>Standard verwenden</translation>
    </message>
    <message>
        <source>Use Output Device</source>
        <translation>Ausgabegerät verwenden</translation>
    </message>
</context>
<context>
    <name>Preferences::ConfirmationsHandler</name>
    <message>
        <source>Use PC Client as default ringing device</source>
        <translation>PC als Standard-Klingelgerät verwenden</translation>
    </message>
    <message>
        <source>Use Mobile as default ringing device</source>
        <translation>Mobiltelefon als Standard-Klingelgerät verwenden</translation>
    </message>
    <message>
        <source>Use Deskphone as default ringing device</source>
        <translation>Tischtelefon als Standard-Klingelgerät verwenden</translation>
    </message>
    <message>
        <source>Ring all devices</source>
        <translation>Alle Geräte klingeln lassen</translation>
    </message>
</context>
<context>
    <name>Preferences::CredentialsHandler</name>
    <message>
        <source>The credentials below are downloaded from the network, they cannot be modified here.</source>
        <translation>Die folgenden Zugangsdaten werden aus dem Netzwerk geladen und können hier nicht geändert werden.</translation>
    </message>
    <message>
        <source> Web Collaboration credentials can be edited above.</source>
        <translation> Die Zugangsdaten für die Web-Zusammenarbeit können oben bearbeitet werden.</translation>
    </message>
    <message>
        <source>Remove Account</source>
        <translation>Konto entfernen</translation>
    </message>
    <message>
        <source>Primary account removal will lead to removal of all accounts. Do you want to proceed?</source>
        <translation>Wenn Sie das Hauptkonto entfernen, werden alle Konten entfernt. Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>Preferences::SoundsHandler</name>
    <message>
        <source>Select other...</source>
        <translation>Andere auswählen...</translation>
    </message>
    <message>
        <source>Standard ring signal</source>
        <translation>Standard-Klingelton</translation>
    </message>
    <message>
        <source>Open Sound File</source>
        <translation>Sounddatei öffnen</translation>
    </message>
    <message>
        <source>Sound files (*.wav)</source>
        <translation>Sounddateien (*.wav)</translation>
    </message>
</context>
<context>
    <name>Preferences::Widgets::CredentialWidget</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>To be able to enter new credentials, you&apos;ll have to logout and login anew.</source>
        <translation>Um neue Zugangsdaten einzugeben, müssen Sie sich ab- und wieder anmelden.</translation>
    </message>
</context>
<context>
    <name>PresenceRequestDialog</name>
    <message>
        <source>The following users want to share presence information with you:</source>
        <translation>Folgende Personen möchten ihre Anwesenheit mit Ihnen teilen:</translation>
    </message>
    <message>
        <source>The following user wants to share presence information with you:</source>
        <translation>Folgende Person möchte ihre Anwesenheit mit Ihnen teilen:</translation>
    </message>
    <message>
        <source>Presence Request</source>
        <translation>Anwesenheitsanfrage</translation>
    </message>
</context>
<context>
    <name>PresenceRequestItem</name>
    <message>
        <source>Accept</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Ablehnen</translation>
    </message>
</context>
<context>
    <name>PresenceRulesActionDelegate</name>
    <message>
        <source>Phone number</source>
        <translation>Telefonnummer</translation>
    </message>
</context>
<context>
    <name>PresenceRulesDataContainer</name>
    <message>
        <source>Set the presence state to trigger any of the following functions. These rules are secondary to any primary call redirection settings.</source>
        <translation>Legen Sie fest, was dieser Anwesenheitsstatus auslöst. Diese Regeln gelten nach den vorrangigen Einstellungen zur Anrufumleitung.</translation>
    </message>
</context>
<context>
    <name>PresenceRulesDialog</name>
    <message>
        <source>Configure Presence</source>
        <translation>Anwesenheit konfigurieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PresenceRulesWindow</name>
    <message>
        <source>Configure Presence</source>
        <translation>Anwesenheit konfigurieren</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Nicht stören</translation>
    </message>
</context>
<context>
    <name>Providers::DefaultCallActionProvider</name>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Call from Phone</source>
        <translation>Anruf vom Telefon</translation>
    </message>
    <message>
        <source>Video Call</source>
        <translation>Videoanruf</translation>
    </message>
    <message>
        <source>Default Call Type</source>
        <translation>Standard-Anruftyp</translation>
    </message>
</context>
<context>
    <name>Providers::Factory</name>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from your contact list?</source>
        <translation>Möchten Sie %1 wirklich aus Ihrer Kontaktliste entfernen?</translation>
    </message>
    <message>
        <source>Initiating group communication failed. You cannot select more than %1 contacts to start a group communication with. Check your selection and try again.</source>
        <translation>Die Gruppenkommunikation konnte nicht gestartet werden. Sie können höchstens %1 Kontakte für eine Gruppenkommunikation auswählen. Prüfen Sie Ihre Auswahl und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Failed to add contacts to the communication. You cannot add more than %1 contacts to your group communication. Check your selection and try again.</source>
        <translation>Die Kontakte konnten nicht hinzugefügt werden. Sie können höchstens %1 Kontakte zu Ihrer Gruppenkommunikation hinzufügen. Prüfen Sie Ihre Auswahl und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Failed to add contacts to the communication. You cannot add any more contacts to your group communication.</source>
        <translation>Die Kontakte konnten nicht hinzugefügt werden. Sie können Ihrer Gruppenkommunikation keine weiteren Kontakte hinzufügen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You have selected to start multiple shares. By selecting Yes you will stream your desktop in multiple communications. Note that ending one sharing session will not end all sharing session. Each session needs to be closed individually.</source>
        <translation>Sie starten mehrere Freigaben. Mit Ja übertragen Sie Ihren Desktop in mehreren Kommunikationen. Das Beenden einer Freigabe beendet nicht alle Freigaben; jede muss einzeln beendet werden.</translation>
    </message>
    <message>
        <source>Starting a share will end ongoing share. Continue?</source>
        <translation>Eine neue Freigabe beendet die laufende Freigabe. Fortfahren?</translation>
    </message>
    <message>
        <source>Confirm Share</source>
        <translation>Freigabe bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 group from your list?</source>
        <translation>Möchten Sie die Gruppe %1 wirklich aus Ihrer Liste entfernen?</translation>
    </message>
    <message>
        <source>Remove Group</source>
        <translation>Gruppe entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Outlook integration</source>
        <translation>Outlook-Einbindung</translation>
    </message>
    <message>
        <source>If you have Outlook installed on your computer, you can allow the client to search your Outlook contacts and observe calendar events. To do this you need to allow %1 to access the information in Outlook.

You can change these settings later through Preferences in the General tab.
Allow? </source>
        <translation>Wenn Outlook auf Ihrem Computer installiert ist, kann der Client Ihre Outlook-Kontakte durchsuchen und Kalendereinträge beachten. Dazu müssen Sie %1 den Zugriff auf die Daten in Outlook erlauben.

Sie können diese Einstellungen später in den Einstellungen auf der Registerkarte Allgemein ändern.
Erlauben? </translation>
    </message>
    <message>
        <source>Outlook detected</source>
        <translation>Outlook erkannt</translation>
    </message>
    <message>
        <source>Microsoft Outlook was detected in your system. %1 can include Outlook address book in your contacts search and update your availability based on your Outlook calendar entries.

Please note that you may be asked for additional permissions from Outlook if you proceed. These features can be enabled or disabled later in application preferences.
Do you want to enable these features? </source>
        <translation>Microsoft Outlook wurde auf Ihrem System erkannt. %1 kann das Outlook-Adressbuch in die Kontaktsuche einbeziehen und Ihre Verfügbarkeit nach Ihren Outlook-Kalendereinträgen aktualisieren.

Outlook fragt möglicherweise nach weiteren Berechtigungen, wenn Sie fortfahren. Diese Funktionen können Sie später in den Einstellungen ein- oder ausschalten.
Möchten Sie diese Funktionen aktivieren? </translation>
    </message>
</context>
<context>
    <name>Providers::MenuActionProvider</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Open Application</source>
        <translation>Anwendung öffnen</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Kontakt hinzufügen</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Sort Contacts</source>
        <translation>Kontakte sortieren</translation>
    </message>
    <message>
        <source>Queues</source>
        <translation>Warteschlangen</translation>
    </message>
    <message>
        <source>Call Settings...</source>
        <translation>Anrufeinstellungen...</translation>
    </message>
    <message>
        <source>With %1</source>
        <translation>Mit %1</translation>
    </message>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Geparkten Anruf holen</translation>
    </message>
    <message>
        <source>With Phone</source>
        <translation>Mit Telefon</translation>
    </message>
    <message>
        <source>Pull Call</source>
        <translation>Anruf übernehmen</translation>
    </message>
    <message>
        <source>Sort by First Name</source>
        <translation>Nach Vorname sortieren</translation>
    </message>
    <message>
        <source>Sort by Last Name</source>
        <translation>Nach Nachname sortieren</translation>
    </message>
    <message>
        <source>Show Offline Contacts</source>
        <translation>Offline-Kontakte anzeigen</translation>
    </message>
    <message>
        <source>Show Profile Photos</source>
        <translation>Profilfotos anzeigen</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Status anzeigen</translation>
    </message>
    <message>
        <source>Update Emergency Address</source>
        <translation>Notfalladresse aktualisieren</translation>
    </message>
    <message>
        <source>Copy Guest Join Link</source>
        <translation>Gast-Beitrittslink kopieren</translation>
    </message>
    <message>
        <source>Reset Guest Join Link</source>
        <translation>Gast-Beitrittslink zurücksetzen</translation>
    </message>
    <message>
        <source>Test Call</source>
        <translation>Testanruf</translation>
    </message>
</context>
<context>
    <name>Providers::MenuActionProviderWin</name>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Geparkten Anruf holen</translation>
    </message>
    <message>
        <source>Sort Contacts</source>
        <translation>Kontakte sortieren</translation>
    </message>
</context>
<context>
    <name>QDeclarativeWebView2</name>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>QML::QmlHelper</name>
    <message>
        <source>%1 %2</source>
        <comment>Date and time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Heute, %1</translation>
    </message>
    <message>
        <source>Yesterday, %1</source>
        <translation>Gestern, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>History date and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>All Contacts</source>
        <translation>Alle Kontakte</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Hide Share Panel</source>
        <translation>Freigabebereich ausblenden</translation>
    </message>
    <message>
        <source>Show Share Panel</source>
        <translation>Freigabebereich einblenden</translation>
    </message>
    <message>
        <source>Share Active</source>
        <translation>Freigabe aktiv</translation>
    </message>
    <message>
        <source>Share is View-only</source>
        <translation>Freigabe nur zum Ansehen</translation>
    </message>
</context>
<context>
    <name>QML::QmlSecurityClassMenu</name>
    <message>
        <source>(Current Call)</source>
        <translation>(Aktueller Anruf)</translation>
    </message>
</context>
<context>
    <name>QML::SessionDebugWindow</name>
    <message>
        <source>Session debug window</source>
        <translation>Sitzungsdiagnose</translation>
    </message>
</context>
<context>
    <name>QML::StyleView</name>
    <message>
        <source>Style view</source>
        <translation>Stilansicht</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Display Name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Telefon geschäftlich</translation>
    </message>
    <message>
        <source>Work Extension</source>
        <translation>Durchwahl geschäftlich</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>Personal Phone</source>
        <translation>Telefon privat</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>IM Address</source>
        <translation>IM-Adresse</translation>
    </message>
    <message>
        <source>Dial-in Number</source>
        <translation>Einwahlnummer</translation>
    </message>
    <message>
        <source>Conference ID</source>
        <translation>Konferenz-ID</translation>
    </message>
    <message>
        <source>Security PIN</source>
        <translation>Sicherheits-PIN</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>Collaboration Room</source>
        <translation>Zusammenarbeitsraum</translation>
    </message>
</context>
<context>
    <name>RemoteOffice</name>
    <message>
        <source>Corvantium Remote Office</source>
        <translation>Corvantium Remote Office</translation>
    </message>
    <message>
        <source>Use any phone, at home or on the road, as your office phone: your calls ring there and the calls you make from there show your office number.</source>
        <translation>Verwenden Sie ein beliebiges Telefon, zu Hause oder unterwegs, als Bürotelefon: Ihre Anrufe klingeln dort, und Anrufe von dort zeigen Ihre Büronummer.</translation>
    </message>
    <message>
        <source>Service: </source>
        <translation>Dienst: </translation>
    </message>
    <message>
        <source>Service is not available for this account</source>
        <translation>Der Dienst ist für dieses Konto nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Rooms</name>
    <message>
        <source>Retrieving...</source>
        <translation>Wird abgerufen...</translation>
    </message>
    <message>
        <source>No rooms</source>
        <translation>Keine Räume</translation>
    </message>
</context>
<context>
    <name>SecurityBar</name>
    <message>
        <source>Chat Security: %1</source>
        <translation>Chatsicherheit: %1</translation>
    </message>
</context>
<context>
    <name>ServiceItemForwarding</name>
    <message>
        <source>Fetching service state...</source>
        <translation>Dienststatus wird abgerufen...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Service update error</source>
        <translation>Fehler beim Ändern des Dienstes</translation>
    </message>
    <message>
        <source>Service fetch error</source>
        <translation>Fehler beim Abrufen des Dienstes</translation>
    </message>
    <message>
        <source>Enabled </source>
        <translation>Aktiviert </translation>
    </message>
    <message>
        <source>Disabled </source>
        <translation>Deaktiviert </translation>
    </message>
    <message>
        <source>to </source>
        <translation>an </translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Enable service</source>
        <translation>Dienst aktivieren</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ServicePageSimple</name>
    <message>
        <source>Fetching service state...</source>
        <translation>Dienststatus wird abgerufen...</translation>
    </message>
    <message>
        <source>Service update error</source>
        <translation>Fehler beim Ändern des Dienstes</translation>
    </message>
    <message>
        <source>Service fetch error</source>
        <translation>Fehler beim Abrufen des Dienstes</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Service is not available for this account</source>
        <translation>Der Dienst ist für dieses Konto nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>SessionDebugWindow</name>
    <message>
        <source>Sessions: </source>
        <translation>Sitzungen: </translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Typ: </translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Zustand: </translation>
    </message>
    <message>
        <source>CurrentHost: </source>
        <translation>Aktueller Host: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Call Settings</source>
        <translation>Anrufeinstellungen</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>While it is on, callers hear that you cannot take calls and your phones stay silent.</source>
        <translation>Solange es eingeschaltet ist, hören Anrufer, dass Sie keine Anrufe annehmen können, und Ihre Telefone bleiben still.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <source>Hide Number</source>
        <translation>Nummer unterdrücken</translation>
    </message>
    <message>
        <source>The people you call do not see your number.</source>
        <translation>Wen Sie anrufen, sieht Ihre Nummer nicht.</translation>
    </message>
    <message>
        <source>Enable to hide number</source>
        <translation>Einschalten, um die Nummer zu verbergen</translation>
    </message>
    <message>
        <source>All Services...</source>
        <translation>Alle Dienste...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Server Error</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SimultaneousRingService</name>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Simultaneous Ring Personal</source>
        <translation>Paralleles Klingeln</translation>
    </message>
    <message>
        <source>Ring up to 10 other phone numbers or SIP URIs together with your own phone; the first to answer takes the call.</source>
        <translation>Lassen Sie bis zu 10 weitere Telefonnummern oder SIP-URIs gleichzeitig mit Ihrem Telefon klingeln; wer zuerst abhebt, übernimmt den Anruf.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <source>Do not ring my simultaneously ringing numbers if I&apos;m already on a call.</source>
        <translation>Meine parallel klingelnden Nummern nicht klingeln lassen, wenn ich bereits telefoniere.</translation>
    </message>
    <message>
        <source>Answer confirmation required</source>
        <translation>Annahme muss bestätigt werden</translation>
    </message>
    <message>
        <source>Phone Number / SIP-URI</source>
        <translation>Telefonnummer / SIP-URI</translation>
    </message>
    <message>
        <source>Number or SIP URI</source>
        <translation>Nummer oder SIP-URI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
</context>
<context>
    <name>SmileySelector</name>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>End Chat</source>
        <translation>Chat beenden</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>End Call</source>
        <translation>Anruf beenden</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Call from Phone</source>
        <translation>Anruf vom Telefon</translation>
    </message>
    <message>
        <source>Video Call</source>
        <translation>Videoanruf</translation>
    </message>
    <message>
        <source>Stop Video</source>
        <translation>Video beenden</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Freigabe beenden</translation>
    </message>
    <message>
        <source>Share Desktop</source>
        <translation>Bildschirm freigeben</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Datei senden</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parken</translation>
    </message>
</context>
<context>
    <name>Utils::Actions::CommunicationsWindowMenuActions</name>
    <message>
        <source>Start Recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Pause Recording</source>
        <translation>Aufnahme anhalten</translation>
    </message>
    <message>
        <source>Resume Recording</source>
        <translation>Aufnahme fortsetzen</translation>
    </message>
    <message>
        <source>End communications</source>
        <translation>Kommunikation beenden</translation>
    </message>
    <message>
        <source>End Call</source>
        <translation>Anruf beenden</translation>
    </message>
    <message>
        <source>End Chat</source>
        <translation>Chat beenden</translation>
    </message>
    <message>
        <source>Unmute Microphone</source>
        <translation>Mikrofon einschalten</translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation>Mikrofon stummschalten</translation>
    </message>
    <message>
        <source>Unhold Call</source>
        <translation>Anruf fortsetzen</translation>
    </message>
    <message>
        <source>Hold Call</source>
        <translation>Anruf halten</translation>
    </message>
    <message>
        <source>Transfer to</source>
        <translation>Weiterleiten an</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Conference with</source>
        <translation>Konferenz mit</translation>
    </message>
    <message>
        <source>Park Call</source>
        <translation>Anruf parken</translation>
    </message>
    <message>
        <source>Record Call</source>
        <translation>Anruf aufnehmen</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Hide My Video</source>
        <translation>Mein Video ausblenden</translation>
    </message>
    <message>
        <source>Show My Video</source>
        <translation>Mein Video einblenden</translation>
    </message>
    <message>
        <source>Delete Chat History</source>
        <translation>Chatverlauf löschen</translation>
    </message>
    <message>
        <source>Edit Room</source>
        <translation>Raum bearbeiten</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster zeigen</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Fenster ausblenden</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Group Communications</source>
        <translation>Gruppenkommunikation</translation>
    </message>
    <message>
        <source>Confirm Removal</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the chat history?</source>
        <translation>Möchten Sie den Chatverlauf wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>Utils::Actions::ParticipantMenuActions</name>
    <message>
        <source>Mute All</source>
        <translation>Alle stummschalten</translation>
    </message>
    <message>
        <source>Unmute All</source>
        <translation>Stummschaltung für alle aufheben</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Stummschaltung aufheben</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>Dismiss All</source>
        <translation>Alle entlassen</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Entlassen</translation>
    </message>
    <message>
        <source>Dismiss All from Chat and Share</source>
        <translation>Alle aus Chat und Freigabe entlassen</translation>
    </message>
    <message>
        <source>Dismiss from Chat and Share</source>
        <translation>Aus Chat und Freigabe entlassen</translation>
    </message>
    <message>
        <source>Dismiss All from Chat</source>
        <translation>Alle aus dem Chat entlassen</translation>
    </message>
    <message>
        <source>Dismiss from Chat</source>
        <translation>Aus dem Chat entlassen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Unlock Audio Conference</source>
        <translation>Audiokonferenz entsperren</translation>
    </message>
    <message>
        <source>Lock Audio Conference</source>
        <translation>Audiokonferenz sperren</translation>
    </message>
    <message>
        <source>Copy My Room Invitation</source>
        <translation>Einladung in meinen Raum kopieren</translation>
    </message>
    <message>
        <source>Email My Room Invitation</source>
        <translation>Einladung in meinen Raum mailen</translation>
    </message>
    <message>
        <source>Configure My Room</source>
        <translation>Meinen Raum konfigurieren</translation>
    </message>
    <message>
        <source>Promote to Moderator</source>
        <translation>Zum Moderator machen</translation>
    </message>
    <message>
        <source>Demote from Moderator</source>
        <translation>Moderatorrolle entziehen</translation>
    </message>
    <message>
        <source>Private Chat</source>
        <translation>Privater Chat</translation>
    </message>
    <message>
        <source>Private Group Chat</source>
        <translation>Privater Gruppenchat</translation>
    </message>
</context>
<context>
    <name>Utils::ActionsHelper</name>
    <message>
        <source>Answer Call</source>
        <translation>Anruf annehmen</translation>
    </message>
    <message>
        <source>Answer Call from Phone</source>
        <translation>Anruf am Telefon annehmen</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Add Chat</source>
        <translation>Chat hinzufügen</translation>
    </message>
    <message>
        <source>End Chat</source>
        <translation>Chat beenden</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Add Call</source>
        <translation>Anruf hinzufügen</translation>
    </message>
    <message>
        <source>Hang Up</source>
        <translation>Auflegen</translation>
    </message>
    <message>
        <source>Call from Phone</source>
        <translation>Anruf vom Telefon</translation>
    </message>
    <message>
        <source>Video Call</source>
        <translation>Videoanruf</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Remove Video</source>
        <translation>Video entfernen</translation>
    </message>
    <message>
        <source>Share Desktop</source>
        <translation>Bildschirm freigeben</translation>
    </message>
    <message>
        <source>End Share</source>
        <translation>Freigabe beenden</translation>
    </message>
    <message>
        <source>Join Room</source>
        <translation>Raum betreten</translation>
    </message>
    <message>
        <source>Join Hangout</source>
        <translation>Treffen beitreten</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Copy Phone Number</source>
        <translation>Telefonnummer kopieren</translation>
    </message>
    <message>
        <source>Set as Favorite</source>
        <translation>Als Favorit festlegen</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>View Profile</source>
        <translation>Profil anzeigen</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Kontakt hinzufügen</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Abonnieren</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Abbestellen</translation>
    </message>
    <message>
        <source>Delete Contact</source>
        <translation>Kontakt löschen</translation>
    </message>
    <message>
        <source>End All Calls</source>
        <translation>Alle Anrufe beenden</translation>
    </message>
    <message>
        <source>End All Chats</source>
        <translation>Alle Chats beenden</translation>
    </message>
    <message>
        <source>Conference</source>
        <translation>Konferenz</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Durchwahl</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Move First</source>
        <translation>An den Anfang</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move Last</source>
        <translation>An das Ende</translation>
    </message>
</context>
<context>
    <name>Utils::ActiveCommsDragDropHandler</name>
    <message>
        <source>Transfer or Conference</source>
        <translation>Weiterleiten oder Konferenz</translation>
    </message>
    <message>
        <source>Do you want to transfer %1 to %2 or start a conference?</source>
        <translation>Möchten Sie %1 an %2 weiterleiten oder eine Konferenz beginnen?</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Do you want to transfer %1 to %2?</source>
        <translation>Möchten Sie %1 an %2 weiterleiten?</translation>
    </message>
    <message>
        <source>Chat room</source>
        <translation>Chatraum</translation>
    </message>
    <message>
        <source>Conference</source>
        <translation>Konferenz</translation>
    </message>
    <message>
        <source>Add %1 to %2?</source>
        <translation>%1 zu %2 hinzufügen?</translation>
    </message>
    <message>
        <source>chat room</source>
        <translation>Chatraum</translation>
    </message>
    <message>
        <source>conference call</source>
        <translation>Telefonkonferenz</translation>
    </message>
    <message>
        <source>Do you want to %1?</source>
        <translation>Möchten Sie %1?</translation>
    </message>
    <message>
        <source>create a chat room</source>
        <translation>einen Chatraum erstellen</translation>
    </message>
    <message>
        <source>start a conference call</source>
        <translation>eine Telefonkonferenz beginnen</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
</context>
<context>
    <name>Utils::BlfContactsDragDropHandler</name>
    <message>
        <source>Transfer</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Do you want to transfer %1 to %2?</source>
        <translation>Möchten Sie %1 an %2 weiterleiten?</translation>
    </message>
</context>
<context>
    <name>Utils::CallSettingsToolbarHelper</name>
    <message>
        <source>Remote Office</source>
        <translation>Remote Office</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation>Anrufweiterleitung</translation>
    </message>
    <message>
        <source>Corvantium Anywhere</source>
        <translation>Corvantium Anywhere</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Simultaneous Ring</source>
        <translation>Paralleles Klingeln</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Call Forward Always</source>
        <translation>Immer weiterleiten</translation>
    </message>
    <message>
        <source>Call Forward Busy</source>
        <translation>Weiterleiten bei besetzt</translation>
    </message>
    <message>
        <source>Call Forward Not Reachable</source>
        <translation>Weiterleiten bei nicht erreichbar</translation>
    </message>
    <message>
        <source>Call Forward No Answer</source>
        <translation>Weiterleiten bei keiner Antwort</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>Hide Number</source>
        <translation>Nummer unterdrücken</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>Call Settings</source>
        <translation>Anrufeinstellungen</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1 eingeschaltet</translation>
    </message>
</context>
<context>
    <name>Utils::ChatRoomActions</name>
    <message>
        <source>Join Room</source>
        <translation>Raum betreten</translation>
    </message>
    <message>
        <source>Edit Room</source>
        <translation>Raum bearbeiten</translation>
    </message>
    <message>
        <source>Delete Room</source>
        <translation>Raum löschen</translation>
    </message>
</context>
<context>
    <name>Utils::CommunicationSessionUiHelper</name>
    <message>
        <source>My Room</source>
        <translation>Mein Raum</translation>
    </message>
    <message>
        <source>(Owner)</source>
        <translation>(Besitzer)</translation>
    </message>
    <message>
        <source>%1&apos;s Room</source>
        <translation>Raum von %1</translation>
    </message>
    <message>
        <source>Group Communications</source>
        <translation>Gruppenkommunikation</translation>
    </message>
    <message>
        <source>Transfer Call: %1</source>
        <translation>Anruf weiterleiten: %1</translation>
    </message>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Geparkten Anruf holen</translation>
    </message>
    <message>
        <source>Pull Call</source>
        <translation>Anruf übernehmen</translation>
    </message>
    <message>
        <source>Sharing Desktop</source>
        <translation>Desktop wird freigegeben</translation>
    </message>
    <message>
        <source>Viewing Share</source>
        <translation>Freigabe ansehen</translation>
    </message>
    <message>
        <source>Call from phone</source>
        <translation>Anruf vom Telefon</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anruf</translation>
    </message>
    <message>
        <source>Calling</source>
        <translation>Anrufen</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Eingehender Anruf</translation>
    </message>
    <message>
        <source>Call Active</source>
        <translation>Anruf aktiv</translation>
    </message>
    <message>
        <source>On Hold</source>
        <translation>Gehalten</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
</context>
<context>
    <name>Utils::CommunicationsWindowManager</name>
    <message>
        <source>a call was diverted</source>
        <translation>ein Anruf wurde umgeleitet</translation>
    </message>
</context>
<context>
    <name>Utils::ExternalServiceVerification</name>
    <message>
        <source>Address Verification</source>
        <translation>Adressprüfung</translation>
    </message>
    <message>
        <source>Do you need to update your address?</source>
        <translation>Müssen Sie Ihre Adresse aktualisieren?</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Warten...</translation>
    </message>
    <message>
        <source>After your address has been updated you will be able to proceed.</source>
        <translation>Nachdem Ihre Adresse aktualisiert wurde, können Sie fortfahren.</translation>
    </message>
</context>
<context>
    <name>Utils::HelpInterface</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>No web browser is installed to show the help. You can open the help file yourself:
%1</source>
        <translation>Es ist kein Webbrowser installiert, der die Hilfe zeigen kann. Sie können die Hilfedatei selbst öffnen:
%1</translation>
    </message>
</context>
<context>
    <name>Utils::MenuHandler</name>
    <message>
        <source>Add Room</source>
        <translation>Raum hinzufügen</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Kontakt hinzufügen</translation>
    </message>
    <message>
        <source>Add Conference Contact</source>
        <translation>Konferenzkontakt hinzufügen</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Mark All as Viewed</source>
        <translation>Alle als gesehen markieren</translation>
    </message>
    <message>
        <source>Mark Chats as Viewed</source>
        <translation>Chats als gesehen markieren</translation>
    </message>
    <message>
        <source>Mark Calls as Viewed</source>
        <translation>Anrufe als gesehen markieren</translation>
    </message>
    <message>
        <source>Mark Voicemails as Viewed</source>
        <translation>Sprachnachrichten als gesehen markieren</translation>
    </message>
    <message>
        <source>Join My Room</source>
        <translation>Meinen Raum betreten</translation>
    </message>
    <message>
        <source>Copy My Room Invitation</source>
        <translation>Einladung in meinen Raum kopieren</translation>
    </message>
    <message>
        <source>Email My Room Invitation</source>
        <translation>Einladung in meinen Raum mailen</translation>
    </message>
    <message>
        <source>Configure My Room</source>
        <translation>Meinen Raum konfigurieren</translation>
    </message>
    <message>
        <source>Change Profile Photo</source>
        <translation>Profilfoto ändern</translation>
    </message>
    <message>
        <source>Clear Profile Photo</source>
        <translation>Profilfoto entfernen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Mark as New</source>
        <translation>Als neu markieren</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Mark Selected Viewed</source>
        <translation>Auswahl als gesehen markieren</translation>
    </message>
    <message>
        <source>Mark Selected New</source>
        <translation>Auswahl als neu markieren</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Mark as Viewed</source>
        <translation>Als gesehen markieren</translation>
    </message>
    <message>
        <source>Add to Group</source>
        <translation>Zur Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Group</source>
        <translation>Aus der Gruppe entfernen</translation>
    </message>
    <message>
        <source>Delete Contacts</source>
        <translation>Kontakte löschen</translation>
    </message>
</context>
<context>
    <name>Utils::MyRoomHelper</name>
    <message>
        <source>%1: Join My Room</source>
        <translation>%1: Meinem Raum beitreten</translation>
    </message>
    <message>
        <source>You have been invited to join %1&apos;s Session.</source>
        <translation>Sie wurden zur Sitzung von %1 eingeladen.</translation>
    </message>
    <message>
        <source>Users:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Join %1&apos;s room in %2.</source>
        <translation>Dem Raum von %1 in %2 beitreten.</translation>
    </message>
    <message>
        <source>Guest Participants: </source>
        <translation>Gastteilnehmer: </translation>
    </message>
    <message>
        <source>Collaboration Session</source>
        <translation>Zusammenarbeitssitzung</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Audio Only: </source>
        <translation>Nur Audio: </translation>
    </message>
    <message>
        <source>My Room
</source>
        <translation>Mein Raum
</translation>
    </message>
    <message>
        <source>%1
</source>
        <translation>%1
</translation>
    </message>
    <message>
        <source>Conference ID: %1
</source>
        <translation>Konferenz-ID: %1
</translation>
    </message>
    <message>
        <source>Security PIN: %1
</source>
        <translation>Sicherheits-PIN: %1
</translation>
    </message>
    <message>
        <source>Moderator PIN: %1</source>
        <translation>Moderator-PIN: %1</translation>
    </message>
</context>
<context>
    <name>Utils::PresenceHelper</name>
    <message>
        <source>Pending</source>
        <translation>Ausstehend</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Deskphone</source>
        <translation>Tischtelefon</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Besprechung</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Im Gespräch</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Verfügbarkeit</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
</context>
<context>
    <name>Utils::PresenceRulesUiHelper</name>
    <message>
        <source>No rules</source>
        <translation>Keine Regeln</translation>
    </message>
    <message>
        <source>Forward to</source>
        <translation>Weiterleiten an</translation>
    </message>
    <message>
        <source>Silent Alert Mode</source>
        <translation>Stiller Alarm</translation>
    </message>
    <message>
        <source>Unable to save set presence rules. Please try again later.</source>
        <translation>Die Anwesenheitsregeln konnten nicht gespeichert werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Unable to load presence rules. Please try again later.</source>
        <translation>Die Anwesenheitsregeln konnten nicht geladen werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>Utils::QomxUrlHandler</name>
    <message>
        <source>Failed to Join Room</source>
        <translation>Beitritt zum Raum fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to join %1&apos;s room due to network connection issues. Please try again after the connection is restored</source>
        <translation>Der Beitritt zum Raum von %1 ist wegen Netzwerkproblemen fehlgeschlagen. Bitte versuchen Sie es erneut, sobald die Verbindung wiederhergestellt ist</translation>
    </message>
    <message>
        <source>Place a Call?</source>
        <translation>Anruf tätigen?</translation>
    </message>
    <message>
        <source>The link you opened calls %1 to join %2&apos;s room.

Do you want to place this call?</source>
        <translation>Der geöffnete Link ruft %1 an, um dem Raum von %2 beizutreten.

Möchten Sie diesen Anruf tätigen?</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anrufen</translation>
    </message>
</context>
<context>
    <name>Utils::Search::SearchManager</name>
    <message>
        <source>Telephony Directory</source>
        <translation>Telefonverzeichnis</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Corporate Directory</source>
        <translation>Firmenverzeichnis</translation>
    </message>
    <message>
        <source>Outlook search is initializing</source>
        <translation>Die Outlook-Suche wird gestartet</translation>
    </message>
    <message>
        <source>Operation timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Unknown error while obtaining contacts from Outlook</source>
        <translation>Unbekannter Fehler beim Abrufen der Kontakte aus Outlook</translation>
    </message>
</context>
<context>
    <name>Utils::StringHelper</name>
    <message>
        <source>Authentication failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>SIP</source>
        <translation>SIP</translation>
    </message>
    <message>
        <source>XMPP</source>
        <translation>XMPP</translation>
    </message>
    <message>
        <source>Marlowane (Vyx)</source>
        <translation>Marlowane (Vyx)</translation>
    </message>
    <message>
        <source>Unknown credentials type</source>
        <translation>Unbekannte Art von Zugangsdaten</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Communication Forwarding Unconditional</source>
        <translation>Immer weiterleiten</translation>
    </message>
    <message>
        <source>Communication Forwarding on not Logged in</source>
        <translation>Weiterleiten, wenn nicht angemeldet</translation>
    </message>
    <message>
        <source>Communication Forwarding on Busy</source>
        <translation>Weiterleiten bei besetzt</translation>
    </message>
    <message>
        <source>Communication Forwarding on not Reachable</source>
        <translation>Weiterleiten, wenn nicht erreichbar</translation>
    </message>
    <message>
        <source>Communication Forwarding on No Reply</source>
        <translation>Weiterleiten, wenn keine Antwort</translation>
    </message>
    <message>
        <source>Originating Identification Presentation</source>
        <translation>Anzeige der eigenen Rufnummer</translation>
    </message>
    <message>
        <source>Originating Identification Restriction</source>
        <translation>Unterdrückung der eigenen Rufnummer</translation>
    </message>
    <message>
        <source>Terminating Identification Presentation</source>
        <translation>Anzeige der verbundenen Rufnummer</translation>
    </message>
    <message>
        <source>Terminating Identification Restriction</source>
        <translation>Unterdrückung der verbundenen Rufnummer</translation>
    </message>
    <message>
        <source>Barring of All Incoming Calls</source>
        <translation>Sperre aller eingehenden Anrufe</translation>
    </message>
    <message>
        <source>Barring of Incoming Calls - When Roaming</source>
        <translation>Sperre eingehender Anrufe beim Roaming</translation>
    </message>
    <message>
        <source>Barring of All Outgoing Calls</source>
        <translation>Sperre aller ausgehenden Anrufe</translation>
    </message>
    <message>
        <source>Barring of Outgoing International Calls</source>
        <translation>Sperre ausgehender Auslandsanrufe</translation>
    </message>
    <message>
        <source>Barring of Outgoing International Calls %1 ex Home Country</source>
        <translation>Sperre ausgehender Auslandsanrufe %1 außer ins Heimatland</translation>
    </message>
    <message>
        <source>Communication Waiting</source>
        <translation>Anklopfen</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>Corvantium Remote Office</source>
        <translation>Corvantium Remote Office</translation>
    </message>
    <message>
        <source>Unknown service</source>
        <translation>Unbekannter Dienst</translation>
    </message>
    <message>
        <source>Error initiating share. ( %1 )</source>
        <translation>Fehler beim Einrichten der Freigabe. ( %1 )</translation>
    </message>
    <message>
        <source>You are already in the share. Please log out from your other clients. ( %1 )</source>
        <translation>Sie sind bereits in der Freigabe. Bitte melden Sie sich bei Ihren anderen Programmen ab. ( %1 )</translation>
    </message>
    <message>
        <source>Error joining share. ( %1 )</source>
        <translation>Fehler beim Beitreten zur Freigabe. ( %1 )</translation>
    </message>
    <message>
        <source>Error starting share. ( %1 )</source>
        <translation>Fehler beim Starten der Freigabe. ( %1 )</translation>
    </message>
    <message>
        <source>Please set your credentials</source>
        <translation>Bitte geben Sie Ihre Zugangsdaten ein</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Netzwerkfehler</translation>
    </message>
    <message>
        <source>Client encountered an error when trying to add participant. Maximum active call count reached.</source>
        <translation>Beim Hinzufügen des Teilnehmers ist ein Fehler aufgetreten. Die Höchstzahl aktiver Anrufe ist erreicht.</translation>
    </message>
    <message>
        <source>Client encountered an error when trying locate participant. Call/Participant not found.</source>
        <translation>Beim Suchen des Teilnehmers ist ein Fehler aufgetreten. Anruf/Teilnehmer nicht gefunden.</translation>
    </message>
    <message>
        <source>Client encountered an error when trying to add participant. Maximum participant count reached.</source>
        <translation>Beim Hinzufügen des Teilnehmers ist ein Fehler aufgetreten. Die Höchstzahl der Teilnehmer ist erreicht.</translation>
    </message>
    <message>
        <source>Register Failed. Please check your authentication information and try again. If the problem still exists, please contact the service provider</source>
        <translation>Registrierung fehlgeschlagen. Bitte prüfen Sie Ihre Anmeldedaten und versuchen Sie es erneut. Besteht das Problem weiter, wenden Sie sich bitte an Ihren Diensteanbieter</translation>
    </message>
    <message>
        <source>Service is temporary having problems. Please try again later.</source>
        <translation>Der Dienst hat vorübergehend Probleme. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Login failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Please check the number and try again.</source>
        <translation>Bitte prüfen Sie die Nummer und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Request not acceptable.</source>
        <translation>Anfrage nicht annehmbar.</translation>
    </message>
    <message>
        <source>Time out. Please try again later.</source>
        <translation>Zeitüberschreitung. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Anonymous calls are barred.</source>
        <translation>Anonyme Anrufe sind gesperrt.</translation>
    </message>
    <message>
        <source>Contact unavailable.</source>
        <translation>Kontakt nicht erreichbar.</translation>
    </message>
    <message>
        <source>Contact is busy.</source>
        <translation>Kontakt ist besetzt.</translation>
    </message>
    <message>
        <source>The user you are calling is unavailable, please try again later.</source>
        <translation>Der angerufene Teilnehmer ist nicht erreichbar, bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Dialing failed.</source>
        <translation>Wählen fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Request could not be completed. Please try again later.</source>
        <translation>Die Anfrage konnte nicht abgeschlossen werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Failed to send message: %1 (Contact doesn&apos;t exist)</source>
        <translation>Nachricht konnte nicht gesendet werden: %1 (Kontakt existiert nicht)</translation>
    </message>
    <message>
        <source>Failed to send message: %1 (Time out. Please try again later)</source>
        <translation>Nachricht konnte nicht gesendet werden: %1 (Zeitüberschreitung. Bitte versuchen Sie es später erneut)</translation>
    </message>
    <message>
        <source>Failed to send message: %1 (Contact temporarily unavailable)</source>
        <translation>Nachricht konnte nicht gesendet werden: %1 (Kontakt vorübergehend nicht erreichbar)</translation>
    </message>
    <message>
        <source>Failed to send message: %1 (Contact is busy)</source>
        <translation>Nachricht konnte nicht gesendet werden: %1 (Kontakt ist besetzt)</translation>
    </message>
    <message>
        <source>Failed to send message: %1 (Please try again later)</source>
        <translation>Nachricht konnte nicht gesendet werden: %1 (Bitte versuchen Sie es später erneut)</translation>
    </message>
</context>
<context>
    <name>Utils::TextFieldActionsHandler</name>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>Utils::TimelineUiHelper</name>
    <message>
        <source>Unable to delete selected message(s). Please try again later or contact your administrator.</source>
        <translation>Die ausgewählten Nachrichten konnten nicht gelöscht werden. Versuchen Sie es später erneut oder wenden Sie sich an Ihren Administrator.</translation>
    </message>
    <message>
        <source>Unable to set selected state for message(s). Please try again later or contact your administrator.</source>
        <translation>Der Zustand der ausgewählten Nachrichten konnte nicht gesetzt werden. Versuchen Sie es später erneut oder wenden Sie sich an Ihren Administrator.</translation>
    </message>
    <message>
        <source>Action failed</source>
        <translation>Aktion fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Utils::WebButtonUiHelper</name>
    <message>
        <source>Configuration error</source>
        <translation>Konfigurationsfehler</translation>
    </message>
    <message>
        <source>Unable to load content</source>
        <translation>Inhalt kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Web Link</source>
        <translation>Weblink</translation>
    </message>
</context>
<context>
    <name>Utils::WindowManagerCallHelper</name>
    <message>
        <source>Please confirm that your audio device is connected and working.</source>
        <translation>Bitte prüfen Sie, ob Ihr Audiogerät angeschlossen ist und funktioniert.</translation>
    </message>
    <message>
        <source>Call Failed</source>
        <translation>Anruf fehlgeschlagen</translation>
    </message>
    <message>
        <source>Emergency calls are not supported. Please use another phone.</source>
        <translation>Notrufe werden nicht unterstützt. Bitte verwenden Sie ein anderes Telefon.</translation>
    </message>
    <message>
        <source>Video Call Failed</source>
        <translation>Videoanruf fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unable to start video, please check that other applications are not using the camera. Please also ensure that your web-camera drivers are up to date.</source>
        <translation>Video kann nicht gestartet werden. Bitte prüfen Sie, ob ein anderes Programm die Kamera verwendet, und ob die Treiber Ihrer Webcam aktuell sind.</translation>
    </message>
    <message>
        <source>Error Joining Room</source>
        <translation>Fehler beim Betreten des Raums</translation>
    </message>
    <message>
        <source>%1&apos;s room is not available.</source>
        <translation>Der Raum von %1 ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Action failed</source>
        <translation>Aktion fehlgeschlagen</translation>
    </message>
    <message>
        <source>Audio Device Error</source>
        <translation>Fehler am Audiogerät</translation>
    </message>
    <message>
        <source>Could not detect a working audio device. %1</source>
        <translation>Es wurde kein funktionierendes Audiogerät gefunden. %1</translation>
    </message>
    <message>
        <source>Output Device Error</source>
        <translation>Fehler am Ausgabegerät</translation>
    </message>
    <message>
        <source>Could not detect a working output device. %1</source>
        <translation>Es wurde kein funktionierendes Ausgabegerät gefunden. %1</translation>
    </message>
    <message>
        <source>Input Device Error</source>
        <translation>Fehler am Eingabegerät</translation>
    </message>
    <message>
        <source>Could not detect a working input device. %1</source>
        <translation>Es wurde kein funktionierendes Eingabegerät gefunden. %1</translation>
    </message>
    <message>
        <source>Error Transferring Call</source>
        <translation>Fehler beim Weiterleiten des Anrufs</translation>
    </message>
    <message>
        <source>There was an error while transferring your call. Please check the number and try again.</source>
        <translation>Beim Weiterleiten Ihres Anrufs ist ein Fehler aufgetreten. Bitte prüfen Sie die Nummer und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Confirm Call</source>
        <translation>Anruf bestätigen</translation>
    </message>
    <message>
        <source>Answering a call will put ongoing call on hold. Continue?</source>
        <translation>Wenn Sie den Anruf annehmen, wird der laufende Anruf gehalten. Fortfahren?</translation>
    </message>
    <message>
        <source>Starting a call will put ongoing call on hold. Continue?</source>
        <translation>Wenn Sie einen Anruf beginnen, wird der laufende Anruf gehalten. Fortfahren?</translation>
    </message>
    <message>
        <source>%1 %2 is calling for %3</source>
        <translation>%1 %2 ruft für %3 an</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>Utils::WindowManagerChatHelper</name>
    <message>
        <source>Unable to Join</source>
        <translation>Beitritt nicht möglich</translation>
    </message>
    <message>
        <source>It seems the room you have selected has not been configured. We are sorry for the inconvenience.</source>
        <translation>Der gewählte Raum ist anscheinend noch nicht eingerichtet. Wir bitten um Entschuldigung.</translation>
    </message>
    <message>
        <source>Private Room</source>
        <translation>Privater Raum</translation>
    </message>
    <message>
        <source>This private room is restricted to members only. Since you are not a member of this room, you are not able to join.</source>
        <translation>Dieser private Raum steht nur Mitgliedern offen. Da Sie kein Mitglied sind, können Sie ihn nicht betreten.</translation>
    </message>
    <message>
        <source>Error joining room</source>
        <translation>Fehler beim Betreten des Raums</translation>
    </message>
    <message>
        <source>You are banned from the room and cannot join</source>
        <translation>Sie sind aus dem Raum verbannt und können ihn nicht betreten</translation>
    </message>
    <message>
        <source>Error Editing Room</source>
        <translation>Fehler beim Bearbeiten des Raums</translation>
    </message>
    <message>
        <source>You are not the owner of this room. Only the owner can edit the room.</source>
        <translation>Sie sind nicht der Besitzer dieses Raums. Nur der Besitzer kann den Raum bearbeiten.</translation>
    </message>
    <message>
        <source>Error Deleting Room</source>
        <translation>Fehler beim Löschen des Raums</translation>
    </message>
    <message>
        <source>You are not the owner of this room. Only the owner can delete the room.</source>
        <translation>Sie sind nicht der Besitzer dieses Raums. Nur der Besitzer kann den Raum löschen.</translation>
    </message>
    <message>
        <source>Error adding people</source>
        <translation>Fehler beim Hinzufügen von Personen</translation>
    </message>
    <message>
        <source>Unable to add the following people to the session because they have no IM address:
%1</source>
        <translation>Folgende Personen können nicht hinzugefügt werden, da sie keine IM-Adresse haben:
%1</translation>
    </message>
</context>
<context>
    <name>VideoHeader</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>WebCollabWidget</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Freigabe beenden</translation>
    </message>
    <message>
        <source>Leave Share</source>
        <translation>Freigabe verlassen</translation>
    </message>
    <message>
        <source>Exit Full Screen</source>
        <translation>Vollbild beenden</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>WebcollabNotification</name>
    <message>
        <source>%1 has invited you to a desktop share. Unfortunately we can&apos;t find a share component in your client or your versions are incompatible. Please contact your service provider for more information.</source>
        <translation>%1 hat Sie zu einer Desktopfreigabe eingeladen. Leider fehlt Ihrem Programm die Freigabekomponente oder die Versionen passen nicht zusammen. Weitere Auskunft gibt Ihr Diensteanbieter.</translation>
    </message>
    <message>
        <source>Would you like to view %1&apos;s desktop share?</source>
        <translation>Möchten Sie die Desktopfreigabe von %1 ansehen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Note that by accepting this invitation any previous ongoing share will terminate.</source>
        <translation>Wenn Sie diese Einladung annehmen, endet eine laufende Freigabe.</translation>
    </message>
</context>
<context>
    <name>WebcollabSharingNotification</name>
    <message>
        <source>You are now sharing your desktop. Stop the sharing from the communications window.</source>
        <translation>Sie geben jetzt Ihren Desktop frei. Beenden Sie die Freigabe im Kommunikationsfenster.</translation>
    </message>
</context>
<context>
    <name>Widgets::Conference::XmppPasswordDialog</name>
    <message>
        <source>Group Chat</source>
        <translation>Gruppenchat</translation>
    </message>
    <message>
        <source>A password is required to enter this room</source>
        <translation>Für diesen Raum ist ein Passwort erforderlich</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Falsches Passwort</translation>
    </message>
</context>
<context>
    <name>Widgets::CuttingLabel</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>Widgets::GroupNameInput</name>
    <message>
        <source>Add Group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Gruppe bearbeiten</translation>
    </message>
    <message>
        <source>Enter a group name</source>
        <translation>Gruppennamen eingeben</translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation>Gruppennamen bearbeiten</translation>
    </message>
</context>
<context>
    <name>Widgets::Notifications::Notification</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Widgets::PreferencesWidget</name>
    <message>
        <source>Allow 3rd party applications to access %1</source>
        <translation>Anwendungen von Drittanbietern den Zugriff auf %1 erlauben</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>Widgets::Window</name>
    <message>
        <source>Give Me a Name</source>
        <translation>Gib mir einen Namen</translation>
    </message>
</context>
<context>
    <name>WorksAnywhere</name>
    <message>
        <source>Corvantium Anywhere</source>
        <translation>Corvantium Anywhere</translation>
    </message>
    <message>
        <source>Let your mobile or home phone ring with your calls, and move calls between your phones without hanging up.</source>
        <translation>Lassen Sie Ihre Anrufe auf Ihrem Mobil- oder Festnetztelefon klingeln und übergeben Sie Anrufe zwischen Ihren Telefonen, ohne aufzulegen.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Alert all enabled locations for Click-To-Dial</source>
        <translation>Bei Click-to-Dial alle aktivierten Standorte klingeln lassen</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Standorte</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>No locations yet</source>
        <translation>Noch keine Standorte</translation>
    </message>
    <message>
        <source>Add New Location</source>
        <translation>Neuen Standort hinzufügen</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Diversion Inhibitor</source>
        <translation>Umleitungssperre</translation>
    </message>
    <message>
        <source>Answer Confirmation</source>
        <translation>Annahmebestätigung</translation>
    </message>
    <message>
        <source>Call Control</source>
        <translation>Anrufsteuerung</translation>
    </message>
    <message>
        <source>Criteria Active</source>
        <translation>Kriterien aktiv</translation>
    </message>
    <message>
        <source>Delete Location</source>
        <translation>Standort löschen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Deleting Location</source>
        <translation>Standort löschen</translation>
    </message>
    <message>
        <source>You are about to delete a location.
Are you sure you want to continue?</source>
        <translation>Sie sind dabei, einen Standort zu löschen.
Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>XmppDebugConsole</name>
    <message>
        <source>Dropped private-storage stanza.</source>
        <translation>Private-Storage-Stanza verworfen.</translation>
    </message>
    <message>
        <source>Dropped vcard stanza.</source>
        <translation>vCard-Stanza verworfen.</translation>
    </message>
    <message>
        <source>Dropped disco#info &amp; disco#items stanzas.</source>
        <translation>disco#info- und disco#items-Stanzas verworfen.</translation>
    </message>
    <message>
        <source>Dropped pubsub stanza.</source>
        <translation>Pubsub-Stanza verworfen.</translation>
    </message>
    <message>
        <source>Debug Console</source>
        <translation>Diagnosekonsole</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Run script</source>
        <translation>Skript ausführen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Don&apos;t show vcard stanzas</source>
        <translation>vCard-Stanzas nicht anzeigen</translation>
    </message>
    <message>
        <source>Don&apos;t show private storage stanzas</source>
        <translation>Private-Storage-Stanzas nicht anzeigen</translation>
    </message>
    <message>
        <source>Don&apos;t show disco-info stanzas</source>
        <translation>Disco-Info-Stanzas nicht anzeigen</translation>
    </message>
    <message>
        <source>Don&apos;t show pubsub stanzas</source>
        <translation>Pubsub-Stanzas nicht anzeigen</translation>
    </message>
    <message>
        <source>Keep window top most</source>
        <translation>Fenster im Vordergrund halten</translation>
    </message>
</context>
<context>
    <name>ZynShareControls</name>
    <message>
        <source>Desktop Share</source>
        <translation>Desktopfreigabe</translation>
    </message>
    <message>
        <source>Your desktop is not shared</source>
        <translation>Ihr Desktop ist nicht freigegeben</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>credentialWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Remove account</source>
        <translation>Konto entfernen</translation>
    </message>
</context>
<context>
    <name>credentialsDialog</name>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
</context>
<context>
    <name>passwordChange</name>
    <message>
        <source>Old Password</source>
        <translation>Altes Passwort</translation>
    </message>
    <message>
        <source>(Check Password)</source>
        <translation>(Passwort prüfen)</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Retype New Password</source>
        <translation>Neues Passwort wiederholen</translation>
    </message>
</context>
<context>
    <name>preferencesForm</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Sign in automatically</source>
        <translation>Automatisch anmelden</translation>
    </message>
    <message>
        <source>Run this program when the system starts</source>
        <translation>Dieses Programm beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Protokollierung</translation>
    </message>
    <message>
        <source>Enable basic logging</source>
        <translation>Einfache Protokollierung aktivieren</translation>
    </message>
    <message>
        <source>Enable advanced logging</source>
        <translation>Erweiterte Protokollierung aktivieren</translation>
    </message>
    <message>
        <source>Clear All Logs</source>
        <translation>Alle Protokolle löschen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Anmeldedaten</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Confirmations</source>
        <translation>Bestätigungen</translation>
    </message>
    <message>
        <source>Ask before removing contact</source>
        <translation>Vor dem Entfernen eines Kontakts fragen</translation>
    </message>
    <message>
        <source>Ask before removing history record</source>
        <translation>Vor dem Entfernen eines Verlaufseintrags fragen</translation>
    </message>
    <message>
        <source>Ask before deleting project room</source>
        <translation>Vor dem Löschen eines Projektraums fragen</translation>
    </message>
    <message>
        <source>Ask before publishing location information</source>
        <translation>Vor dem Veröffentlichen des Standorts fragen</translation>
    </message>
    <message>
        <source>Enable click-to-call </source>
        <translation>Click-to-Call einschalten </translation>
    </message>
    <message>
        <source>Use &lt;Device&gt; as default ring device</source>
        <translation>&lt;Gerät&gt; als Standard-Klingelgerät verwenden</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Enable Corporate Directory (LDAP) contacts search</source>
        <translation>Kontaktsuche im Firmenverzeichnis (LDAP) einschalten</translation>
    </message>
    <message>
        <source>Team Telephony</source>
        <translation>Teamtelefonie</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Set to be Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Open when a team member&apos;s line rings</source>
        <translation>Öffnen, wenn die Leitung eines Teammitglieds klingelt</translation>
    </message>
    <message>
        <source>Bring to front when line rings</source>
        <translation>In den Vordergrund holen, wenn eine Leitung klingelt</translation>
    </message>
    <message>
        <source>Always ask before closing the Team Telephony window</source>
        <translation>Vor dem Schließen des Teamtelefonie-Fensters immer fragen</translation>
    </message>
    <message>
        <source>Play alert when team member&apos;s line rings (only when window is open)</source>
        <translation>Signal abspielen, wenn die Leitung eines Teammitglieds klingelt (nur bei geöffnetem Fenster)</translation>
    </message>
    <message>
        <source>Use this sound as the default ring signal</source>
        <translation>Diesen Klang als Standard-Klingelton verwenden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Voice Playback</source>
        <translation>Sprachwiedergabe</translation>
    </message>
    <message>
        <source>Output Device:</source>
        <translation>Ausgabegerät:</translation>
    </message>
    <message>
        <source>Voice Recording</source>
        <translation>Sprachaufnahme</translation>
    </message>
    <message>
        <source>Input Device:</source>
        <translation>Eingabegerät:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Start and stop microphone test</source>
        <translation>Mikrofontest starten und beenden</translation>
    </message>
    <message>
        <source>Use Automatic Gain Control</source>
        <translation>Automatische Pegelregelung verwenden</translation>
    </message>
    <message>
        <source>Alert Signal</source>
        <translation>Signalton</translation>
    </message>
    <message>
        <source>Ringing Device:</source>
        <translation>Klingelgerät:</translation>
    </message>
    <message>
        <source>Use this sound as the default ring signal:</source>
        <translation>Diesen Klang als Standard-Klingelton verwenden:</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Eingehender Anruf</translation>
    </message>
    <message>
        <source>Incoming Message</source>
        <translation>Eingehende Nachricht</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video Capture</source>
        <translation>Videoaufnahme</translation>
    </message>
    <message>
        <source>&amp;Capture Device:</source>
        <translation>&amp;Aufnahmegerät:</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>Mein Raum</translation>
    </message>
    <message>
        <source>Dial-in Number</source>
        <translation>Einwahlnummer</translation>
    </message>
    <message>
        <source>Moderator PIN</source>
        <translation>Moderator-PIN</translation>
    </message>
    <message>
        <source>Conference ID</source>
        <translation>Konferenz-ID</translation>
    </message>
    <message>
        <source>Security PIN</source>
        <translation>Sicherheits-PIN</translation>
    </message>
    <message>
        <source>Web Collaboration</source>
        <translation>Webkonferenz</translation>
    </message>
    <message>
        <source>Corporate Directory (LDAP)</source>
        <translation>Firmenverzeichnis (LDAP)</translation>
    </message>
    <message>
        <source>Protocols</source>
        <translation>Protokolle</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Geräteverwaltung</translation>
    </message>
    <message>
        <source>Configuration URL</source>
        <translation>Konfigurations-URL</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
    <message>
        <source>Please restart the application after changing the proxy settings below.</source>
        <translation>Bitte starten Sie das Programm neu, nachdem Sie die Proxy-Einstellungen geändert haben.</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxy-Einstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>Use client proxy settings</source>
        <translation>Eigene Proxy-Einstellungen verwenden</translation>
    </message>
    <message>
        <source>Web Proxy Server</source>
        <translation>Web-Proxyserver</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Secure Web Proxy Server</source>
        <translation>Sicherer Web-Proxyserver</translation>
    </message>
    <message>
        <source>Add-ins</source>
        <translation>Add-ins</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Enable Outlook contacts search</source>
        <translation>Outlook-Kontaktsuche einschalten</translation>
    </message>
    <message>
        <source>Enable Outlook Calendar</source>
        <translation>Outlook-Kalender einschalten</translation>
    </message>
    <message>
        <source>Add-in Settings</source>
        <translation>Add-in-Einstellungen</translation>
    </message>
    <message>
        <source>Allow 3rd party applications to access %1</source>
        <translation>Anwendungen von Drittanbietern den Zugriff auf %1 erlauben</translation>
    </message>
    <message>
        <source>Do not ask about incoming Add-in connection requests</source>
        <translation>Bei Verbindungsanfragen von Add-ins nicht fragen</translation>
    </message>
    <message>
        <source>Accept incoming requests by default</source>
        <translation>Anfragen standardmäßig annehmen</translation>
    </message>
    <message>
        <source>Reject incoming requests by default</source>
        <translation>Anfragen standardmäßig ablehnen</translation>
    </message>
    <message>
        <source>Manage Add-ins</source>
        <translation>Add-ins verwalten</translation>
    </message>
    <message>
        <source>You need to restart your client for any changes made to take effect.</source>
        <translation>Starten Sie das Programm neu, damit die Änderungen wirksam werden.</translation>
    </message>
</context>
<context>
    <name>share</name>
    <message>
        <source>Inviting...</source>
        <translation>Einladen...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Joining...</source>
        <translation>Beitreten...</translation>
    </message>
    <message>
        <source>Ready to share</source>
        <translation>Bereit zur Freigabe</translation>
    </message>
    <message>
        <source>Waiting for the desktop...</source>
        <translation>Warten auf den Desktop...</translation>
    </message>
    <message>
        <source>Your share is paused</source>
        <translation>Ihre Freigabe ist angehalten</translation>
    </message>
    <message>
        <source>You are sharing your desktop</source>
        <translation>Sie geben Ihren Desktop frei</translation>
    </message>
    <message>
        <source>Viewing the shared desktop</source>
        <translation>Sie sehen den freigegebenen Desktop</translation>
    </message>
    <message>
        <source>The shared desktop is paused</source>
        <translation>Der freigegebene Desktop ist angehalten</translation>
    </message>
    <message>
        <source>No desktop is shared</source>
        <translation>Kein Desktop ist freigegeben</translation>
    </message>
</context>
<context>
    <name>supplementaryServicesDialog</name>
    <message>
        <source>Supplementary Services</source>
        <translation>Zusatzdienste</translation>
    </message>
</context>
</TS>
