#pragma once

// Tests that drive the whole application, started as the program starts it. Link with
// telvarion_testsupport; main() is one line:
//
//     class SignInTest : public TestSupport::ApplicationTest
//     {
//         Q_OBJECT
//     public:
//         using ApplicationTest::ApplicationTest;
//     private slots:
//         void signsIn() { signIn(); ... }
//     };
//
//     int main(int argc, char** argv) { return TestSupport::execApplicationTest<SignInTest>(argc, argv); }
//
// initTestCase() starts the application and cleanupTestCase() drops the QML-warning guard;
// a test that checks more at start calls ApplicationTest::initTestCase() first.

#include "application.h"
#include "support/test_environment.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace Kivo::Simulation {
class Service;
}

namespace TestSupport {

class ApplicationTest : public QObject
{
    Q_OBJECT

public:
    // An account of the demonstration configuration.
    static constexpr const char* DemoUser = "alice@demo.telvarion.net";
    static constexpr const char* DemoPassword = "Demo-1234";

    ApplicationTest(Application& app, Environment& environment);
    ~ApplicationTest() override;

protected slots:
    void initTestCase();
    void cleanupTestCase();

protected:
    // Through the login window, until the main window shows.
    void signIn(const QString& user = DemoUser, const QString& password = DemoPassword);
    // Through the menu, until the application and the service both say signed out.
    void signOut();
    void waitUntilSignedOut();

    static Kivo::Simulation::Service& service();
    Tesk::Core::Logging::RecordCapture& logs();
    QString dataPath() const;

    Application& m_App;

private:
    Environment& m_Environment;
    std::unique_ptr<QmlWarningGuard> m_QmlWarnings;
};

// What an application test runs in: everything the program writes goes to folders of
// this run, and the application exists with its resources and style. Passwords the program
// keeps go to a file-backed secret store in the data folder (FileSecretStore).
class ApplicationRun
{
public:
    enum class User
    {
        // Has accepted the end-user agreement before: start-up shows the login window.
        Returning,
        // Starts the program for the first time, or again on `dataPath`, a data folder of
        // an earlier run that outlives this one.
        New
    };

    explicit ApplicationRun(int& argc, char** argv, User user = User::Returning, const QString& dataPath = QString());
    ApplicationRun(const ApplicationRun&) = delete;
    ApplicationRun& operator=(const ApplicationRun&) = delete;

    Application& application() { return m_Application; }
    Environment& environment() { return m_Environment; }

private:
    // Points the program's folders into a temporary home before anything reads them.
    struct Home
    {
        Home();
        QTemporaryDir folder;
    };

    // Prepares the data folder before the application reads it.
    struct DataFolder
    {
        DataFolder(Environment& environment, User user);
    };

    Home m_Home;
    Environment m_Environment;
    DataFolder m_DataFolder;
    Application m_Application;
};

template <typename Test>
int execApplicationTest(int& argc, char** argv)
{
    ApplicationRun run(argc, argv);
    Test test(run.application(), run.environment());
    return QTest::qExec(&test, argc, argv);
}

} // namespace TestSupport
