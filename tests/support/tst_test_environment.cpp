#include "support/test_environment.h"

#include <Kivo/Settings.h>
#include <Kivo/Utils/Path.h>

#include <QDir>
#include <QFileInfo>
#include <QTest>

class TestEnvironmentTest : public QObject
{
    Q_OBJECT

private slots:
    void freshDataFolderPerEnvironment();
    void qmlWarnings_data();
    void qmlWarnings();
};

void TestEnvironmentTest::freshDataFolderPerEnvironment()
{
    const QByteArray outside = qgetenv(Kivo::Utils::Path::DataPathVariable);
    QString first;
    {
        TestSupport::Environment env;
        first = env.dataPath();
        QCOMPARE(Kivo::Utils::Path::writableDataPath(), QDir::cleanPath(first));
        QVERIFY(QDir(first).isEmpty());
        {
            Kivo::Settings settings(Kivo::Settings::UserSettings);
            settings.setValue(QStringLiteral("contactlist/sort"), 1);
        }
        QVERIFY(QFileInfo(Kivo::Settings::filePathFor(Kivo::Settings::UserSettings))
                    .absolutePath()
                    .startsWith(QDir::cleanPath(first)));
    }
    QVERIFY(!QFileInfo::exists(first));
    QCOMPARE(qgetenv(Kivo::Utils::Path::DataPathVariable), outside);

    TestSupport::Environment second;
    QVERIFY(second.dataPath() != first);
    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    QVERIFY(!settings.contains(QStringLiteral("contactlist/sort")));
}

void TestEnvironmentTest::qmlWarnings_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("qml");
    QTest::newRow("scene location")
        << int(QtWarningMsg) << ""
        << "qrc:/windows/Main/Main.qml:12: ReferenceError: foo is not defined" << true;
    QTest::newRow("component") << int(QtWarningMsg) << ""
                               << "QDeclarativeComponent: Component is not ready" << true;
    QTest::newRow("qml file context") << int(QtWarningMsg) << "qrc:/controls/Button.qml"
                                      << "anything" << true;
    QTest::newRow("script") << int(QtWarningMsg) << "" << "file:///x/logging.js:3: TypeError"
                            << true;
    QTest::newRow("plain warning") << int(QtWarningMsg) << "" << "QObject::connect: No such slot"
                                   << false;
    QTest::newRow("debug") << int(QtDebugMsg) << "" << "qrc:/windows/Main/Main.qml:1: hello"
                           << false;
}

void TestEnvironmentTest::qmlWarnings()
{
    QFETCH(int, type);
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFETCH(bool, qml);
    const QByteArray fileName = file.toUtf8();
    const QMessageLogContext context(file.isEmpty() ? nullptr : fileName.constData(), 1, nullptr,
                                     nullptr);
    QCOMPARE(TestSupport::QmlWarningGuard::isQmlWarning(static_cast<QtMsgType>(type), context,
                                                        message),
             qml);
}

QTEST_GUILESS_MAIN(TestEnvironmentTest)
#include "tst_test_environment.moc"
