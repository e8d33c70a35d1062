#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "support/test_environment.h"

#include <QObject>
#include <QRegularExpression>
#include <QTest>

using Tesk::Core::Logging::Record;

namespace Probe {

// Gives the logging macros a real class and namespace to name.
class Emitter : public QObject
{
    Q_OBJECT

public:
    void logInfo() const { LOG_INFO << "hello " << 42; }

    template <typename T>
    void logFromTemplate(T) const
    {
        LOG_WARNING << "templated";
    }

    void logFromLambda() const
    {
        const auto inner = [] { LOG_DEBUG << "from lambda"; };
        inner();
    }

    void traced() const { TRACE_SCOPE; }

    bool returnOn(bool condition, bool& reachedEnd)
    {
        reachedEnd = false;
        ASSERT_RETURN_VALUE(condition, false);
        reachedEnd = true;
        return true;
    }

    void voidReturnOn(bool condition, bool& reachedEnd)
    {
        reachedEnd = false;
        ASSERT_RETURN(condition);
        reachedEnd = true;
    }

    bool continueOn(bool condition, bool& reachedEnd)
    {
        const bool held = ASSERT_CONTINUE(condition);
        reachedEnd = true;
        return held;
    }

    bool connectThree(const char* slot) { return CHECKED_CONNECT(this, SIGNAL(ping()), slot); }
    bool connectFour(const char* slot)
    {
        return CHECKED_CONNECT(this, SIGNAL(ping()), this, slot);
    }
    bool connectFive(const char* slot)
    {
        return CHECKED_CONNECT(this, SIGNAL(ping()), this, slot, Qt::QueuedConnection);
    }

signals:
    void ping();

public slots:
    void pong() { ++pongs; }

public:
    int pongs = 0;
};

} // namespace Probe

class CommonTest : public QObject
{
    Q_OBJECT

private:
    static Record onlyRecord(TestSupport::Environment& env, const QString& text)
    {
        const QList<Record> records = env.logs().records();
        QList<Record> matching;
        for (const Record& record : records) {
            if (record.text.contains(text))
                matching.append(record);
        }
        if (matching.size() != 1)
            return Record();
        return matching.first();
    }

private slots:
    void qualifiedFunctionName_data();
    void qualifiedFunctionName();
    void logRecordCarriesSite();
    void assertionTexts_data();
    void assertionTexts();
    void connectCheck_data();
    void connectCheck();
};

void CommonTest::qualifiedFunctionName_data()
{
    QTest::addColumn<QString>("signature");
    QTest::addColumn<QString>("name");
    QTest::newRow("member") << "bool Application::initialize()" << "Application::initialize";
    QTest::newRow("virtual const") << "virtual QVariant QML::Style::fontFamily() const"
                                   << "QML::Style::fontFamily";
    QTest::newRow("constructor") << "QML::MainWindow::MainWindow(QWidget*)"
                                 << "QML::MainWindow::MainWindow";
    QTest::newRow("template return type")
        << "QList<QPair<int, QString> > Utils::Foo::pairs(const QMap<int, int>&)"
        << "Utils::Foo::pairs";
    QTest::newRow("function template") << "void A::f(T) const [with T = int]" << "A::f";
    QTest::newRow("lambda") << "Utils::MyRoomHelper::copyInvitation()::<lambda(int)>"
                            << "Utils::MyRoomHelper::copyInvitation";
    QTest::newRow("free function") << "int main(int, char**)" << "main";
    QTest::newRow("call operator") << "void Utils::Sorter::operator()(int) const"
                                   << "Utils::Sorter::operator()";
}

void CommonTest::qualifiedFunctionName()
{
    QFETCH(QString, signature);
    QFETCH(QString, name);
    // The runtime copy goes through the same constexpr code as the macro.
    const QByteArray bytes = signature.toLatin1();
    char buffer[256] = {};
    qstrncpy(buffer, bytes.constData(), sizeof buffer);
    const auto result = Common::Logging::qualifiedFunctionName(buffer);
    QCOMPARE(QString::fromLatin1(result.text), name);
}

