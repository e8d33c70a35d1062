#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Services/Xmpp/VCard.h>
#include <Kivo/Sessions/SubSession.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>

namespace Dialogs {
class MessageWindow;
}

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
class XmppSession;
} // namespace Sessions
} // namespace Kivo

namespace Utils {

// Acts on one link of the program's URL scheme: an invitation to join somebody's My Room
// with its chat, call and web collaboration. Idle until it is given a session, it then
// finds the room, waits until the connections the room needs are up and asks the engine
// to create the room's session, or gives up with a message when that takes too long.
// Anyone can hand the program a link: one that would place a call asks the user first.
class QomxUrlHandler : public QObject
{
    Q_OBJECT

public:
    // An invitation's items take a few hundred characters; anything far longer is no link.
    static constexpr int MaxLinkLength = 8192;
    static constexpr int JoinTimeoutMs = 20000;

    explicit QomxUrlHandler(const QString& link, QObject* parent = nullptr);
    ~QomxUrlHandler() override;

    QString link() const { return m_Uri; }
    // The question before a call, while it waits for the user's answer.
    Dialogs::MessageWindow* callQuestion() const { return m_CallQuestion; }
    // Without a session the link waits for the next one.
    void initialize(Kivo::Sessions::SessionManagerBase* session);

signals:
    void createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab);

public slots:
    void vCardReceived(const QString& jid, const QXmppVCardIq& vcard);
    bool requestVCard();

private slots:
    void onStateChanged(const Kivo::Sessions::SubSession* session, Kivo::Sessions::SubSession::State state);
    void onMyRoomReady();
    void onTimeout();

private:
    // The value of the first `name="…"` in `text`, also inside a longer name; empty without
    // one or without its closing quote.
    static QString value(const QString& text, const QString& name);
    // The link's decoded items, or false with a log line saying why the link is refused.
    bool readLink(QString& text) const;
    // Waits for `part` to connect, unless the session lacks it or it is switched off.
    void addSubsession(Kivo::Sessions::SubSession* part, QVariant& ready);
    void observe(QObject* object);
    void tryCreateSession();
    // The room's owner as the user knows them: a contact's name, else the address.
    QString roomOwnerName() const;
    void askBeforeCalling();
    void stopWaiting();

    Kivo::Utils::Const::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Kivo::Sessions::XmppSession> m_XmppSession;
    // Every engine object whose signals reach this handler while it waits.
    QList<Kivo::Utils::Const::SharedPointer<QObject>> m_Observed;
    QTimer m_Timer;
    // Invalid: the part is not waited for; otherwise whether it is connected (ready).
    QVariant m_SipReady;
    QVariant m_XmppReady;
    QVariant m_MyRoomReady;
    QString m_Uri;
    QString m_Call;
    QString m_Chat;
    QString m_WebCollab;
    QString m_ContactJid;
    QPointer<Dialogs::MessageWindow> m_CallQuestion;
};

} // namespace Utils
