#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Data/Message/Data.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Utils/SharedPointer.h>
#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVector>
#include <QStringList>
#include <QVariant>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Models {
class ChatModel;
class CommsSessionParticipants;
class FTModel;
} // namespace Models
} // namespace Kivo

namespace Models {
namespace Chat {

// One conversation as one HTML page: the page is built when the engine delivers a range of
// history, and every later item reaches the shown page as a fragment, so the page never
// grows by rebuilding. A long history opens with only its newest items on the page; the
// older ones wait here as the engine's messages (by position, no copy) until the page
// scrolls up to them and takes them in chunks (takeOlder()), built then with the date and
// sender lines they would have had. A message longer than MaxShownCharacters shows its
// beginning, an ellipsis and a notice that it was cut. Everything a remote party typed or named is escaped;
// only web, FTP and mail links become live. Free of any view: the chat pane connects its
// signals to the page's scripts.
class MessageModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString htmlContent READ htmlContent NOTIFY htmlChanged)
    Q_PROPERTY(QString typingNotification READ typingNotification NOTIFY typingNotificationChanged)
    Q_PROPERTY(QDateTime lastMessageReceived READ lastMessageReceived NOTIFY lastMessageReceivedChanged)
    Q_PROPERTY(int maxMessageLength READ maxMessageLength CONSTANT)

public:
    MessageModel(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, bool linksEnabled,
                 QObject* parent = nullptr);

    QString htmlContent() const { return m_HtmlContent; }
    QString typingNotification() const { return m_TypingNotification; }
    QDateTime lastMessageReceived() const { return m_LastMessageReceived; }
    int maxMessageLength() const { return m_MaxMessageLength; }

    void setParticipants(Kivo::Models::CommsSessionParticipants* participants);
    void setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys);
    void setSourceModel(Kivo::Models::ChatModel* model);
    void setOwnDisplayName(const QString& name);
    void setFtModel(Kivo::Models::FTModel* model);
    void detachFtModel();
    // The engine configuration whose limits decide whether a file is too large.
    void setConfig(const Kivo::Configuration::Config* config) { m_Config = config; }

    void setMessagesRead(bool group);
    // Whether the newest item is an incoming file offer still awaiting the user's answer.
    bool hasPendingFtOffer() const;

    // A language change redraws the page: its dates and times follow the new language.
    bool event(QEvent* event) override;

    // How many items a rebuilt page holds at most; older ones wait for takeOlder().
    static constexpr int ShownItems = 150;
    // How many waiting items one takeOlder() hands over.
    static constexpr int OlderChunk = 100;
    // How much of a message's text the page shows at most.
    static constexpr int MaxShownCharacters = 16384;
    bool hasOlder() const { return m_OlderEnd > 0 || !m_Prepended.isEmpty(); }
    // The HTML of the newest waiting items, oldest first, for the top of the page; each
    // item keeps the date and sender lines it was built with.
    QString takeOlder();

    QString createHtml(const Kivo::Data::Message::Data& message);
    QString formatMessageText(const QString& text) const;
    QString createFtHtml(Kivo::Data::FTAdapter* ft);
    QString getDesktopShareDisplayName(const QString& participant) const;

    // The background position of a transfer's progress bar: -51 px empty, 0 px full.
    static int progressOffset(int percent);
    // An id with everything but letters, digits, "_" and "-" removed: usable as a CSS class.
    static QString cleanId(const QString& id);

signals:
    void htmlChanged();
    void messageAdded(QVariant html, QVariant prepend = false);
    void incomingMessage();
    void acceptFt(QVariant id);
    void cancelFt(QVariant id);
    void stateChanged(QVariant id, QVariant html);
    void progressChanged(QVariant id, QVariant percent, QVariant transferred);
    void typingNotificationChanged();
    void lastMessageReceivedChanged();
    void contactNameChanged(QVariant id, QVariant name);