void CommonTest::logRecordCarriesSite()
{
    TestSupport::Environment env;
    Probe::Emitter emitter;
    emitter.logInfo();
    emitter.logFromTemplate(3);
    emitter.logFromLambda();
    emitter.traced();

    const Record info = onlyRecord(env, "hello 42");
    QCOMPARE(info.function, QStringLiteral("Probe::Emitter::logInfo"));
    QCOMPARE(info.level, static_cast<unsigned short>(Common::Logging::Info));
    QCOMPARE(info.category, QStringLiteral("AppLogger"));
    QVERIFY(info.source.endsWith(QStringLiteral("tst_common.cpp")));
    QVERIFY(info.line > 0);

    QCOMPARE(onlyRecord(env, "templated").function,
             QStringLiteral("Probe::Emitter::logFromTemplate"));
    QCOMPARE(onlyRecord(env, "from lambda").function,
             QStringLiteral("Probe::Emitter::logFromLambda"));

    bool traced = false;
    for (const Record& record : env.logs().records())
        traced = traced || record.function == QStringLiteral("Probe::Emitter::traced");
    QVERIFY(traced);
}

void CommonTest::assertionTexts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reachesEnd");
    QTest::newRow("return") << "return"
                            << "condition failed. Returning from failed assertion" << false;
    QTest::newRow("return value")
        << "value" << "condition failed. Returning from failed assertion with return value"
        << false;
    QTest::newRow("continue") << "continue"
                              << "condition failed. Continuing with failed assertion" << true;
}

void CommonTest::assertionTexts()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, reachesEnd);
    TestSupport::Environment env;
    Probe::Emitter emitter;

    const auto run = [&](bool condition, bool& reachedEnd) {
        if (kind == QLatin1String("return"))
            emitter.voidReturnOn(condition, reachedEnd);
        else if (kind == QLatin1String("value"))
            QCOMPARE(emitter.returnOn(condition, reachedEnd), condition);
        else
            QCOMPARE(emitter.continueOn(condition, reachedEnd), condition);
    };

    bool reachedEnd = false;
    run(true, reachedEnd);
    QVERIFY(reachedEnd);
    QVERIFY(env.logs().records().isEmpty());

    run(false, reachedEnd);
    QCOMPARE(reachedEnd, reachesEnd);
    QCOMPARE(env.logs().count(text, Common::Logging::Error), 1);
    QCOMPARE(env.logs().records().size(), 1);
}

void CommonTest::connectCheck_data()
{
    QTest::addColumn<int>("arguments");
    QTest::addColumn<QString>("marker");
    QTest::newRow("3") << 3 << "___connect3_check___ failed";
    QTest::newRow("4") << 4 << "___connect4_check___ failed";
    QTest::newRow("5") << 5 << "___connect5_check___ failed";
}

void CommonTest::connectCheck()
{
    QFETCH(int, arguments);
    QFETCH(QString, marker);
    TestSupport::Environment env;
    Probe::Emitter emitter;

    const auto connect = [&](const char* slot) {
        switch (arguments) {
        case 3:
            return emitter.connectThree(slot);
        case 4:
            return emitter.connectFour(slot);
        default:
            return emitter.connectFive(slot);
        }
    };

    QVERIFY(connect(SLOT(pong())));
    QVERIFY(env.logs().records().isEmpty());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No such slot")));
    QVERIFY(!connect(SLOT(missing())));
    QCOMPARE(env.logs().count(marker, Common::Logging::Error), 1);
    const Record record = onlyRecord(env, marker);
    QCOMPARE(record.text, marker);
    QCOMPARE(record.category, QStringLiteral("AppLogger"));
    QVERIFY(record.function.startsWith(QStringLiteral("Probe::Emitter::connect")));

    // The good connection still works and the program went on.
    emit emitter.ping();
    QTRY_COMPARE(emitter.pongs, 1);
}

QTEST_GUILESS_MAIN(CommonTest)
#include "tst_common.moc"
