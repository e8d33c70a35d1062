#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Models/Smileys.h>
#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QPointer>

namespace Kivo {
namespace Controllers {
class ChatInterface;
class CommunicationSession;
} // namespace Controllers
namespace Data {
class FTAdapter;
}
namespace Models {
class CommsSessionParticipants;
class FTModel;
} // namespace Models
} // namespace Kivo

namespace QML {

class ChatPageBridge;

// The window of one chat conversation: the chat pane (its page, the typing line, the text
// field and Send) over the session's chat. The communications window hosts the same pane;
// until it does, a chat conversation is shown here. The chat helper gives the window its
// page model and smileys.
class ChatWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QObject* messageModel READ messageModel WRITE setMessageModel NOTIFY messageModelChanged)
    Q_PROPERTY(QObject* session READ sessionObject CONSTANT)
    Q_PROPERTY(QObject* chat READ chatObject CONSTANT)
    Q_PROPERTY(QObject* smileys READ smileysObject NOTIFY smileysChanged)
    Q_PROPERTY(QString sendingError READ sendingError NOTIFY sendingErrorChanged)

public:
    static constexpr const char* Scene = "qrc:/windows/CommunicationsWindow/Chat/ChatWidget.qml";

    ChatWindow(Kivo::Controllers::CommunicationSession* session, bool alwaysOnTop, QWidget* parent = nullptr);

    // Loads the pane's scene; the window stays hidden.
    bool activate();

    Kivo::Controllers::CommunicationSession* session() const;
    QObject* messageModel() const { return m_MessageModel; }
    void setMessageModel(QObject* model);
    void setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys);
    void setParticipants(Kivo::Models::CommsSessionParticipants* participants);
    // The one-to-one chat's transfers, whose accepted offers the window saves.
    void setFtModel(Kivo::Models::FTModel* model);
    ChatPageBridge* bridge() const { return m_Bridge; }
    QString sendingError() const { return m_SendingError; }

    Q_INVOKABLE void sendMessage(const QString& text);
    Q_INVOKABLE void setTyping(bool typing);
    // The history selector: the engine's message ages.
    Q_INVOKABLE void showHistory(int age);

signals:
    void messageModelChanged();
    void smileysChanged();
    void sendingErrorChanged();
    void playIncomingMessageSound();
    void windowVisible(bool visible);
    void deleteChatHistory();

public slots:
    void incomingMessage();
    void messageSendingFailed();
    void showAndActivate() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QObject* sessionObject() const;
    QObject* chatObject() const;
    QObject* smileysObject() const { return m_Smileys.get(); }
    Kivo::Controllers::ChatInterface* chat() const;
    void markRead();
    void saveOffer(Kivo::Data::FTAdapter* transfer);

    QPointer<Kivo::Controllers::CommunicationSession> m_Session;
    QPointer<QObject> m_MessageModel;
    QPointer<Kivo::Models::CommsSessionParticipants> m_Participants;
    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> m_Smileys;
    ChatPageBridge* m_Bridge;
    QString m_SendingError;
};

} // namespace QML
