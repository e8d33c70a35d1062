#include "libqml/items/qml_logger.h"

#include "../qml_test_setup.h"
#include "support/test_environment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

using Tesk::Core::Logging::Record;

namespace {

QtMessageHandler g_Previous = nullptr;

// The program's Qt message handler hands every message to the logger first.
void routeToLogger(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!QML::Logger::handleMessage(&context, message) && g_Previous)
        g_Previous(type, context, message);
}

Record onlyQtRecord(const Tesk::Core::Logging::RecordCapture& logs)
{
    Record found;
    int count = 0;
    for (const Record& record : logs.records()) {
        if (record.category == QLatin1String("QtLogger")) {
            found = record;
            ++count;
        }
    }
    if (count != 1)
        qWarning("expected one QtLogger record, got %d", count);
    return found;
}

} // namespace

class QmlLoggerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void encodesMarkerAndJson();
    void roundTripsThroughQml();
    void fallsBack_data();
    void fallsBack();
    void markerOnlyAtTheStart();
    void withoutQtContext();
};

void QmlLoggerTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void QmlLoggerTest::encodesMarkerAndJson()
{
    const QML::Logger logger;
    const QString record = logger.encode(QML::Logger::EWarning, QStringLiteral("x"));
    QVERIFY(record.startsWith(QStringLiteral("5SKawX38bP{")));
    const QJsonObject json = QJsonDocument::fromJson(record.mid(10).toUtf8()).object();
    QCOMPARE(json.size(), 2);
    QCOMPARE(json.value(QStringLiteral("Level")).toInt(), 3);
    QCOMPARE(json.value(QStringLiteral("Message")).toString(), QStringLiteral("x"));
}

void QmlLoggerTest::roundTripsThroughQml()
{
    TestSupport::Environment env;
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.15\n"
                      "import Marlowane 1.0\n"
                      "import \"qrc:/js/logging.js\" as Logging\n"
                      "Item {\n"
                      "    Logger { id: logger }\n"
                      "    function plain() { console.log(logger.encode(Logger.EWarning, \"x\")) }\n"
                      "    function placed() {\n"
                      "        var err\n"
                      "        (function() { try { throw new Error() } catch (e) { err = e } })()\n"
                      "        write(Logging.context(err))\n"
                      "    }\n"
                      "    function write(ctx) { console.log(Logging.encode(logger, Logger.EError, \"y\", ctx)) }\n"
                      "    property var noPlace: Logging.context(null).join(\"|\")\n"
                      "}\n",
                      QUrl(QStringLiteral("qrc:/tests/LoggerScene.qml")));
    QScopedPointer<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    QCOMPARE(root->property("noPlace").toString(), QStringLiteral("|0|"));

    g_Previous = qInstallMessageHandler(routeToLogger);
    QMetaObject::invokeMethod(root.data(), "plain");
    const Record plain = onlyQtRecord(env.logs());
    env.logs().clear();
    QMetaObject::invokeMethod(root.data(), "placed");
    const Record placed = onlyQtRecord(env.logs());
    qInstallMessageHandler(g_Previous);

    QCOMPARE(plain.text, QStringLiteral("x"));
    QCOMPARE(plain.level, static_cast<unsigned short>(3));
    QCOMPARE(plain.source, QStringLiteral("qrc:/tests/LoggerScene.qml"));
    QCOMPARE(plain.line, 6);
    QCOMPARE(plain.function, QStringLiteral("plain"));

    QCOMPARE(placed.text, QStringLiteral("y"));
    QCOMPARE(placed.level, static_cast<unsigned short>(4));
    QCOMPARE(placed.source, QStringLiteral("qrc:/tests/LoggerScene.qml"));
    QCOMPARE(placed.line, 9);
    QCOMPARE(placed.function, QStringLiteral("placed"));
}

void QmlLoggerTest::fallsBack_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("complaints");
    QTest::newRow("no level") << R"({"Message":"m"})" << 2 << "m" << 77
                              << QStringList{"m_Level != Logger::EUndefined failed"};
    QTest::newRow("undefined level") << R"({"Level":6,"Message":"m"})" << 2 << "m" << 77
                                     << QStringList{"level != Logger::EUndefined failed",
                                                    "m_Level != Logger::EUndefined failed"};
    QTest::newRow("line without level") << R"({"Line":12,"Message":"m"})" << 2 << "m" << 12
                                        << QStringList{"m_Level != Logger::EUndefined failed"};
    QTest::newRow("garbage") << "{not json" << 2 << "" << 77
                             << QStringList{"m_Level != Logger::EUndefined failed"};
    QTest::newRow("debug") << R"({"Level":1,"Message":"d"})" << 1 << "d" << 77 << QStringList();
}

void QmlLoggerTest::fallsBack()
{
    QFETCH(QString, json);
    QFETCH(int, level);
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(QStringList, complaints);
    TestSupport::Environment env;
    const QMessageLogContext qtContext("scene.qml", 77, "onClicked", "qml");

    QVERIFY(QML::Logger::handleMessage(&qtContext, QStringLiteral("5SKawX38bP") + json));

    const Record record = onlyQtRecord(env.logs());
    QCOMPARE(int(record.level), level);
    QCOMPARE(record.text, text);
    QCOMPARE(record.line, line);
    QCOMPARE(record.source, QStringLiteral("scene.qml"));
    QCOMPARE(record.function, QStringLiteral("onClicked"));
    for (const QString& complaint : complaints)
        QVERIFY2(env.logs().contains(complaint, 4), qPrintable(complaint));
}

void QmlLoggerTest::markerOnlyAtTheStart()
{
    TestSupport::Environment env;
    const QString record = QStringLiteral("see 5SKawX38bP{\"Level\":3,\"Message\":\"x\"}");
    QVERIFY(!QML::Logger::canDecode(record));
    QVERIFY(!QML::Logger::handleMessage(nullptr, record));
    QCOMPARE(QML::Logger::decode(record).message, QString());
    QVERIFY(env.logs().contains(QStringLiteral("canDecode( message ) failed"), 4));
}

void QmlLoggerTest::withoutQtContext()
{
    TestSupport::Environment env;
    const QML::Logger logger;
    QVERIFY(QML::Logger::handleMessage(
        nullptr, logger.encode(QML::Logger::EError, QStringLiteral("m"), QStringLiteral("a.qml"), 5, QStringLiteral("f"))));
    const Record record = onlyQtRecord(env.logs());
    QCOMPARE(record.source, QStringLiteral("a.qml"));
    QCOMPARE(record.line, 5);
    QCOMPARE(record.function, QStringLiteral("f"));

    QML::Logger::Context context;
    context.fill(nullptr);
    QVERIFY(context.file.isEmpty());
    QVERIFY(env.logs().contains(QStringLiteral("ctx failed. Returning from failed assertion"), 4));
}

QTEST_MAIN(QmlLoggerTest)
#include "tst_qml_logger.moc"
