#include "libqml/components/connector_notification/connector_notification.h"

#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"

#include <Kivo/ApiProvider/ConnectorData.h>
#include <Kivo/ApiProvider/Controller.h>

#include <QLocalSocket>
#include <QQuickItem>
#include <QStandardItemModel>
#include <QtTest>

using Kivo::ApiProvider::ConnectorData;

namespace {

// A connector list as the client API hands it out: one connector object per row.
class ConnectorModel : public QStandardItemModel
{
public:
    ConnectorModel() { setItemRoleNames({{ConnectorData::ObjectRole, "connector"}}); }

    ConnectorData* add(const QString& name)
    {
        auto* connector = new ConnectorData(name, "Vendor", "A desk phone", "1.2.3.4", this);
        auto* item = new QStandardItem;
        item->setData(QVariant::fromValue<QObject*>(connector), ConnectorData::ObjectRole);
        // A decision takes the connector off the list, as the controller does.
        connect(connector, &ConnectorData::stateChanged, this, [this, connector] {
            for (int row = 0; row < rowCount(); ++row) {
                if (index(row, 0).data(ConnectorData::ObjectRole).value<QObject*>() == connector)
                    removeRow(row);
            }
        });
        appendRow(item);
        return connector;
    }
};

} // namespace

class ConnectorNotificationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hiddenWhileTheListIsEmpty();
    void followsTheRows();
    void answeringTheLastConnectorHidesTheWindow();
    void buttonsAnswerTheirConnector_data();
    void buttonsAnswerTheirConnector();
    void noModel();
    void rowWithoutConnector();
    void aNewAddinIsAskedAboutAndLetInByEnable();
};

void ConnectorNotificationTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void ConnectorNotificationTest::hiddenWhileTheListIsEmpty()
{
    TestSupport::Environment env;
    ConnectorModel model;
    QML::ConnectorNotification window(&model);
    QVERIFY(window.view()->rootObject());
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QString("New Add-ins"));
    QCOMPARE(window.minimumSize(), QSize(360, 200));
    QCOMPARE(window.maximumSize(), QSize(360, 200));
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
}

void ConnectorNotificationTest::followsTheRows()
{
    TestSupport::Environment env;
    ConnectorModel model;
    model.add("Present at start");
    QML::ConnectorNotification window(&model);
    QVERIFY(window.isVisible());

    model.removeRow(0);
    QVERIFY(!window.isVisible());
    model.add("Plugged in later");
    QVERIFY(window.isVisible());
    model.clear();
    QVERIFY(!window.isVisible());
}

void ConnectorNotificationTest::answeringTheLastConnectorHidesTheWindow()
{
    TestSupport::Environment env;
    ConnectorModel model;
    ConnectorData* first = model.add("First");
    ConnectorData* second = model.add("Second");
    QML::ConnectorNotification window(&model);
    QVERIFY(window.isVisible());

    first->setState(ConnectorData::Accepted);
    QVERIFY(window.isVisible());
    second->setState(ConnectorData::Rejected);
    QVERIFY(!window.isVisible());
}

void ConnectorNotificationTest::buttonsAnswerTheirConnector_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("state");

    QTest::newRow("Enable") << "enableButton" << int(ConnectorData::Accepted);
    QTest::newRow("Disable") << "disableButton" << int(ConnectorData::Rejected);
}

void ConnectorNotificationTest::buttonsAnswerTheirConnector()
{
    QFETCH(QString, button);
    QFETCH(int, state);

    TestSupport::Environment env;
    ConnectorModel model;
    ConnectorData* connector = model.add("Desk phone");
    QML::ConnectorNotification window(&model);
    window.resize(window.minimumSize());
    QQuickItem* item = SceneItems::named(window.view()->rootObject(), button);
    QVERIFY(item);

    QSignalSpy answered(connector, &ConnectorData::stateChanged);
    QVERIFY(QMetaObject::invokeMethod(item, "clicked"));
    QCOMPARE(answered.count(), 1);
    QCOMPARE(int(connector->state()), state);
    QVERIFY(!window.isVisible());
}

void ConnectorNotificationTest::noModel()
{
    TestSupport::Environment env;
    QML::ConnectorNotification window(nullptr);
    QVERIFY(!window.isVisible());
    QVERIFY(env.logs().contains("No add-ins model"));
}

void ConnectorNotificationTest::rowWithoutConnector()
{
    TestSupport::Environment env;
    ConnectorModel model;
    model.appendRow(new QStandardItem);
    QML::ConnectorNotification window(&model);
    window.resize(window.minimumSize());
    QVERIFY(window.isVisible());

    // Listed without buttons, and without a script error from the missing object.
    QQuickItem* enable = nullptr;
    QTRY_VERIFY((enable = SceneItems::named(window.view()->rootObject(), QStringLiteral("enableButton"))));
    QVERIFY(!enable->isVisible());
}

// The client API's own list of add-ins waiting for the user, as the session gives the
// window: an add-in that connects is named in it, and Enable lets it in.
void ConnectorNotificationTest::aNewAddinIsAskedAboutAndLetInByEnable()
{
    TestSupport::Environment env;
    Kivo::ApiProvider::Controller controller;
    controller.InitializeController();
    QML::ConnectorNotification window(controller.getModel(Kivo::ApiProvider::NewConnectors));
    QVERIFY(!window.isVisible());

    // The socket the test runs the client API on (its environment names it).
    const QString socket = QString::fromUtf8(qgetenv("TELVARION_API_SOCKET"));
    QVERIFY(!socket.isEmpty());
    QLocalSocket addin;
    addin.connectToServer(socket);
    QVERIFY(addin.waitForConnected(5000));
    addin.write("hello 1 :{console} :1.0 2 :name :en :Add-in%20console :vendor :en :Marlowane%20Inc\n");
    QTRY_VERIFY(window.isVisible());
    QQuickItem* name = nullptr;
    QTRY_VERIFY((name = SceneItems::withText(window.view()->rootObject(), QStringLiteral("Add-in console"))));
    QVERIFY(name->isVisible());
    // It waits: the client tells it that it is not served yet.
    QTRY_VERIFY(addin.canReadLine());
    QCOMPARE(addin.readLine(), QByteArray("state 1\n"));

    QQuickItem* enable = SceneItems::named(window.view()->rootObject(), QStringLiteral("enableButton"));
    QVERIFY(enable && enable->isVisible());
    SceneItems::click(window.view(), enable);
    QTRY_VERIFY(!window.isVisible());
    const QAbstractItemModel* all = controller.getModel(Kivo::ApiProvider::AllConnectors);
    QCOMPARE(all->rowCount(), 1);
    QCOMPARE(qobject_cast<ConnectorData*>(all->index(0, 0).data(ConnectorData::ObjectRole).value<QObject*>())->state(),
             ConnectorData::Accepted);
}

QTEST_MAIN(ConnectorNotificationTest)
#include "tst_connector_notification.moc"
