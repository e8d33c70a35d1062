#pragma once

#include "Widgets/window.h"

#include <QHash>
#include <QMap>
#include <QPointer>

#include <memory>

namespace Kivo {
namespace Models {
class CallCenterAgentModel;
}
namespace Services {
class CallCenterAgentHandler;
class CallCenterAgentQueue;
} // namespace Services
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Ui {
class CallCenterAgentDialog;
}

namespace Dialogs {

// The call-centre agent's "Queues": the agent's ACD state and, per queue, whether the agent
// is in or out; Save sends both in one request. The dialog shows itself once the engine has
// answered, with the agent's data or with the fetch error.
class CallCenterAgentDialog : public Widgets::Window
{
    Q_OBJECT

public:
    enum PublishState
    {
        Idle = 0,
        Saving = 1,
        FetchError = 2,
        SaveError = 3
    };

    CallCenterAgentDialog(Kivo::Sessions::SessionManagerBase* session, bool alwaysOnTop, QWidget* parent = nullptr);
    ~CallCenterAgentDialog() override;

    // Fills the state choice and asks the engine for the agent's details.
    void initWidget();
    int publishState() const { return m_PublishState; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void setCurrentACDStatusText(int index);
    void onErrorReceivingCallCenterAgentData();
    void onCallCenterAgentDataPublished(bool published);
    void onQueueComboboxCurrentIndexChanged(int index);
    void publishCallCenterAgentDetails();
    void onAllQueueNamesReceived();

private:
    void fillStateCombo();
    void selectCurrentState();
    void createQueueList();
    void useBasicLayout();
    void useErrorLayout();
    void fitToMinimum();
    void setPublishState(int state);
    void showPublishState();
    void retranslate();
    // Queue choices changed here and not saved go back to what they were.
    void restoreQueueChoices();
    QString unavailableName() const;

    std::unique_ptr<Ui::CallCenterAgentDialog> m_Form;
    QPointer<Kivo::Services::CallCenterAgentHandler> m_Handler;
    Kivo::Models::CallCenterAgentModel* m_Model = nullptr;
    QMap<QString, QString> m_StatusDescriptions;
    int m_PublishState = Idle;
    // Queue -> its membership before the first change here.
    QHash<Kivo::Services::CallCenterAgentQueue*, bool> m_ChangedQueues;
};

} // namespace Dialogs
