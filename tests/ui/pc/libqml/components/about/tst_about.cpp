#include "libqml/components/about/about.h"

#include "../../qml_test_setup.h"
#include "libqml/components/about/build_info.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <QtTest>

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheProgramAtAFixedSize();
    void organizationName_data();
    void organizationName();
    void yearOfCompilerDate_data();
    void yearOfCompilerDate();
    void languageChangeRenamesTheWindow();
};

void AboutTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void AboutTest::showsTheProgramAtAFixedSize()
{
    TestSupport::Environment env;
    QCoreApplication::setApplicationName("Telvarion");
    QML::About about(false);
    QVERIFY(about.view()->rootObject());
    QVERIFY(about.view()->errors().isEmpty());
    QCOMPARE(about.windowTitle(), QString("About Telvarion"));
    QCOMPARE(about.minimumSize(), QSize(490, 300));
    QCOMPARE(about.maximumSize(), QSize(490, 300));
    QCOMPARE(about.productName(), QString("Telvarion"));
    QVERIFY(about.versionInfo().startsWith("Version: "));
    QVERIFY(QRegularExpression("^Version: \\d+\\.\\d+\\.\\d+\\.\\d+-\\S+$").match(about.versionInfo()).hasMatch());
    QVERIFY(about.buildYear() >= 2020);
    QCOMPARE(about.qtversionInfo(), QString("version %1").arg(qVersion()));

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keySequence(&about, QKeySequence(QKeySequence::Close));
    QTRY_VERIFY(!about.isVisible());
}

void AboutTest::organizationName_data()
{
    QTest::addColumn<QString>("organization");
    QTest::addColumn<QString>("shown");

    QTest::newRow("the company") << "Marlowane" << "Marlowane, Inc";
    QTest::newRow("another") << "Telvarion Partners" << "Telvarion Partners";
    QTest::newRow("none") << "" << "";
}

void AboutTest::organizationName()
{
    QFETCH(QString, organization);
    QFETCH(QString, shown);

    TestSupport::Environment env;
    const QString previous = QCoreApplication::organizationName();
    QCoreApplication::setOrganizationName(organization);
    QML::About about(false);
    QCOMPARE(about.organizationName(), shown);
    QCoreApplication::setOrganizationName(previous);
}

void AboutTest::yearOfCompilerDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("year");

    QTest::newRow("one-digit day") << "Mar  1 2016" << 2016;
    QTest::newRow("two-digit day") << "Dec 24 2026" << 2026;
    QTest::newRow("garbage") << "yesterday" << 0;
    QTest::newRow("empty") << "" << 0;
}

void AboutTest::yearOfCompilerDate()
{
    QFETCH(QString, date);
    QFETCH(int, year);
    QCOMPARE(QML::BuildInfo::yearOfCompilerDate(date), year);
}

void AboutTest::languageChangeRenamesTheWindow()
{
    TestSupport::Environment env;
    QCoreApplication::setApplicationName("Telvarion");
    QML::About about(false);
    QSignalSpy versionChanged(&about, &QML::About::versionInfoChanged);
    QCoreApplication::setApplicationName("Renamed");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&about, &change);
    QCOMPARE(versionChanged.count(), 1);
    QCOMPARE(about.windowTitle(), QString("About Renamed"));
    QCoreApplication::setApplicationName("Telvarion");
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
