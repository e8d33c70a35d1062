#pragma once

#include "Utils/help_interface.h"

#include <QMap>
#include <QPointer>
#include <QTranslator>

#include <memory>

class QAbstractItemModel;

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Ui {
class preferencesForm;
}

namespace Widgets {

// The preferences page: the preferences form with its six tabs. It decides which tabs and
// groups apply (signed in or not, the service configuration, team telephony, add-ins),
// opens on the start tab, loads the proxy settings and makes the page handlers, each a
// QObject child that works on the form's controls, saves on saveSettings() and undoes its
// live changes on cancelSettings().
class PreferencesWidget : public Utils::HelpInterface
{
    Q_OBJECT
    // Read by the connector list scene.
    Q_PROPERTY(QAbstractItemModel* addinsModel READ addinsModel CONSTANT)
    // Always empty: scene texts append it so that they are translated again.
    Q_PROPERTY(QString languageChangeProperty READ languageChangeProperty NOTIFY languageChanged)

public:
    enum Tab
    {
        GeneralTab = 0,
        AudioTab = 1,
        VideoTab = 2,
        CredentialsTab = 3,
        ProxyTab = 4,
        AddinsTab = 5
    };

    // session: null while nobody is signed in; connectorModel may be null.
    PreferencesWidget(Kivo::Sessions::SessionManagerBase* session, QMap<int, QPointer<QTranslator>>* translators,
                      int startTab, QAbstractItemModel* connectorModel, QWidget* parent);
    ~PreferencesWidget() override;

    QAbstractItemModel* addinsModel() const { return m_AddinsModel; }
    QString languageChangeProperty() const { return QString(); }

    // The text of the current tab.
    QString helpContext() const override;
    // Large enough to show the tallest tab without scrolling.
    QSize sizeHint() const override;
    void retranslate();

signals:
    void enableSave(bool enabled);
    void saveSettings();
    void cancelSettings();
    void qualityDetectionEnabled();
    void languageChanged();

protected slots:
    void setAddinsListVisibility();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applySignedInState(bool signedIn);
    void removeTab(QWidget* tab);
    void createSignedInHandlers(Kivo::Sessions::SessionManagerBase& session, int startTab);
    void setUpAddins(const Kivo::Sessions::SessionManagerBase& session);
    void setUpConnectorList();
    void loadProxySettings();
    void fitSoundEventsList();

    std::unique_ptr<Ui::preferencesForm> m_Form;
    QAbstractItemModel* m_AddinsModel;
};

} // namespace Widgets
