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

class ProgramCopy
{
public:
    // The program folder of the build, the program in it and the shipped settings folder
    // (a start from the build's own folder may have moved the shipped copy away).
    ProgramCopy(const QString& programFolder, const QString& program, const QString& shippedSettings);

    bool isValid() const { return m_Valid; }
    QString program() const;
    // A path under the copy's root folder.
    QString path(const QString& relative) const;
    QProcessEnvironment environment() const;
    // Switches the program's logging on before its first start.
    bool enableLogging();
    // Every log file the program wrote so far.
    QString logText() const;

private:
    bool copy(const QString& programFolder, const QString& program, const QString& shippedSettings);

    QTemporaryDir m_Root;
    bool m_Valid = false;
};

} // namespace TestSupport
