#pragma once

#include <QMap>
#include <QString>

// The user-interface languages the program offers, and the installer's language choice.
class I18N
{
public:
    // The codes a language list entry may carry, in this order.
    static constexpr const char* AllowedCodes = "en,de,fr,it,es,es_419,ja,zh_CN,ko,fr_CA";
    static constexpr const char* ListFile = ":/languages.json";

    // Fills the lists from the language list file; a missing or broken file changes nothing.
    static void loadLanguages();
    static void loadLanguages(const QString& listFile);
    // Language code -> display name, sorted by code.
    static QMap<QString, QString> languages();

    // The code whose installer identifier the registry holds; empty when none matches.
    static QString getInstallerLanguage();
    static void setInstallerLanguage(const QString& code);
    static QString installerRegistryPath();

    // Makes the language's formats (dates, times, numbers) the default of every QLocale().
    static void useLocaleOf(const QString& code);

private:
    static QMap<QString, QString> s_Names;
    static QMap<QString, QString> s_InstallerCodes;
};
