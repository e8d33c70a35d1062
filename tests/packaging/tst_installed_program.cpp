#include "Polyphone/supported_phones.h"
#include "support/program_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QMap>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr const char* DesktopId = "com.marlowane.Telvarion";

// The output of a tool that had to end well, or why it did not.
QString run(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        *exitCode = -1;
        return program + " did not end: " + process.errorString();
    }
    *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAll());
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The keys of a desktop entry's main group.
QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    bool inMainGroup = false;
    for (const QString& line : fileText(path).split('\n')) {
        if (line.startsWith('['))
            inMainGroup = line == "[Desktop Entry]";
        else if (inMainGroup && line.contains('='))
            keys.insert(line.section('=', 0, 0), line.section('=', 1));
    }
    return keys;
}

} // namespace

class InstalledProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void launcherEntry();
    void iconAtEachSize_data();
    void iconAtEachSize();
    void metainfo();
    void udevRuleTagsTheSupportedPhones();
    void commandStartsTheProgramAndHandsLinksOver();

private:
    QString installed(const QString& relative) const { return m_Prefix.filePath(relative); }

    QTemporaryDir m_Prefix;
};

void InstalledProgramTest::initTestCase()
{
    QVERIFY(m_Prefix.isValid());
    int exitCode = 0;
    const QString output = run(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", m_Prefix.path()}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
}

void InstalledProgramTest::launcherEntry()
{
    const QString entry = installed(QString("share/applications/%1.desktop").arg(DesktopId));
    QVERIFY(QFile::exists(entry));
    int exitCode = 0;
    const QString complaints = run("desktop-file-validate", {entry}, &exitCode);
    QVERIFY2(exitCode == 0 && complaints.isEmpty(), qPrintable(complaints));

    const QMap<QString, QString> keys = desktopEntry(entry);
    // The command it runs is the installed one, which turns a link the desktop hands over
    // into the program's own argument.
    QCOMPARE(keys.value("Exec"), QString("telvarion %u"));
    QVERIFY(QFileInfo(installed("bin/telvarion")).isExecutable());
    QCOMPARE(keys.value("Icon"), QString(DesktopId));
    QCOMPARE(keys.value("Categories"), QString("Network;Telephony;InstantMessaging;"));
    QCOMPARE(keys.value("MimeType"), QString("x-scheme-handler/qomx;x-scheme-handler/callto;"));
    // The windows' class is the application's name, the first line of its identity file.
    const QString identity = fileText(installed(QString(INSTALL_DIR) + "/application_name.txt"));
    QVERIFY(!identity.isEmpty());
    QCOMPARE(keys.value("StartupWMClass"), identity.section('\n', 0, 0).trimmed());
}

void InstalledProgramTest::iconAtEachSize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void InstalledProgramTest::iconAtEachSize()
{
    QFETCH(int, size);
    const QImage icon(installed(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(DesktopId)));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    // Drawn, not blank: the corner is clear and the middle is not.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

void InstalledProgramTest::metainfo()
{
    const QString metainfo = installed(QString("share/metainfo/%1.metainfo.xml").arg(DesktopId));
    QVERIFY(QFile::exists(metainfo));
    int exitCode = 0;
    const QString report = run("appstreamcli", {"validate", "--no-net", metainfo}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(report));
    const QString text = fileText(metainfo);
    QVERIFY(text.contains(QString("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(DesktopId)));
    QVERIFY(text.contains("<binary>telvarion</binary>"));
}

void InstalledProgramTest::udevRuleTagsTheSupportedPhones()
{
    const QString rule = fileText(installed("lib/udev/rules.d/70-telvarion-desk-phones.rules"));
    QVERIFY(!rule.isEmpty());
    const QRegularExpression phoneLine(R"re(^SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="([0-9a-f]{4})", )re"
                                       R"re(ATTRS\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess"$)re");
    QSet<QString> tagged;
    for (const QString& line : rule.split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('#'))
            continue;
        const QRegularExpressionMatch match = phoneLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable("not a phone's line: " + line));
        tagged.insert(match.captured(1) + ':' + match.captured(2));
    }
    QSet<QString> supported;
    for (const Connector::SupportedPhone& phone : Connector::SupportedPhones)
        supported.insert(QString::asprintf("%04x:%04x", phone.vendorId, phone.productId));
    QCOMPARE(tagged, supported);
}

void InstalledProgramTest::commandStartsTheProgramAndHandsLinksOver()
{
    TestSupport::ProgramHome home;
    QVERIFY(home.isValid());
    QVERIFY(home.enableLogging());
    QProcess first;
    first.setProcessEnvironment(home.environment());
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(installed("bin/telvarion"), QStringList());
    QVERIFY(first.waitForStarted(30000));
    const auto stopFirst = qScopeGuard([&] {
        first.kill();
        first.waitForFinished(30000);
    });
    QTRY_VERIFY_WITH_TIMEOUT(home.logText().contains("Application initialization is complete"), 60000);
    // It runs from the installed program folder: that is what it registers for its links.
    const QString schemeEntry = fileText(home.path("share/applications/telvarion-qomx-handler.desktop"));
    QVERIFY2(schemeEntry.contains(installed(QString(INSTALL_DIR) + "/Telvarion")), qPrintable(schemeEntry));

    // A link as the desktop hands it over (Exec=telvarion %u) reaches the running program.
    QProcess second;
    second.setProcessEnvironment(home.environment());
    second.start(installed("bin/telvarion"), {"qomx:bGluaw=="});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(home.logText().contains("Keeping the link until signed in: bGluaw=="), 30000);
    QCOMPARE(first.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(InstalledProgramTest)
#include "tst_installed_program.moc"
