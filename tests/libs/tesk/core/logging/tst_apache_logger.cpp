#include <Tesk/Core/Logging/ApacheLogger.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <functional>

using namespace Tesk::Core::Logging;

using LogStatement = std::function<void(Logger&)>;
Q_DECLARE_METATYPE(LogStatement)

namespace {
QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void logInfo(const QString& text)
{
    ApacheLogger("tests/logging", 1, "logInfo", LevelInfo, "AppLogger") << text;
}
} // namespace

class TestApacheLogger : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void recordCarriesStatementContext();
    void streamsValues_data();
    void streamsValues();
    void capturesCoexistAndDetach();
    void writesFormattedLineToFile();
    void rotatesBySize();
    void stopAndRestart();
    void traceReachesTheFileOnlyWhenAsked();
    void clearLogs();
    void copiesLogConfiguration();
    void traceScopeAndBacktrace();
    void concurrentWritersKeepLinesWhole();
    void mirrorsToStderrOnRequest_data();
    void mirrorsToStderrOnRequest();

private:
    QTemporaryDir* m_Dir = nullptr;
};

void TestApacheLogger::init()
{
    m_Dir = new QTemporaryDir;
    QVERIFY(m_Dir->isValid());
    ApacheLogger::setLogFolder(m_Dir->path());
    ApacheLogger::setMaxFileSize(5 * 1024 * 1024);
    ApacheLogger::setMaxFiles(5);
    ApacheLogger::ReStart();
}

void TestApacheLogger::cleanup()
{
    ApacheLogger::setLogFolder(QString());
    delete m_Dir;
    m_Dir = nullptr;
}

void TestApacheLogger::recordCarriesStatementContext()
{
    RecordCapture capture;
    ApacheLogger("ui/pc/application.cpp", 42, "Application::initialize", LevelWarning, "AppLogger")
        << "value " << 7;
    QCOMPARE(capture.records().size(), 1);
    const Record record = capture.records().first();
    QCOMPARE(record.level, (unsigned short)LevelWarning);
    QCOMPARE(record.category, QStringLiteral("AppLogger"));
    QCOMPARE(record.source, QStringLiteral("ui/pc/application.cpp"));
    QCOMPARE(record.line, 42);
    QCOMPARE(record.function, QStringLiteral("Application::initialize"));
    QCOMPARE(record.text, QStringLiteral("value 7"));
    QVERIFY(record.time.isValid());
    QVERIFY(capture.contains(QStringLiteral("value"), LevelWarning));
    QVERIFY(!capture.contains(QStringLiteral("value"), LevelError));
}

void TestApacheLogger::streamsValues_data()
{
    QTest::addColumn<LogStatement>("statement");
    QTest::addColumn<QString>("expected");

    static QObject named;
    named.setObjectName(QStringLiteral("box"));
    QTest::newRow("null text") << LogStatement([](Logger& l) { l << static_cast<const char*>(nullptr); })
                               << "(null)";
    QTest::newRow("utf-8 bytes") << LogStatement([](Logger& l) { l << QByteArray("gr\xc3\xbc\xc3\x9f"); })
                                 << QString::fromUtf8("gr\xc3\xbc\xc3\x9f");
    QTest::newRow("integers") << LogStatement([](Logger& l) {
        l << -1 << ' ' << 4000000000u << ' ' << -9000000000LL << ' ' << 18000000000000000000ULL << ' '
          << std::size_t(5) << ' ' << short(3);
    }) << "-1 4000000000 -9000000000 18000000000000000000 5 3";
    QTest::newRow("bool and double") << LogStatement([](Logger& l) { l << true << '/' << false << '/' << 2.5; })
                                     << "true/false/2.5";
    QTest::newRow("pointers") << LogStatement([](Logger& l) {
        l << static_cast<const void*>(nullptr) << ' ' << reinterpret_cast<const void*>(0xbeef);
    }) << "0x0 0xbeef";
    QTest::newRow("null object") << LogStatement([](Logger& l) { l << static_cast<const QObject*>(nullptr); })
                                 << "QObject(0x0)";
    QTest::newRow("named object") << LogStatement([](Logger& l) { l << &named; })
                                  << QStringLiteral("QObject(0x%1, name = \"box\")")
                                         .arg(QString::number(quintptr(&named), 16));
}

void TestApacheLogger::streamsValues()
{
    QFETCH(LogStatement, statement);
    QFETCH(QString, expected);
    RecordCapture capture;
    {
        ApacheLogger logger("t", 1, "f", LevelDebug, "AppLogger");
        statement(logger);
    }
    QCOMPARE(capture.records().size(), 1);
    QCOMPARE(capture.records().first().text, expected);
}

