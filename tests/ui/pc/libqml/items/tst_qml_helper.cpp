#include "libqml/items/qml_helper.h"

#include "../qml_test_setup.h"
#include "support/test_environment.h"

#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Models/TimelineEntry.h>

#include <QtTest>

#include <cmath>

class QmlHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checksResourcesAndFiles();
    void modifyStyle_data();
    void modifyStyle();
    void durations_data();
    void durations();
    void historyDatesReadAsDays_data();
    void historyDatesReadAsDays();
    void stripsWhiteSpace();
    void presenceIcons_data();
    void presenceIcons();
    void saturatesUpToTheCap();
    void namesGroups();
    void timelineImages();

private:
    QML::QmlHelper m_Helper;
};

void QmlHelperTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void QmlHelperTest::checksResourcesAndFiles()
{
    TestSupport::Environment env;
    QVERIFY(m_Helper.checkResource(QStringLiteral("qrc:/components/ToolTipContent.qml")));
    QVERIFY(!m_Helper.checkResource(QStringLiteral("qrc:/components/Missing.qml")));
    QFile file(env.dataPath() + QStringLiteral("/themed.png"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(m_Helper.checkResource(file.fileName()));
    QVERIFY(!m_Helper.checkResource(env.dataPath() + QStringLiteral("/other.png")));
}

void QmlHelperTest::modifyStyle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no search") << "Anna Bell" << "" << "Anna Bell";
    QTest::newRow("no match") << "Anna Bell" << "xy" << "Anna Bell";
    QTest::newRow("every occurrence, casing of the first")
        << "Anna ANNA" << "anna" << "<span style=\"S\">Anna</span> <span style=\"S\">Anna</span>";
    QTest::newRow("angle bracket escapes the whole name")
        << "Bob <b>Smith</b>" << "smith"
        << "Bob &lt;b&gt;<span style=\"S\">Smith</span>&lt;/b&gt;";
    QTest::newRow("a match never lands inside an escaped character")
        << "Bob <b>Smith</b>" << "t" << "Bob &lt;b&gt;Smi<span style=\"S\">t</span>h&lt;/b&gt;";
    QTest::newRow("a search for a bracket finds the bracket")
        << "Bob <b>Smith</b>" << "<b" << "Bob <span style=\"S\">&lt;b</span>&gt;Smith&lt;/b&gt;";
}

void QmlHelperTest::modifyStyle()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, expected);
    QCOMPARE(m_Helper.modifyStyle(text, search, QStringLiteral("S")), expected);
}

void QmlHelperTest::durations_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("minutes and seconds") << QTime(0, 5, 7) << "05:07";
    QTest::newRow("one hour") << QTime(1, 0, 0) << "01:00:00";
    QTest::newRow("invalid") << QTime() << "";
}

void QmlHelperTest::durations()
{
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    QCOMPARE(m_Helper.formatHistoryEntryDuration(time), expected);
    QCOMPARE(m_Helper.formatActiveCommsEntryTime(time), expected);
    QCOMPARE(m_Helper.formatHistoryEntryDurationinMsecs(90000), QStringLiteral("01:30"));
    QCOMPARE(m_Helper.formatHistoryEntryDurationinMsecs(25LL * 3600 * 1000 + 1000), QStringLiteral("01:00:01"));
}

void QmlHelperTest::historyDatesReadAsDays_data()
{
    // Times a second after midnight and at noon of each day: the day is the user's, also for
    // a time the service gives in UTC.
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("day");
    const QDate today = QDate::currentDate();
    const QDateTime todayNoon(today, QTime(12, 0));
    QTest::newRow("today") << todayNoon << "Today, ";
    QTest::newRow("today, given in UTC") << todayNoon.toUTC() << "Today, ";
    QTest::newRow("just after midnight") << QDateTime(today, QTime(0, 0, 1)) << "Today, ";
    QTest::newRow("yesterday") << QDateTime(today.addDays(-1), QTime(23, 59)) << "Yesterday, ";
    QTest::newRow("yesterday, given in UTC") << QDateTime(today.addDays(-1), QTime(12, 0)).toUTC() << "Yesterday, ";
    const QDate older = today.addDays(-2);
    QTest::newRow("the day before") << QDateTime(older, QTime(9, 30))
                                    << QLocale().toString(older, QLocale::NarrowFormat) + ", ";
}

void QmlHelperTest::historyDatesReadAsDays()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, day);
    // One format for every day: the day, then the time as the other times show it.
    QCOMPARE(m_Helper.formatHistoryEntryTime(time), day + m_Helper.formatTime(time.toLocalTime()));
    QCOMPARE(m_Helper.formatHistoryEntryTime(QDateTime()), QString());
}

void QmlHelperTest::stripsWhiteSpace()
{
    QCOMPARE(m_Helper.stripWhiteSpaceChars(QStringLiteral(" a\tb\nc\rd\fe\vf|g ")), QStringLiteral("a b c d e f g"));
}

