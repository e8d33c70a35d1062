#pragma once

// What every Qt test of the program stands on. Link it with
//     telvarion_add_qtest(tst_x LABEL <area> SOURCES tst_x.cpp LIBS telvarion_testsupport)
// (it brings telvarion_core and Qt5::Test along).
//
// Make one TestSupport::Environment at the start of each test function (it is
// cheap); while it lives:
//   - the engine's per-user data folder is a fresh, empty temporary folder
//     (dataPath()), removed again afterwards, and the engine settings files
//     follow it;
//   - every log record is captured (logs(): contains(), count(), records());
//   - a QML warning (a warning about a qrc:/.qml location, a QML component or a
//     script error) fails the running test.
//
//     void StyleTest::importsCsv()
//     {
//         TestSupport::Environment env;
//         ...
//         QVERIFY(env.logs().contains("invalid color: ", Common::Logging::Debug));
//     }
//
// A test that means to provoke a QML warning announces it with
// expectQmlWarning(pattern) (QTest::ignoreMessage alone does not stop the guard);
// an announced warning that never comes fails the test.
// QmlWarningGuard alone guards a scope without touching the data folder.

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <memory>

namespace TestSupport {

class QmlWarningGuard
{
public:
    QmlWarningGuard();
    ~QmlWarningGuard();
    QmlWarningGuard(const QmlWarningGuard&) = delete;
    QmlWarningGuard& operator=(const QmlWarningGuard&) = delete;

    // The next QML warning that matches does not fail the test.
    static void expect(const QRegularExpression& pattern);

    // True for the warnings that the guard turns into failures.
    static bool isQmlWarning(QtMsgType type, const QMessageLogContext& context,
                             const QString& message);

private:
    QtMessageHandler m_Previous;
};

class Environment
{
public:
    Environment();
    // Over a data folder that outlives the environment: a restarted program's, which finds
    // what the first run left there.
    explicit Environment(const QString& dataPath);
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    QString dataPath() const;
    Tesk::Core::Logging::RecordCapture& logs();
    void expectQmlWarning(const QRegularExpression& pattern);

private:
    // Made only when no data folder is given.
    std::unique_ptr<QTemporaryDir> m_DataFolder;
    QString m_DataPath;
    QByteArray m_PreviousDataPath;
    bool m_HadDataPath;
    Tesk::Core::Logging::RecordCapture m_Logs;
    QmlWarningGuard m_QmlWarnings;
};

} // namespace TestSupport
