#include "qml_test_setup.h"
#include "libqml/web_module.h"
#include "support/test_environment.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QtQml>
#include <QtTest>

namespace {

struct Element
{
    const char* module;
    const char* name;
};

const Element Elements[] = {
    {"Torvex", "SecurityClassificationMenu"}, {"Torvex", "Menu"}, {"Torvex", "Pixmap"},
    {"Marlowane", "ToolTip"}, {"Marlowane", "Logger"}, {"Torvex", "DropArea"}, {"Torvex", "DragArea"},
    {"Torvex", "ComboBox"}, {"Torvex", "LoginComboBox"}, {"Torvex", "FilterComboBox"},
    {"Torvex", "NumberSelectorComboBox"}, {"Torvex", "CommWinNumberSelectorComboBox"},
    {"Torvex", "CenteredFlow"}, {"Torvex", "QmlClipboardAdapter"}, {"Torvex", "ViewShare"},
    {"Torvex", "ViewShareZyn"}, {"Torvex", "Location"}, {"Torvex", "QXmppLogger"},
    {"Marlowane", "VoiceMailVideo"}, {"Torvex", "CommunicationsWindow"}, {"Torvex", "CommsNotification"},
    {"Torvex", "CommunicationsWindowMenuActions"}, {"Torvex", "ContactCard"}, {"Torvex", "Call"},
    {"Torvex", "MessageModel"}, {"Torvex", "View"}, {"Torvex", "ConfigXML"}, {"Torvex", "QAbstractItemModel"},
    {"Torvex", "QMenu"}, {"Torvex", "Message"}, {"Torvex", "MimeData"}, {"Torvex", "DragDropEvent"},
    {"Torvex", "QmlHelper"}, {"Torvex", "Action"}, {"Torvex", "Presence"}, {"Torvex", "GroupsModel"},
    {"Torvex", "WebcollabBase"}, {"Torvex", "SecurityClassificationController"},
    {"Torvex", "CommunicationSession"}, {"Torvex", "LoginWindow"}, {"Torvex", "ChatRoomsModel"},
    {"Torvex", "CommsSessionParticipant"}, {"Torvex", "LeftPaneButtonsModel"}, {"Torvex", "TimelineEntry"},
    {"Torvex", "TimelineEntryVoiceMail"}, {"Torvex", "TimelineFilter"}, {"Torvex", "FieldData"},
    {"Torvex", "ConnectorData"}, {"Marlowane", "Contact"}, {"Marlowane", "SubSession"},
    {"Marlowane", "WebGroupsModel"}, {"Marlowane", "PresenceRulesHandler"},
};

QString otherModule(const char* module)
{
    return QString::fromLatin1(module) == QLatin1String("Torvex") ? QStringLiteral("Marlowane")
                                                                   : QStringLiteral("Torvex");
}

} // namespace

class RegisterQmlTypesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registersEveryElementOnceInItsModule();
    void uncreatableElementsFailWithTheirReason_data();
    void uncreatableElementsFailWithTheirReason();
    void ourItemsWinOverQtQuickOnes();
    void webViewComesWithTheWebModule();
};

void RegisterQmlTypesTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void RegisterQmlTypesTest::registersEveryElementOnceInItsModule()
{
    QCOMPARE(int(sizeof(Elements) / sizeof(Elements[0])), 52);
    QHash<QString, int> firstIds;
    for (const Element& element : Elements)
        firstIds.insert(QString::fromLatin1(element.name), qmlTypeId(element.module, 1, 0, element.name));

    registerQmlTypes();

    for (const Element& element : Elements) {
        const QString name = QString::fromLatin1(element.name);
        const int id = qmlTypeId(element.module, 1, 0, element.name);
        QVERIFY2(id >= 0, qPrintable(name + " is not registered"));
        QVERIFY2(id == firstIds.value(name), qPrintable(name + " was registered again"));
        QVERIFY2(qmlTypeId(qPrintable(otherModule(element.module)), 1, 0, element.name) < 0,
                 qPrintable(name + " is also in the other module"));
    }
}

void RegisterQmlTypesTest::uncreatableElementsFailWithTheirReason_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("reason");
    QTest::newRow("View") << "Torvex" << "View" << "View cannot be created from QML";
    QTest::newRow("Contact") << "Marlowane" << "Contact" << "Contact cannot be created from QML";
    QTest::newRow("CommsNotification") << "Torvex" << "CommsNotification"
                                       << "CommunicationNotification cannot be created from QML";
    QTest::newRow("MimeData") << "Torvex" << "MimeData" << "MimeData cannot be created from QML.";
}

void RegisterQmlTypesTest::uncreatableElementsFailWithTheirReason()
{
    QFETCH(QString, module);
    QFETCH(QString, element);
    QFETCH(QString, reason);
    TestSupport::Environment env;
    QFile scene(env.dataPath() + QStringLiteral("/Uncreatable.qml"));
    QVERIFY(scene.open(QIODevice::WriteOnly));
    scene.write(QStringLiteral("import QtQuick 2.15\nimport %1 1.0\n%2 { }\n").arg(module, element).toUtf8());
    scene.close();
    QQmlEngine engine;
    QQmlComponent component(&engine, QUrl::fromLocalFile(scene.fileName()));
    QTRY_VERIFY(!component.isLoading());
    QVERIFY(component.isError());
    QCOMPARE(component.errors().size(), 1);
    QCOMPARE(component.errors().first().description(), reason);
}

void RegisterQmlTypesTest::ourItemsWinOverQtQuickOnes()
{
    TestSupport::Environment env;
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.15\nimport Torvex 1.0\nimport Marlowane 1.0\n"
                      "Item { property var menu: Menu { }\n property var tip: ToolTip { }\n"
                      "property var drop: DropArea { } }\n",
                      QUrl(QStringLiteral("qrc:/tests/Shadowing.qml")));
    QScopedPointer<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    QCOMPARE(root->property("menu").value<QObject*>()->metaObject()->className(), "QML::QmlMenu");
    QCOMPARE(root->property("tip").value<QObject*>()->metaObject()->className(), "QML::QmlToolTip");
    QCOMPARE(root->property("drop").value<QObject*>()->metaObject()->className(), "DeclarativeDropArea");
}

// The web engine is loaded with the first window that shows a page, not with the program's
// types: until then the page's type is unknown and no web library is in the process.
void RegisterQmlTypesTest::webViewComesWithTheWebModule()
{
    const auto webEngineLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt5WebKit");
    };
    registerQmlTypes();
    QCOMPARE(qmlTypeId("Torvex", 1, 0, "WebView2"), -1);
    QVERIFY(!webEngineLoaded());

    QVERIFY(Web::module());
    QVERIFY(qmlTypeId("Torvex", 1, 0, "WebView2") >= 0);
    QVERIFY(webEngineLoaded());
    QCOMPARE(Web::module(), Web::module());
}

QTEST_MAIN(RegisterQmlTypesTest)
#include "tst_register_qml_types.moc"
