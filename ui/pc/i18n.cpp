#include "i18n.h"

#include "Utils/registry.h"
#include "common/logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <QStringList>

namespace {

constexpr const char* InstallerLanguageValue = "Installer Language";

} // namespace

QMap<QString, QString> I18N::s_Names;
QMap<QString, QString> I18N::s_InstallerCodes;

void I18N::loadLanguages()
{
    loadLanguages(ListFile);
}

void I18N::loadLanguages(const QString& listFile)
{
    const QStringList allowed = QString(AllowedCodes).split(',');

    QFile file(listFile);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "Cannot open the language list " << listFile;
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        LOG_ERROR << "The language list " << listFile << " is no JSON object: " << error.errorString();
        return;
    }
    const QJsonObject list = document.object();
    for (auto member = list.begin(); member != list.end(); ++member) {
        if (!allowed.contains(member.key()))
            continue;
        const QJsonArray entry = member.value().toArray();
        if (entry.size() < 2) {
            LOG_WARNING << "Skipping the language " << member.key()
                        << ": it needs an installer identifier and a display name";
            continue;
        }
        s_Names[member.key()] = entry.at(1).toVariant().toString();
        s_InstallerCodes[member.key()] = entry.at(0).toVariant().toString();
    }
}

QMap<QString, QString> I18N::languages()
{
    return s_Names;
}

QString I18N::installerRegistryPath()
{
    return "HKEY_CURRENT_USER\\Software\\" + QCoreApplication::organizationName() + '\\'
        + QCoreApplication::applicationName();
}

QString I18N::getInstallerLanguage()
{
    const QString path = installerRegistryPath();
    const QString identifier = Utils::Registry(path).value(InstallerLanguageValue);
    LOG_INFO << "Registry path for installer is: " << path << " code: " << identifier;
    if (identifier.isEmpty())
        return QString();
    return s_InstallerCodes.key(identifier);
}

void I18N::setInstallerLanguage(const QString& code)
{
    const QString path = installerRegistryPath();
    const QString identifier = s_InstallerCodes.value(code);
    LOG_INFO << "Registry path for installer is: " << path << " lang: " << code << " code: " << identifier;
    Utils::Registry(path).setValue(InstallerLanguageValue, identifier);
}

void I18N::useLocaleOf(const QString& code)
{
    // The system's own language keeps the system's country formats (de_AT stays de_AT); any
    // other language brings its own. A system without a locale (C) speaks English. Time zones
    // are the system's either way.
    const QLocale system = QLocale::system();
    const QLocale chosen(code);
    const QLocale::Language spoken = system.language() == QLocale::C ? QLocale::English : system.language();
    QLocale::setDefault(chosen.language() == spoken ? system : chosen);
}