void TestApacheLogger::capturesCoexistAndDetach()
{
    RecordCapture outer;
    {
        RecordCapture inner;
        logInfo(QStringLiteral("both"));
        QVERIFY(inner.contains(QStringLiteral("both")));
        inner.clear();
        QVERIFY(inner.records().isEmpty());
    }
    logInfo(QStringLiteral("outer only"));
    QCOMPARE(outer.records().size(), 2);
    removeLogger(&outer);
    removeLogger(&outer);
    logInfo(QStringLiteral("nobody"));
    QCOMPARE(outer.records().size(), 2);
}

void TestApacheLogger::writesFormattedLineToFile()
{
    ApacheLogger("src/a.cpp", 12, "A::run", LevelError, "QtLogger") << "broken pipe";
    QCOMPARE(ApacheLogger::currentLogFile(), m_Dir->filePath(QStringLiteral("tesk.log")));
    const QStringList lines = fileLines(ApacheLogger::currentLogFile());
    QCOMPARE(lines.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral(
                 R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} ERROR \[QtLogger\] src/a\.cpp:12 A::run - broken pipe$)"))
                 .match(lines.first())
                 .hasMatch(),
             qPrintable(lines.first()));
}

void TestApacheLogger::rotatesBySize()
{
    ApacheLogger::setMaxFileSize(1024);
    ApacheLogger::setMaxFiles(2);
    const QString filler(60, QLatin1Char('x'));
    for (int index = 0; index < 100; ++index)
        logInfo(QStringLiteral("%1 %2").arg(index, 3, 10, QLatin1Char('0')).arg(filler));

    const QDir dir(m_Dir->path());
    QCOMPARE(dir.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name),
             QStringList({QStringLiteral("tesk.1.log"), QStringLiteral("tesk.2.log"), QStringLiteral("tesk.log")}));
    for (const QString& name : dir.entryList({QStringLiteral("*.log")}))
        QVERIFY(QFileInfo(dir.filePath(name)).size() <= 1024);
    QVERIFY(fileLines(dir.filePath(QStringLiteral("tesk.log"))).last().contains(QStringLiteral("099 ")));
    // The newest older file continues where the current one begins.
    const QString lastOfOlder = fileLines(dir.filePath(QStringLiteral("tesk.1.log"))).last();
    const QString firstOfCurrent = fileLines(dir.filePath(QStringLiteral("tesk.log"))).first();
    const int older = lastOfOlder.section(QStringLiteral(" - "), 1).left(3).toInt();
    QCOMPARE(firstOfCurrent.section(QStringLiteral(" - "), 1).left(3).toInt(), older + 1);
}

void TestApacheLogger::stopAndRestart()
{
    RecordCapture capture;
    logInfo(QStringLiteral("before"));
    QVERIFY(ApacheLogger::Stop());
    QVERIFY(!ApacheLogger::Stop());
    QVERIFY(!ApacheLogger::isRunning());
    logInfo(QStringLiteral("while stopped"));
    ApacheLogger::ReStart();
    logInfo(QStringLiteral("after"));

    const QString file = fileLines(ApacheLogger::currentLogFile()).join(QLatin1Char('\n'));
    QVERIFY(file.contains(QStringLiteral("before")));
    QVERIFY(!file.contains(QStringLiteral("while stopped")));
    QVERIFY(file.contains(QStringLiteral("after")));
    // Test sinks see everything, stopped or not.
    QCOMPARE(capture.records().size(), 3);
}

void TestApacheLogger::traceReachesTheFileOnlyWhenAsked()
{
    RecordCapture capture;
    const auto trace = [](const char* text) { ApacheLogger("tests/logging", 1, "trace", LevelTrace, "AppLogger") << text; };
    trace("quiet by default");
    logInfo(QStringLiteral("informed"));
    ApacheLogger::setMinimumLevel(LevelTrace);
    trace("traced on request");
    ApacheLogger::setMinimumLevel(LevelDebug);

    const QString file = fileLines(ApacheLogger::currentLogFile()).join(QLatin1Char('\n'));
    QVERIFY(!file.contains(QStringLiteral("quiet by default")));
    QVERIFY(file.contains(QStringLiteral("informed")));
    QVERIFY(file.contains(QStringLiteral("traced on request")));
    QCOMPARE(capture.records().size(), 3);
}

void TestApacheLogger::clearLogs()
{
    ApacheLogger::setMaxFileSize(1024);
    for (int index = 0; index < 40; ++index)
        logInfo(QString(60, QLatin1Char('y')));
    QFile foreign(m_Dir->filePath(QStringLiteral("other.log")));
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.close();

    ApacheLogger::clearLogs(false);
    QCOMPARE(QDir(m_Dir->path()).entryList(QDir::Files), QStringList(QStringLiteral("other.log")));
    QVERIFY(!ApacheLogger::isRunning());
    logInfo(QStringLiteral("dropped"));
    QVERIFY(!QFile::exists(ApacheLogger::currentLogFile()));

    ApacheLogger::clearLogs(true);
    QVERIFY(ApacheLogger::isRunning());
    logInfo(QStringLiteral("kept"));
    QCOMPARE(fileLines(ApacheLogger::currentLogFile()).size(), 1);
}

