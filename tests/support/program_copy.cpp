#include "support/program_copy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace TestSupport {

ProgramHome::ProgramHome()
{
    m_Valid = m_Root.isValid() && QDir().mkpath(path("tmp"));
}

ProgramCopy::ProgramCopy(const QString& programFolder, const QString& program, const QString& shippedSettings)
{
    if (!isValid() || !copy(programFolder, program, shippedSettings))
        invalidate();
}

bool ProgramCopy::copy(const QString& programFolder, const QString& program, const QString& shippedSettings)
{
    const QDir from(programFolder);
    const QDir to(path("program"));
    if (!to.mkpath(".") || !QFile::copy(program, to.filePath("Telvarion")))
        return false;
    for (const char* item : {"application_name.txt", "config_demo.xml", "themes/default/resources.rcc",
                             "themes/default/description.xml", "translations/ui_de.qm"}) {
        to.mkpath(QFileInfo(to.filePath(item)).path());
        if (!QFile::copy(from.filePath(item), to.filePath(item)))
            return false;
    }
    const QDir shipped(shippedSettings);
    to.mkpath("settings");
    for (const char* item : {"application_setting.ini", "defaults.ini"}) {
        if (!QFile::copy(shipped.filePath(item), to.filePath(QString("settings/") + item)))
            return false;
    }
    return true;
}

QString ProgramCopy::program() const
{
    return path("program/Telvarion");
}

QString ProgramHome::path(const QString& relative) const
{
    return m_Root.filePath(relative);
}

QProcessEnvironment ProgramHome::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TELVARION_DATA_PATH", path("data"));
    env.insert("TELVARION_REGISTRY_FILE", path("registry.ini"));
    env.insert("TELVARION_API_SOCKET", path("api"));
    env.insert("TMPDIR", path("tmp"));
    env.insert("XDG_DATA_HOME", path("share"));
    env.insert("XDG_CONFIG_HOME", path("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    return env;
}

bool ProgramHome::enableLogging()
{
    QDir().mkpath(path("data"));
    QFile settings(path("data/application_setting.ini"));
    return settings.open(QIODevice::WriteOnly) && settings.write("[settings]\nloggingenabled=true\n") > 0;
}

QString ProgramHome::logText() const
{
    QString text;
    QDirIterator logs(path("data/logs"), {"*.log"}, QDir::Files, QDirIterator::Subdirectories);
    while (logs.hasNext()) {
        QFile file(logs.next());
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

} // namespace TestSupport
