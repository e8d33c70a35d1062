#pragma once

// The built program in a copy of its program folder, with its own data folder, registry
// file, socket folder and add-in socket, for tests that start it as a user would:
//
//     TestSupport::ProgramCopy copy(TEST_PROGRAM_DIR, TEST_PROGRAM, TEST_SHIPPED_SETTINGS);
//     QVERIFY(copy.isValid());
//     QProcess program;
//     program.setProcessEnvironment(copy.environment());
//     program.start(copy.program(), {});

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

namespace TestSupport {

// The folders of a started program's own that a user's home would hold: data folder,
// registry file, socket folder, add-in socket and the desktop's folders, all under one
// temporary root; for a program wherever it is, a copy or an installed one.
class ProgramHome
{
public:
    ProgramHome();

    bool isValid() const { return m_Valid; }
    // A path under the root folder.
    QString path(const QString& relative) const;
    QProcessEnvironment environment() const;
    // Switches the program's logging on before its first start.
    bool enableLogging();
    // Every log file the program wrote so far.
    QString logText() const;

protected:
    void invalidate() { m_Valid = false; }

private:
    QTemporaryDir m_Root;
    bool m_Valid = false;
};

class ProgramCopy : public ProgramHome
{
public:
    // The program folder of the build, the program in it and the shipped settings folder
    // (a start from the build's own folder may have moved the shipped copy away).
    ProgramCopy(const QString& programFolder, const QString& program, const QString& shippedSettings);

    QString program() const;

private:
    bool copy(const QString& programFolder, const QString& program, const QString& shippedSettings);
};

} // namespace TestSupport
