#include "Utils/url_protocol.h"

#include "Utils/desktop_entry.h"
#include "Utils/registry.h"
#include "common/constants.h"
#include "common/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Utils {
namespace UrlProtocol {

namespace {

constexpr const char* ClassesRoot = "HKEY_CLASSES_ROOT\\";
constexpr const char* QomxName = "QOMX";

QString nativeExecutable(const QString& executable)
{
    return QDir::toNativeSeparators(executable.isEmpty() ? QCoreApplication::applicationFilePath() : executable);
}

} // namespace

// Desktops here look links up through a desktop entry rather than the registry.
void writeSchemeHandlerEntry(bool doRegister, const QString& name, const QString& scheme, const QString& executable)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    if (folder.isEmpty())
        return;
    const QString path = folder + "/telvarion-" + scheme + "-handler.desktop";
    if (!doRegister) {
        QFile::remove(path);
        return;
    }
    DesktopEntry::write(path, QStringLiteral("Type=Application\nName=%1\nExec=%2 --%u\n"
                                             "NoDisplay=true\nMimeType=x-scheme-handler/%3;\n")
                                  .arg(name, DesktopEntry::execArgument(executable), scheme));
}

void registerUrlProtocol(bool doRegister, const QString& name, const QString& scheme, const QString& executable)
{
    const QString key = ClassesRoot + scheme;
    const QString program = nativeExecutable(executable);
    if (!doRegister) {
        Registry(ClassesRoot).remove(scheme);
        writeSchemeHandlerEntry(false, name, scheme, program);
        return;
    }
    {
        Registry schemeKey(key);
        schemeKey.setValue("Default", "URL:" + name + " Protocol");
        schemeKey.setValue("URL Protocol", QString());
    }
    Registry(key + "\\DefaultIcon").setValue("Default", QFileInfo(program).fileName() + ",1");
    Registry(key + "\\shell\\open\\command").setValue("Default", "\"" + program + "\" --%l");
    writeSchemeHandlerEntry(true, name, scheme, program);
}

void registerQomxProtocol(bool doRegister)
{
    registerUrlProtocol(doRegister, QomxName, Constants::UrlScheme::Name);
}

void setClientPathVariable(const QString& executable)
{
    const QString program = nativeExecutable(executable);
    Registry user(UserEnvironmentKey);
    Registry machine(MachineEnvironmentKey);
    const QString userValue = user.value(ClientPathVariable);
    if (userValue == program)
        return;
    if (!userValue.isEmpty()) {
        user.setValue(ClientPathVariable, program);
        return;
    }
    const QString machineValue = machine.value(ClientPathVariable);
    if (machineValue.isEmpty()) {
        user.setValue(ClientPathVariable, program);
        return;
    }
    if (machineValue == program)
        return;
    machine.setValue(ClientPathVariable, program);
}

} // namespace UrlProtocol
} // namespace Utils
