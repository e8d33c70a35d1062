// The shipped desk-phone plug-in, run by its host, against the client's controller: it
// connects, follows a call of the session and stops when the user signs out.

#include <Kivo/ApiProvider/ConnectorData.h>
#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Kivo::ApiProvider::Controller;

class ConnectorLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void pluginFollowsACallUntilSignOut();
};

void ConnectorLinkTest::pluginFollowsACallUntilSignOut()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    qputenv("TELVARION_API_SOCKET", folder.filePath("api").toUtf8());
    // The user's answer to the plug-in is kept in this test's folder.
    qputenv("TELVARION_DATA_PATH", folder.filePath("data").toUtf8());
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(1);
    Kivo::Simulation::Control(service).setColleaguesActive(false);

    Controller controller;
    controller.InitializeController();
    QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
    service.signIn("alice@demo.telvarion.net", "Demo-1234");
    QVERIFY(signedIn.wait());
    Kivo::Contacts::Contacts contacts;
    Kivo::Sessions::SessionManagerBase session;
    QVERIFY(controller.Initialize(&contacts, &session, nullptr));

    // The plug-in's log folder under the data home, as an installed system has it.
    QVERIFY(QDir().mkpath(folder.filePath("Marlowane/Tavoro/logs")));
    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", folder.path());
    environment.insert("TELVARION_REGISTRY_FILE", "/nonexistent");
    environment.insert("TELVARION_AUDIO", "null");
    environment.insert("TELVARION_DEBUG_OUTPUT", "1");
    host.setProcessEnvironment(environment);
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(TELVARION_HOST_PATH, {TELVARION_PLUGIN_PATH});
    QVERIFY(host.waitForStarted());
    QByteArray output;
    const auto hostSaid = [&](const char* text) {
        output += host.readAll();
        return output.contains(text);
    };

    // The plug-in is new to the client: it waits until the user lets it in, as the "New
    // Add-ins" window does.
    QAbstractItemModel* waiting = controller.getModel(Kivo::ApiProvider::NewConnectors);
    QTRY_VERIFY_WITH_TIMEOUT(waiting->rowCount() == 1, 10000);
    auto* plugin = qobject_cast<Kivo::ApiProvider::ConnectorData*>(
        waiting->index(0, 0).data(Kivo::ApiProvider::ConnectorData::ObjectRole).value<QObject*>());
    QVERIFY(plugin && !plugin->connected());
    plugin->setState(Kivo::ApiProvider::ConnectorData::Accepted);
    QTRY_VERIFY_WITH_TIMEOUT(hostSaid("connectionStateChange, Connected"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(hostSaid("Display name: Alice Carter"), 10000);

    Kivo::Simulation::Control(service).injectIncomingCall("bob@demo.telvarion.net");
    QTRY_VERIFY_WITH_TIMEOUT(hostSaid("newCall: Incoming, contactId 1"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(hostSaid("Received name 'Bob Lindqvist' for callee whose contact id is 1"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(hostSaid("Call state Ringing, call contact id 1"), 10000);

    controller.Uninitialize();
    QTRY_VERIFY_WITH_TIMEOUT(hostSaid("The user has signed out from QOMX, exiting"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(host.state(), QProcess::NotRunning, 10000);
    QCOMPARE(host.exitStatus(), QProcess::NormalExit);
    QCOMPARE(host.exitCode(), 0);
    service.signOut();
}

QTEST_GUILESS_MAIN(ConnectorLinkTest)
#include "tst_connector_link.moc"
