#pragma once

#include <QObject>

namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The "Log In" group: signing in automatically and starting with the desktop session.
class GeneralSettingsHandler : public QObject
{
    Q_OBJECT

public:
    GeneralSettingsHandler(Ui::preferencesForm* form, QObject* page);

signals:
    void enableSave(bool enabled);

protected slots:
    void saveSettings();
    void changed();

private:
    Ui::preferencesForm* m_Form;
};

} // namespace Preferences