public slots:
    void pageLoadFinished();
    void pageLoadFinishedDelayed();
    void updateMessagesFrom(int age);
    void deleteHistory();
    void onShowAddUsersInfo();
    void onFtRejectedByExtension();
    void acceptFtClicked(QVariant id);
    void cancelFtClicked(QVariant id);
    void openFileClicked(QVariant id);
    void showFileInFolderClicked(QVariant id);

protected slots:
    void messageAdded(int index, Kivo::Data::Message::Data& message);
    void messageRemoved(int index, Kivo::Data::Message::Data& message);
    void messageUpdated(int index, Kivo::Data::Message::Data& message);
    void participantAdded(const QStringList& names, bool initial);
    void participantGuestPending(const QString& id, const QString& name);
    void participantRemoved(const QString& name, const Kivo::Data::CommsSessionParticipant::ChatAffiliation affiliation,
                            const Kivo::Data::CommsSessionParticipant::ParticipantLeaveReason reason);
    void guestParticipantAccepted(const QString& name);
    void participantJoinedShare(const QString& id);
    void participantLeftShare(const QString& id);
    void onRoomIsClosing(uint seconds);
    void onRoomClosed();
    void onCurrentSharerChanged(const QString& previous, const QString& current);
    void modelReset();
    void addFiletransfer(Kivo::Data::FTAdapter* ft);
    void ftStateChanged(Kivo::Data::FTAdapter::State state);
    void ftProgressChanged(const QString& id, int percent, qint64 bytes);
    void onFileTransferRejected(Kivo::Data::FTAdapter::RejectReason reason);
    void typersChanged(const QStringList& ids);
    void participantNameChanged(const QString& id, const QString& name);
    void cssChanged();

private:
    // An item of the loaded history: a message of the chat model (by position) or a transfer.
    struct Item
    {
        int message = -1;
        QPointer<Kivo::Data::FTAdapter> transfer;
    };
    // The HTML of the loaded item `index` as it follows the items before it; empty for an
    // item the page does not show.
    QString itemHtml(int index);
    // Whether the item shows on the page, and its time and sender as later items see them.
    bool itemShown(const Item& item) const;
    QString messageHtml(const Kivo::Data::Message::Data& message);
    // The newest items before `end` that make up to `count` fragments, oldest first; `end`
    // moves to the first of them.
    QStringList buildBefore(int& end, int count);

    QString pageHead() const;
    void generateCss();
    void addHtml(const QString& html, bool incoming, bool prepend);
    void addSystemMessage(const QString& text);
    QString nameOf(const QString& senderId) const;
    QString senderLine(bool local, const QString& cleanSender, const QString& name, const QTime& time) const;
    QString ftDetails(Kivo::Data::FTAdapter* ft, bool live) const;
    QString ftNameLine(Kivo::Data::FTAdapter* ft, const QString& second, const QString& details) const;
    void connectFt(Kivo::Data::FTAdapter* ft);
    void loadParticipantNames();

    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Kivo::Models::ChatModel> m_ChatModel;
    QPointer<Kivo::Models::FTModel> m_FtModel;
    QStringList m_Pending;
    // The loaded history, oldest first; the items before m_OlderEnd are not on the page yet.
    QVector<Item> m_Items;
    int m_OlderEnd = 0;
    // Fragments placed before the whole history while some of it waits, newest last.
    QStringList m_Prepended;
    bool m_PageLoaded = false;
    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> m_Smileys;
    QString m_HtmlContent;
    bool m_LinksEnabled;
    QPointer<Kivo::Models::CommsSessionParticipants> m_Participants;
    QHash<QString, QString> m_ParticipantNames;
    int m_MaxMessageLength = 0;
    int m_HistoryAge = 0;
    QString m_LastSenderId;
    QDateTime m_LastItemTime;
    QString m_OwnDisplayName;
    QString m_StyleSheet;
    QString m_TypingNotification;
    QDateTime m_LastMessageReceived;
    const Kivo::Configuration::Config* m_Config = nullptr;
};

} // namespace Chat
} // namespace Models