void TestApacheLogger::copiesLogConfiguration()
{
    const QString program = m_Dir->filePath(QStringLiteral("program"));
    const QString data = m_Dir->filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(program));
    QVERIFY(QDir().mkpath(data));

    // Without a configuration the logs go under the data folder.
    QVERIFY(ApacheLogger::CopyLogConfiguration(program, data));
    QCOMPARE(ApacheLogger::logFolder(), QDir(data).absoluteFilePath(QStringLiteral("logs")));

    QFile shipped(QDir(program).filePath(ApacheLogger::configurationFileName()));
    QVERIFY(shipped.open(QIODevice::WriteOnly));
    shipped.write("folder=logs/tesk\nmaxFileSize=4096\nmaxFiles=3\n");
    shipped.close();
    QVERIFY(ApacheLogger::CopyLogConfiguration(program + QLatin1Char('/'), data));
    QCOMPARE(ApacheLogger::logFolder(), QDir(data).absoluteFilePath(QStringLiteral("logs/tesk")));
    QCOMPARE(ApacheLogger::maxFileSize(), qint64(4096));
    QCOMPARE(ApacheLogger::maxFiles(), 3);
    logInfo(QStringLiteral("in data"));
    QVERIFY(QFile::exists(QDir(data).filePath(QStringLiteral("logs/tesk/tesk.log"))));

    // A configuration the user already has is not overwritten.
    QVERIFY(shipped.open(QIODevice::WriteOnly | QIODevice::Truncate));
    shipped.write("folder=elsewhere\n");
    shipped.close();
    QVERIFY(ApacheLogger::CopyLogConfiguration(program, data));
    QCOMPARE(ApacheLogger::logFolder(), QDir(data).absoluteFilePath(QStringLiteral("logs/tesk")));
}

void TestApacheLogger::traceScopeAndBacktrace()
{
    RecordCapture capture;
    {
        CTraceScope scope("Widgets::Window::show", "ui/pc/window.cpp", 9, false, "AppLogger");
        QCOMPARE(capture.records().size(), 1);
    }
    const QList<Record> records = capture.records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).text, QStringLiteral("Entering Widgets::Window::show"));
    QCOMPARE(records.at(1).text, QStringLiteral("Leaving Widgets::Window::show"));
    QCOMPARE(records.at(1).function, QStringLiteral("Widgets::Window::show"));

    capture.clear();
    do_backtrace();
    QCOMPARE(capture.records().size(), 1);
    QCOMPARE(capture.records().first().level, (unsigned short)LevelTrace);
    QVERIFY(capture.records().first().text.startsWith(QStringLiteral("Backtrace:\n  #0 ")));
}

void TestApacheLogger::concurrentWritersKeepLinesWhole()
{
    constexpr int Threads = 4;
    constexpr int PerThread = 250;
    QList<QThread*> threads;
    for (int t = 0; t < Threads; ++t) {
        threads << QThread::create([t] {
            for (int index = 0; index < PerThread; ++index)
                logInfo(QStringLiteral("thread %1 record %2 end").arg(t).arg(index));
        });
        threads.last()->start();
    }
    for (QThread* thread : threads) {
        QVERIFY(thread->wait());
        delete thread;
    }
    const QStringList lines = fileLines(ApacheLogger::currentLogFile());
    QCOMPARE(lines.size(), Threads * PerThread);
    for (const QString& line : lines)
        QVERIFY2(line.endsWith(QStringLiteral(" end")) && line.count(QStringLiteral("thread")) == 1, qPrintable(line));
}

void TestApacheLogger::mirrorsToStderrOnRequest_data()
{
    QTest::addColumn<QString>("switchValue");
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("on") << "1" << true;
    QTest::newRow("off") << "0" << false;
    QTest::newRow("unset") << QString() << false;
}

void TestApacheLogger::mirrorsToStderrOnRequest()
{
    QFETCH(QString, switchValue);
    QFETCH(bool, mirrored);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TESK_LOG_STDERR"));
    if (!switchValue.isNull())
        environment.insert(QStringLiteral("TESK_LOG_STDERR"), switchValue);
    environment.insert(QStringLiteral("TESK_TEST_WRITE_ONE_RECORD"), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitCode(), 0);
    const QString error = QString::fromUtf8(child.readAllStandardError());
    QCOMPARE(error.contains(QStringLiteral("WARN  [AppLogger] child.cpp:3 child - to stderr")), mirrored);
}

int main(int argc, char** argv)
{
    // The child side of mirrorsToStderrOnRequest: one record, no log folder.
    if (qEnvironmentVariableIsSet("TESK_TEST_WRITE_ONE_RECORD")) {
        ApacheLogger("child.cpp", 3, "child", LevelWarning, "AppLogger") << "to stderr";
        return 0;
    }
    QCoreApplication application(argc, argv);
    TestApacheLogger test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_apache_logger.moc"
