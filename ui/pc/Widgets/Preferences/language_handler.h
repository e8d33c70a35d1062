#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTranslator>

namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The "Language" group: the languages whose translation is installed; OK stores the choice
// and reloads the program's and Qt's translators, so the open windows change language at once.
class LanguageHandler : public QObject
{
    Q_OBJECT

public:
    // translators: the application's, slot 0 the program's texts and 1 Qt's (may be null);
    // programFolder: where the program lies, the running program's when empty.
    LanguageHandler(QMap<int, QPointer<QTranslator>>* translators, Ui::preferencesForm* form, QObject* page,
                    const QString& programFolder = QString());

signals:
    void enableSave(bool enabled);

protected slots:
    void saveSettings();
    void changed();

private:
    // The folder the translations are in, empty when there is none.
    QString translationsFolder() const;
    bool isInstalled(const QString& code) const;

    Ui::preferencesForm* m_Form;
    QMap<int, QPointer<QTranslator>>* m_Translators;
    QString m_ProgramFolder;
};

} // namespace Preferences
