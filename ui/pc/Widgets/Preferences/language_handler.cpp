#include "Widgets/Preferences/language_handler.h"

#include "ui_preferences_form.h"

#include "application.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "i18n.h"

#include <Kivo/Settings.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace Preferences {

namespace {

constexpr const char* FallbackLanguage = "en";
constexpr const char* Beside = "/translations";
constexpr const char* Above = "/../translations";

} // namespace

LanguageHandler::LanguageHandler(QMap<int, QPointer<QTranslator>>* translators, Ui::preferencesForm* form,
                                 QObject* page, const QString& programFolder)
    : QObject(page)
    , m_Form(form)
    , m_Translators(translators)
    , m_ProgramFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder)
{
    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));

    const QString current = Kivo::Settings(Kivo::Settings::ApplicationSettings)
                                .value(Constants::SettingsKey::LanguageActive, FallbackLanguage)
                                .toString();
    const QMap<QString, QString> languages = I18N::languages();
    QStringList names = languages.values();
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    QComboBox* list = m_Form->languageSelect;
    for (const QString& name : qAsConst(names)) {
        // Two codes of one name both come to the first of them.
        const QString code = languages.key(name);
        if (!isInstalled(code))
            continue;
        list->addItem(name, code);
        if (code == current)
            list->setCurrentIndex(list->count() - 1);
    }
    // Connected once filled: filling is no edit.
    CHECKED_CONNECT(list, SIGNAL(currentIndexChanged(int)), this, SLOT(changed()));
}

bool LanguageHandler::isInstalled(const QString& code) const
{
    const QString file = "/ui_" + code + ".qm";
    return QFile::exists(m_ProgramFolder + Beside + file) || QFile::exists(m_ProgramFolder + Above + file);
}

QString LanguageHandler::translationsFolder() const
{
    for (const char* folder : {Beside, Above}) {
        if (QDir(m_ProgramFolder + folder).exists())
            return m_ProgramFolder + folder;
    }
    return QString();
}

void LanguageHandler::saveSettings()
{
    // No installed language, nothing chosen: the stored language stays.
    if (m_Form->languageSelect->currentIndex() < 0)
        return;
    const QString chosen = m_Form->languageSelect->currentData().toString();
    Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    if (chosen == settings.value(Constants::SettingsKey::LanguageActive, FallbackLanguage).toString())
        return;
    settings.setValue(Constants::SettingsKey::LanguageActive, chosen);
    I18N::setInstallerLanguage(chosen);

    QTranslator* const programTexts = m_Translators ? m_Translators->value(Application::ProgramTexts) : nullptr;
    QTranslator* const toolkitTexts = m_Translators ? m_Translators->value(Application::ToolkitTexts) : nullptr;
    if (!programTexts || !toolkitTexts) {
        LOG_INFO << "Language " << chosen << " applies from the next start";
        return;
    }
    const QString language = I18N::languages().contains(chosen) ? chosen : QString(FallbackLanguage);
    const QString folder = translationsFolder();
    if (folder.isEmpty())
        return;
    // The formats first, so that what the windows redraw on the change shows them.
    I18N::useLocaleOf(language);
    // Reloading an installed translator announces the change to every window.
    programTexts->load("ui_" + language, folder);
    toolkitTexts->load("qt_" + language, folder);
    if (auto* application = qobject_cast<Application*>(QCoreApplication::instance()))
        application->loadTranslator(Application::CustomTexts, "ui_custom_" + language, folder);
}

void LanguageHandler::changed()
{
    emit enableSave(true);
}

} // namespace Preferences
