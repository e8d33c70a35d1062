#pragma once

#include "Utils/call_settings_page.h"
#include "libqml/window/qml_window.h"

#include <Kivo/Controllers/SupplementaryService.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QNetworkReply>
#include <QPointer>

namespace Dialogs {
class SupplementaryServices;
}

namespace QML {

class CallSettingsTabDetailList;

// The "Call Settings" window: a tab per telephony service the account has, and its page,
// which reads and writes the service through the session's controllers. Failures of the
// server reach the scene as one text each; the window closes when its session signs out.
class CallSettings : public Window
{
    Q_OBJECT

public:
    static constexpr const char* Scene = "qrc:/windows/CallSettings/SettingsDialog.qml";
    static constexpr int Width = 625;
    static constexpr int Height = 450;

    CallSettings(Kivo::Sessions::SessionManagerBase* session, bool alwaysOnTop, QWidget* parent);
    ~CallSettings() override;

    Kivo::Sessions::SessionManagerBase* session() const { return m_Session; }
    CallSettingsTabDetailList* tabs() const { return m_Tabs; }
    QString currentPage() const { return m_CurrentPage; }
    // Selects the page's tab (the first tab for the general page); nothing when the account
    // has no such tab.
    void openPage(Utils::CallSettingsPage page);
    // The texts of a failed request as the scene shows them.
    static QString errorText(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);
    static QString networkErrorText(QNetworkReply::NetworkError error);

    QString helpContext() const override;
    QSize minimumWindowSize() const override;
    QSize maximumWindowSize() const override;

    // Every supplementary service of the account in one dialog.
    Q_INVOKABLE void showAllServices();

signals:
    void unblockUi();
    void setRemoteOfficeData(bool active, QString number);
    void setAlwaysForwardData(bool active, QString number);
    void setBusyForwardData(bool active, QString number);
    void setUnreachableForwardData(bool active, QString number);
    void setNoReplyForwardData(bool active, QString number);
    void setDndData(bool active);
    void setCLIDBlockData(bool active);
    void changeSupplementaryService(Kivo::Controllers::SupplementaryService service);
    void showErrorMessage(QString message);
    void switchTab();
    void changeTab(int tab, int tabIndex);

public slots:
    void showAndActivate() override;
    void onSupplementaryServicesReady();
    void onSaveBWROServiceData(bool active, QString number);
    void onSaveCFUServiceData(bool active, QString number);
    void onSaveCFBServiceData(bool active, QString number);
    void onSaveCFNRcServiceData(bool active, QString number);
    void onSaveCFNRServiceData(bool active, QString number);
    void onSaveDNDServiceData(bool active);
    void onSaveCLIDBlockData(bool active);
    QString getNumberAttribute();
    void onFetchFailed(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);
    void onFetchFailed(QNetworkReply::NetworkError error);
    void sessionStateChange(Kivo::Sessions::SessionManagerBase* manager,
                            Kivo::Sessions::SessionManagerBase::State state);
    void pageChanged(QString state);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setUp();
    void connectScene();
    void buildTabs();
    void publishTabs();
    void saveService(Kivo::Controllers::SupplementaryService::Id id, bool active, const QString& number);

    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    CallSettingsTabDetailList* m_Tabs;
    bool m_AlwaysOnTop;
    QString m_CurrentPage;
    QString m_NumberAttribute;
    QPointer<Dialogs::SupplementaryServices> m_AllServices;
};

} // namespace QML
