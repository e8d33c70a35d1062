#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace Kivo {
namespace Utils {
namespace CrashHandling {

// Hands a crash to an outside crash-reporting program, which may restart the client. The
// stand-in records what it was told and logs it; it catches no crash.
class CrashReporter : public QObject
{
    Q_OBJECT

public:
    explicit CrashReporter(QObject* parent = nullptr);

    void setCrashReporterExe(const QString& program);
    void setRestartOptions(const QString& program, const QStringList& arguments);
    void setBuildVersion(const QString& version);
    // False when the crash service cannot be used.
    bool installExceptionHandler(const QString& service, const QString& dumpFolder);

    QString crashReporterExe() const { return m_ReporterExe; }
    QString restartProgram() const { return m_RestartProgram; }
    QStringList restartArguments() const { return m_RestartArguments; }
    QString buildVersion() const { return m_BuildVersion; }

private:
    QString m_ReporterExe;
    QString m_RestartProgram;
    QStringList m_RestartArguments;
    QString m_BuildVersion;
};

} // namespace CrashHandling
} // namespace Utils
} // namespace Kivo
