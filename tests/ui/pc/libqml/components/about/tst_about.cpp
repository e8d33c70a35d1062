#include "libqml/components/about/about.h"

#include "../../qml_test_setup.h"
#include "libqml/components/about/build_info.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>
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
    void showsTheIconAndANoticeForEveryLinkedWork();
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

void AboutTest::showsTheIconAndANoticeForEveryLinkedWork()
{
    TestSupport::Environment env;
    QPixmap icon(64, 64);
    icon.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(icon));
    QML::About about(false);
    QQuickItem* shown = about.view()->rootObject()->findChild<QQuickItem*>("programIcon");
    QVERIFY(shown && shown->isVisible() && shown->width() > 0);
    QVERIFY(!shown->property("pixmap").value<QPixmap>().isNull());
    QApplication::setWindowIcon(QIcon());

    // The works this process links, as the program links them, each with its notice.
    QFile maps("/proc/self/maps");
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QString loaded = QString::fromLocal8Bit(maps.readAll());
    const QList<QPair<QString, QString>> works{{"libQt5Core", "Qt 5 ("},
                                               {"libQt5WebKit", "Qt WebKit"},
                                               {"libqxmpp", "QXmpp"},
                                               {"libqt5keychain", "QtKeychain"},
                                               {"libgcrypt", "Libgcrypt"}};
    const QString notices = about.view()->rootObject()->findChild<QQuickItem*>("noticesText")->property("text").toString();
    int linked = 0;
    for (const auto& work : works) {
        if (!loaded.contains("/" + work.first))
            continue;
        ++linked;
        QVERIFY2(notices.contains(work.second), qPrintable(work.second));
    }
    QVERIFY(linked >= 4);
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