void QmlHelperTest::presenceIcons_data()
{
    QTest::addColumn<int>("presence");
    QTest::addColumn<bool>("large");
    QTest::addColumn<bool>("own");
    QTest::addColumn<QString>("expected");
    QTest::newRow("18 small is busy") << 18 << false << false << "qrc:/presence/presence_busy_small.png";
    QTest::newRow("18 own keeps its entry") << 18 << false << true << "qrc:/presence/ownpresence_busy.png";
    QTest::newRow("pending has no own icon") << 1 << true << true << "";
    QTest::newRow("pending large") << 1 << true << false << "qrc:/presence/presence_pending_large.png";
    QTest::newRow("no presence") << 0 << false << false << "";
    QTest::newRow("own offline") << 0 << false << true << "qrc:/presence/ownpresence_offline.png";
    QTest::newRow("do not disturb") << 19 << true << false << "qrc:/presence/presence_dnd_large.png";
    QTest::newRow("out of range") << 20 << false << false << "";
}

void QmlHelperTest::presenceIcons()
{
    QFETCH(int, presence);
    QFETCH(bool, large);
    QFETCH(bool, own);
    QFETCH(QString, expected);
    QCOMPARE(m_Helper.getPresenceIcon(presence, large, own), expected);
    if (!own)
        QCOMPARE(m_Helper.getPresenceIcon(presence, large), expected);
}

void QmlHelperTest::saturatesUpToTheCap()
{
    const QColor color = QColor::fromHsv(30, 200, 180, 90);
    const QColor saturated = m_Helper.getSaturatedColor(color, 2.0);
    QCOMPARE(saturated.hsvSaturation(), 255);
    QCOMPARE(saturated.hsvHue(), 30);
    QCOMPARE(saturated.value(), 180);
    QCOMPARE(saturated.alpha(), 90);
    QCOMPARE(m_Helper.getSaturatedColor(QColor::fromHsv(30, 101, 180), 0.5).hsvSaturation(), 50);

    // Factors a scene should never pass still give a valid colour.
    const QColor negative = m_Helper.getSaturatedColor(color, -1.0);
    QVERIFY(negative.isValid());
    QCOMPARE(negative.hsvSaturation(), 0);
    QCOMPARE(m_Helper.getSaturatedColor(color, std::nan("")).hsvSaturation(), 200);
}

void QmlHelperTest::namesGroups()
{
    Kivo::Contacts::IGroup all(Kivo::Contacts::IGroup::AllContactsId, QStringLiteral("x"));
    Kivo::Contacts::IGroup favorites(Kivo::Contacts::IGroup::FavoritesId, QStringLiteral("y"));
    Kivo::Contacts::IGroup friends(7, QStringLiteral("Friends"));
    QCOMPARE(m_Helper.getGroupName(QVariant::fromValue<QObject*>(&all)), QStringLiteral("All Contacts"));
    QCOMPARE(m_Helper.getGroupName(QVariant::fromValue<QObject*>(&favorites)), QStringLiteral("Favorites"));
    QCOMPARE(m_Helper.getGroupName(QVariant::fromValue<QObject*>(&friends)), QStringLiteral("Friends"));
    QCOMPARE(m_Helper.getGroupName(QVariant::fromValue<QObject*>(this)), QString());
    QCOMPARE(m_Helper.getGroupName(QVariant(3)), QString());
}

void QmlHelperTest::timelineImages()
{
    using Kivo::Models::TimelineEntry;
    TimelineEntry::Data missed;
    missed.direction = TimelineEntry::Incoming;
    missed.missed = true;
    TimelineEntry missedCall(missed);
    QCOMPARE(m_Helper.getTimelineStatusImageBase(&missedCall),
             QStringLiteral("qrc:/windows/MainWindow/History/history_missed"));
    QCOMPARE(m_Helper.getVoicemailTypeIndicatorImage(&missedCall), QString());

    TimelineEntry::Data fax;
    fax.subType = TimelineEntry::Fax;
    Kivo::Models::TimelineEntryVoiceMail voiceMail(fax);
    QCOMPARE(m_Helper.getTimelineStatusImageBase(&voiceMail), QStringLiteral("qrc:/windows/options_dotted"));
    QCOMPARE(m_Helper.getVoicemailTypeIndicatorImage(&voiceMail),
             QStringLiteral("qrc:/windows/MainWindow/History/vm_fax.png"));
    QCOMPARE(m_Helper.getTimelineStatusImageBase(nullptr), QString());
    QCOMPARE(m_Helper.getHistoryEntrySubTypeString(TimelineEntry::Video), QStringLiteral("Video"));
    QCOMPARE(m_Helper.getHistoryEntrySubTypeString(99), QString());
}

QTEST_MAIN(QmlHelperTest)
#include "tst_qml_helper.moc"
