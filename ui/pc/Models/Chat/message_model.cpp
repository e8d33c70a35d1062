#include "Models/Chat/message_model.h"

#include "Models/Chat/message_text.h"

#include "Utils/qobject_language_change.h"
#include "Utils/string_helper.h"
#include "common/logging.h"
#include "libqml/utils/style.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Models/FTModel.h>
#include <Kivo/Settings.h>
#include <Kivo/Webcollab/WebcollabControllerBase.h>

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegExp>
#include <QUrl>

namespace Models {
namespace Chat {

namespace {

using Kivo::Data::FTAdapter;
using Kivo::Data::Message::Data;

const QString StyleTemplate = QStringLiteral(":/windows/CommunicationsWindow/Chat/chatstyle.css.in");
const QString PageHead = QStringLiteral(
    "<html><head><style type='text/css'><!--%1--></style>"
    "<script language='javascript' type='text/javascript' "
    "src='qrc:/windows/CommunicationsWindow/Chat/progressbar.js'></script>"
    "<script language='javascript' type='text/javascript' "
    "src='qrc:/windows/CommunicationsWindow/Chat/chat.js'></script></head>\n");
const QString BodyStart = QStringLiteral("<body><div id='messagelist'>");
const QString BodyEnd = QStringLiteral("</div></body>");

const QString ContentTemplate = QStringLiteral("<div class='%1_content'>%2</div>");
const QString DateTemplate = QStringLiteral("<div class='date'>%1</div>");
const QString LocalSenderTemplate =
    QStringLiteral("<span class='local_sender'><span class='sender %1'>%2</span> %3</span>");
const QString RemoteSenderTemplate = QStringLiteral(
    "<div class ='remote_sender_bg'><span class='remote_sender'><span class='sender %1'>%2</span> %3</span></div>");
const QString SystemMessageTemplate = QStringLiteral("<div class='system_msg'>%1</div>");
const QString FtBlockTemplate = QStringLiteral("<div class='filetransfer' id='filetransfer-%1'>%2</div>");
const QString FtNameTemplate =
    QStringLiteral("<div class='filename'><span>%1</span><span>%2</span></div><div class='filedetails'>%3</div>");
const QString FtAnswerButtonsTemplate = QStringLiteral(
    "<div class='ft_buttons'><span class='ft_button' onclick='window.qml.acceptClicked(\"%1\"); return false;'>%2</span>"
    " | <span class='ft_button' onclick='window.qml.cancelClicked(\"%1\"); return false;'>%3</span></div>");
const QString FtCancelTemplate = QStringLiteral(
    "%2 | <span class='ft_button' onclick='window.qml.cancelClicked(\"%1\"); return false;'>%3</span>");
const QString FtOpenButtonsTemplate = QStringLiteral(
    "<span class='ft_button' onclick='window.qml.openFileClicked(\"%1\"); return false;'>%2</span>"
    " | <span class='ft_button' onclick='window.qml.showInFolderClicked(\"%1\"); return false;'>%3</span>");
const QString FtProhibitedTemplate = QStringLiteral(
    "%1 <span class='ft_button' onclick='window.qml.showProhibitedExtensionsClicked(); return false;'>%2</span>");
const QString FtProgressTemplate = QStringLiteral(
    "<img class='progressbar' id='progressbar-%1' src='qrc:/windows/CommunicationsWindow/Chat/progressbar_stroke.png' "
    "style='background-position: %2px 0px;' />");

const QString IdFilter = QStringLiteral("[^a-zA-Z0-9_\\-]");

bool isUnfinished(int state)
{
    switch (state) {
    case FTAdapter::Offered:
    case FTAdapter::Accepted:
    case FTAdapter::Connecting:
    case FTAdapter::Transferring:
    case FTAdapter::IncomingOffer:
    case 14:
        return true;
    default:
        return false;
    }
}

bool isOffer(int state)
{
    return state == FTAdapter::Created || state == FTAdapter::Offered || state == FTAdapter::IncomingOffer;
}

QString localDate(const QDateTime& time)
{
    return QLocale().toString(time.date(), QLocale::ShortFormat);
}

} // namespace

MessageModel::MessageModel(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, bool linksEnabled,
                           QObject* parent)
    : QObject(parent)
    , m_Contacts(contacts)
    , m_LinksEnabled(linksEnabled)
    , m_MaxMessageLength(Kivo::Settings(Kivo::Settings::DefaultSettings).value("chat/maxMessageLength", 0).toInt())
    , m_OwnDisplayName(tr("Me"))
{
    if (QML::Style* style = QML::Style::instance()) {
        connect(style, &QML::Style::colorsChanged, this, &MessageModel::cssChanged);
        connect(style, &QML::Style::fontFamilyChanged, this, &MessageModel::cssChanged);
        generateCss();
    }
    m_HtmlContent = pageHead() + BodyStart + BodyEnd;
    emit htmlChanged();
    Utils::QObjectLanguageChange::registerObject(this);
}

bool MessageModel::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_ChatModel)
        modelReset();
    return QObject::event(event);
}

QString MessageModel::pageHead() const
{
    return PageHead.arg(m_StyleSheet);
}

void MessageModel::generateCss()
{
    QFile file(StyleTemplate);
    QString css;
    if (file.open(QIODevice::ReadOnly))
        css = QString::fromUtf8(file.readAll());
    const QML::Style* style = QML::Style::instance();
    if (style && style->replaceCssWithStyle(css))
        m_StyleSheet = css;
    else
        LOG_WARNING << "FAIL: invalid template date in .css.in";
}

void MessageModel::cssChanged()
{
    generateCss();
    modelReset();
}

void MessageModel::setParticipants(Kivo::Models::CommsSessionParticipants* participants)
{
    m_Participants = participants;
    if (!participants)
        return;
    using Participants = Kivo::Models::CommsSessionParticipants;
    const auto check = [](const QMetaObject::Connection& connection) {
        if (!connection)
            LOG_ERROR << "___connect4_check___" << " failed";
    };
    check(connect(participants, &Participants::participantNameChanged, this, &MessageModel::participantNameChanged));
    check(connect(participants, &Participants::participantAdded, this, &MessageModel::participantAdded));
    check(connect(participants, &Participants::participantGuestPending, this, &MessageModel::participantGuestPending));
    check(connect(participants, &Participants::participantRemoved, this, &MessageModel::participantRemoved));
    check(connect(participants, &Participants::guestParticipantAccepted, this, &MessageModel::guestParticipantAccepted));
    loadParticipantNames();
}

void MessageModel::loadParticipantNames()
{
    for (const Kivo::Data::CommsSessionParticipant* participant : m_Participants->getParticipantsExcludeSelf()) {
        if (const Kivo::Contacts::IContact* contact = participant->getContact())
            participantNameChanged(participant->getAddress(), contact->getDisplayName());
    }
}

void MessageModel::setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys)
{
    m_Smileys = smileys;
}

void MessageModel::setSourceModel(Kivo::Models::ChatModel* model)
{
    m_ChatModel = model;
    if (!model)
        return;
    using Kivo::Models::ChatModel;
    connect(model, &ChatModel::messageAdded, this, qOverload<int, Data&>(&MessageModel::messageAdded));
    connect(model, &ChatModel::messageRemoved, this, &MessageModel::messageRemoved);
    connect(model, &ChatModel::messageUpdated, this, &MessageModel::messageUpdated);
    connect(model, &ChatModel::modelReset, this, &MessageModel::modelReset);
    connect(model, &ChatModel::showAddUsersInfo, this, &MessageModel::onShowAddUsersInfo);
}

void MessageModel::setOwnDisplayName(const QString& name)
{
    LOG_DEBUG << "Own: " << name;
    m_OwnDisplayName = name;
}

void MessageModel::setFtModel(Kivo::Models::FTModel* model)
{
    m_FtModel = model;
    if (!model)
        return;
    connect(model, &Kivo::Models::FTModel::newFTAdded, this, &MessageModel::addFiletransfer);
    connect(this, &MessageModel::cancelFt, model, &Kivo::Models::FTModel::cancelFtClicked);
    connect(this, &MessageModel::acceptFt, model, &Kivo::Models::FTModel::acceptFtClicked);
    modelReset();
}

void MessageModel::detachFtModel()
{
    if (!m_FtModel)
        return;
    disconnect(m_FtModel, &Kivo::Models::FTModel::newFTAdded, this, &MessageModel::addFiletransfer);
    disconnect(this, &MessageModel::cancelFt, m_FtModel, &Kivo::Models::FTModel::cancelFtClicked);
    disconnect(this, &MessageModel::acceptFt, m_FtModel, &Kivo::Models::FTModel::acceptFtClicked);
    m_FtModel = nullptr;
}

void MessageModel::setMessagesRead(bool group)
{
    if (m_ChatModel)
        m_ChatModel->setMessagesRead(group);
}

bool MessageModel::hasPendingFtOffer() const
{
    if (!m_ChatModel || !m_FtModel)
        return false;
    const FTAdapter* last = m_FtModel->getLastFt();
    if (!last || !last->isValid() || last->getState() != FTAdapter::IncomingOffer)
        return false;
    return m_ChatModel->count() == 0 || m_ChatModel->lastMessageTime() < last->getDateTime();
}

void MessageModel::updateMessagesFrom(int age)
{
    m_HistoryAge = age;
    // Without a conversation's messages there is no page to build yet.
    if (!m_ChatModel)
        return;
    m_PageLoaded = false;
    m_ChatModel->getMessagesFrom(age);
}

void MessageModel::deleteHistory()
{
    if (m_FtModel)
        m_FtModel->deleteHistory();
    if (m_ChatModel)
        m_ChatModel->deleteHistory();
}

void MessageModel::acceptFtClicked(QVariant id)
{
    emit acceptFt(id);
}

void MessageModel::cancelFtClicked(QVariant id)
{
    emit cancelFt(id);
}

// ---- delivery -------------------------------------------------------------------------

void MessageModel::addHtml(const QString& html, bool incoming, bool prepend)
{
    // An item for the top goes before the whole history, also before the part not shown.
    if (prepend && hasOlder())
        m_Prepended.prepend(html);
    else if (m_PageLoaded)
        emit messageAdded(QVariant(html), QVariant(prepend));
    else if (prepend)
        m_Pending.prepend(html);
    else
        m_Pending.append(html);
    if (incoming)
        emit incomingMessage();
}

void MessageModel::addSystemMessage(const QString& text)
{
    addHtml(SystemMessageTemplate.arg(text), false, false);
}

QString MessageModel::takeOlder()
{
    if (m_OlderEnd > 0) {
        QStringList chunk = buildBefore(m_OlderEnd, OlderChunk);
        // What went before the whole history comes with its oldest part.
        if (m_OlderEnd == 0) {
            chunk = m_Prepended + chunk;
            m_Prepended.clear();
        }
        return chunk.join(QLatin1Char('\n'));
    }
    const int from = qMax(0, int(m_Prepended.size()) - OlderChunk);
    const QString html = m_Prepended.mid(from).join(QLatin1Char('\n'));
    m_Prepended.erase(m_Prepended.begin() + from, m_Prepended.end());
    return html;
}

bool MessageModel::itemShown(const Item& item) const
{
    if (item.message >= 0) {
        return m_ChatModel && item.message < m_ChatModel->messages().size()
               && Kivo::Webcollab::WebcollabControllerBase::containsShareTags(
                      m_ChatModel->messages().at(item.message).getBody())
                      == 0;
    }
    if (!item.transfer)
        return false;
    const int state = item.transfer->getState();
    return isOffer(state) || state == FTAdapter::Transferring || state == FTAdapter::Received
           || state == FTAdapter::Sent || state == FTAdapter::Cancelled || state == FTAdapter::Failed
           || state == FTAdapter::TimedOut || state == FTAdapter::EncryptionMismatch;
}

QString MessageModel::itemHtml(int index)
{
    const Item& item = m_Items.at(index);
    if (!itemShown(item))
        return QString();
    if (item.message >= 0)
        return messageHtml(m_ChatModel->messages().at(item.message));
    return createFtHtml(item.transfer);
}

QStringList MessageModel::buildBefore(int& end, int count)
{
    int first = end;
    for (int shown = 0; first > 0 && shown < count;) {
        if (itemShown(m_Items.at(--first)))
            ++shown;
    }
    // The date and sender lines follow from the shown items before the chunk.
    const QString newestSender = m_LastSenderId;
    const QDateTime newestTime = m_LastItemTime;
    m_LastSenderId.clear();
    m_LastItemTime = QDateTime();
    bool senderKnown = false;
    for (int before = first - 1; before >= 0 && !(senderKnown && m_LastItemTime.isValid()); --before) {
        const Item& item = m_Items.at(before);
        if (!itemShown(item))
            continue;
        const QDateTime time =
            item.message >= 0 ? m_ChatModel->messages().at(item.message).getDateTime() : item.transfer->getDateTime();
        if (!senderKnown) {
            m_LastSenderId = item.message >= 0 ? m_ChatModel->messages().at(item.message).getSenderId()
                                               : cleanId(item.transfer->getPartyId());
            senderKnown = true;
        }
        // A transfer without a time leaves the time of the item before it.
        if (!m_LastItemTime.isValid() && !time.isNull())
            m_LastItemTime = time;
    }
    QStringList fragments;
    for (int index = first; index < end; ++index) {
        const QString html = itemHtml(index);
        if (!html.isEmpty())
            fragments.append(html);
    }
    // Later items follow the newest one built before, unless this was the newest.
    if (end < m_Items.size()) {
        m_LastSenderId = newestSender;
        m_LastItemTime = newestTime;
    }
    end = first;
    return fragments;
}

void MessageModel::pageLoadFinished()
{
    QMetaObject::invokeMethod(this, "pageLoadFinishedDelayed", Qt::QueuedConnection);
}

void MessageModel::pageLoadFinishedDelayed()
{
    m_PageLoaded = true;
    while (!m_Pending.isEmpty())
        emit messageAdded(QVariant(m_Pending.takeFirst()), QVariant(false));
    for (auto it = m_ParticipantNames.constBegin(); it != m_ParticipantNames.constEnd(); ++it)
        emit contactNameChanged(cleanId(it.key()), it.value());
}

void MessageModel::messageAdded(int, Data& message)
{
    if (Kivo::Webcollab::WebcollabControllerBase::containsShareTags(message.getBody()) != 0)
        return;
    addHtml(createHtml(message), message.getDirection() == Data::Received, false);
}

void MessageModel::messageRemoved(int, Data&)
{
    modelReset();
}

void MessageModel::messageUpdated(int, Data&) {}

void MessageModel::modelReset()
{
    TRACE_SCOPE;
    m_LastSenderId.clear();
    m_LastItemTime = QDateTime();
    m_Pending.clear();
    m_Items.clear();
    m_Prepended.clear();
    m_OlderEnd = 0;

    const QList<FTAdapter*> transfers = m_FtModel ? m_FtModel->getTransfersFrom(m_HistoryAge) : QList<FTAdapter*>();
    static const QList<Data> None;
    const QList<Data>& messages = m_ChatModel ? m_ChatModel->messages() : None;

    // The history as items in time order; only the newest are built into the page.
    m_Items.reserve(transfers.size() + messages.size());
    auto ft = transfers.cbegin();
    int message = 0;
    const auto addTransfer = [this](FTAdapter* transfer) {
        connectFt(transfer);
        Item item;
        item.transfer = transfer;
        m_Items.append(item);
    };
    while (ft != transfers.cend() && message < messages.size()) {
        if ((*ft)->getDateTime() < messages.at(message).getDateTime())
            addTransfer(*ft++);
        else
            m_Items.append(Item{message++, {}});
    }
    for (; ft != transfers.cend(); ++ft)
        addTransfer(*ft);
    for (; message < messages.size(); ++message)
        m_Items.append(Item{message, {}});

    // A page of thousands of items opens slowly and makes every later item dear to place:
    // the page starts with the newest ones and takes the rest as the user scrolls up.
    int end = int(m_Items.size());
    const QStringList shown = buildBefore(end, ShownItems);
    m_OlderEnd = end;
    // An offer of a file too large to send is withdrawn now, also when it waits.
    for (int index = 0; index < m_OlderEnd; ++index) {
        FTAdapter* transfer = m_Items.at(index).transfer;
        if (transfer && isOffer(transfer->getState()) && transfer->getDirection() == FTAdapter::Outgoing
            && FTAdapter::isFileSizeTooLarge(m_Config, transfer->getFileSize(), true))
            transfer->cancel(0);
    }
    for (int index = int(messages.size()) - 1; index >= 0; --index) {
        const Data& received = messages.at(index);
        if (received.getDirection() == Data::Received
            && Kivo::Webcollab::WebcollabControllerBase::containsShareTags(received.getBody()) == 0) {
            m_LastMessageReceived = received.getDateTime();
            emit lastMessageReceivedChanged();
            break;
        }
    }
    m_HtmlContent = pageHead() + BodyStart + shown.join(QLatin1Char('\n')) + BodyEnd;
    emit htmlChanged();
}

// ---- messages -------------------------------------------------------------------------

QString MessageModel::cleanId(const QString& id)
{
    static const QRegExp filter(IdFilter, Qt::CaseSensitive);
    return QString(id).remove(filter);
}

QString MessageModel::nameOf(const QString& senderId) const
{
    const QString name = m_ParticipantNames.value(senderId);
    return name.isEmpty() ? senderId : name;
}

QString MessageModel::senderLine(bool local, const QString& cleanSender, const QString& name, const QTime& time) const
{
    return (local ? LocalSenderTemplate : RemoteSenderTemplate)
        .arg(cleanSender, name.toHtmlEscaped(), Utils::StringHelper::timeToString(time));
}

QString MessageModel::createHtml(const Data& message)
{
    const QString html = messageHtml(message);
    if (message.getDirection() == Data::Received) {
        m_LastMessageReceived = message.getDateTime();
        emit lastMessageReceivedChanged();
    }
    return html;
}

QString MessageModel::messageHtml(const Data& message)
{
    QString html;
    const QDateTime time = message.getDateTime();
    if (!m_LastItemTime.isValid() || m_LastItemTime.daysTo(time) != 0)
        html = DateTemplate.arg(localDate(time));

    const bool local = message.getDirection() == Data::Sent;
    if (message.getIsFirstMessage()) {
        const QString name = local ? m_OwnDisplayName : nameOf(message.getSenderId());
        html += senderLine(local, cleanId(message.getSenderId()), name, time.time());
    }

    // A text longer than the page can lay out at once shows its beginning and an ellipsis,
    // never half of a character.
    const QString text = message.getBody();
    int shown = int(text.size());
    if (shown > MaxShownCharacters) {
        shown = MaxShownCharacters;
        if (text.at(shown - 1).isHighSurrogate())
            --shown;
    }
    QString content = formatMessageText(shown < text.size() ? text.left(shown) : text);
    if (shown < text.size())
        content += QChar(0x2026);
    QString body = ContentTemplate.arg(local ? QStringLiteral("local") : QStringLiteral("remote"), content);
    if (message.getFlags() & Data::TimedOut)
        body += QLatin1Char('\n') + tr("Request timed out, message wasn't sent.");
    html += body;
    if (shown < text.size()) {
        html += SystemMessageTemplate.arg(
            tr("This message was too long to show: only its first %L1 of %L2 characters are shown.")
                .arg(shown)
                .arg(text.size()));
    }

    m_LastSenderId = message.getSenderId();
    m_LastItemTime = time;
    return html;
}

QString MessageModel::formatMessageText(const QString& text) const
{
    return messageTextToHtml(text, *m_Smileys.get(), m_LinksEnabled);
}

// ---- file transfers -------------------------------------------------------------------

int MessageModel::progressOffset(int percent)
{
    return int(percent * 0.51 - 51);
}

QString MessageModel::ftNameLine(FTAdapter* ft, const QString& second, const QString& details) const
{
    return FtNameTemplate.arg(ft->getFileName().toHtmlEscaped(), second, details);
}

QString MessageModel::ftDetails(FTAdapter* ft, bool live) const
{
    const QString size = Utils::StringHelper::sizeText(ft->getFileSize());
    const bool sent = ft->getDirection() == FTAdapter::Outgoing;
    switch (ft->getState()) {
    case FTAdapter::Transferring:
        return FtCancelTemplate.arg(ft->getId().toHtmlEscaped(),
                                    (sent ? tr("Sending file %1 of %2") : tr("Receiving file %1 of %2"))
                                        .arg(QStringLiteral("<span id='ft_loaded-%1'>0</span>")
                                                 .arg(ft->getId().toHtmlEscaped()),
                                             size),
                                    tr("Cancel Transfer"));
    case FTAdapter::Sent:
        return tr("File sent");
    case FTAdapter::Cancelled:
        if (ft->isValid() && !sent && FTAdapter::isFileSizeTooLarge(m_Config, ft->getFileSize(), false))
            return tr("File Size %1. The incoming file is too large. The transfer has been cancelled.").arg(size);
        if (sent && FTAdapter::isFileSizeTooLarge(m_Config, ft->getFileSize(), true))
            return tr("File Size %1. The outgoing file is too large. The transfer has been cancelled.").arg(size);
        if (ft->isForbiddenType()) {
            if (!live)
                return FtProhibitedTemplate.arg(tr("Transfer cancelled, file type not allowed."), tr("Read more..."));
            LOG_INFO << "File transfer of " << ft->getFileName() << " was rejected because of its forbidden file extension.";
            return sent ? tr("Transfer cancelled, file type not allowed.") : QString();
        }
        return tr("Transfer cancelled");
    case FTAdapter::Failed:
        return tr("Transfer failed");
    case FTAdapter::TimedOut:
        return tr("Transfer timed out");
    case FTAdapter::EncryptionMismatch:
        return tr("Transfer failed. Incompatible encryption level.");
    default:
        return QString();
    }
}

QString MessageModel::createFtHtml(FTAdapter* ft)
{
    const int state = ft->getState();
    const QString id = ft->getId().toHtmlEscaped();
    const bool sent = ft->getDirection() == FTAdapter::Outgoing;
    QString nameLine;
    if (isOffer(state)) {
        if (!ft->isValid())
            nameLine = ftNameLine(ft, QString(), tr("Transfer failed"));
        else if (!sent)
            nameLine = ftNameLine(ft, FtAnswerButtonsTemplate.arg(id, tr("Accept"), tr("Decline")),
                                  tr("File Size %1").arg(Utils::StringHelper::sizeText(ft->getFileSize())));
        else
            nameLine = ftNameLine(ft, FtCancelTemplate.arg(id, tr("Waiting..."), tr("Cancel Transfer")), QString());
        if (sent && FTAdapter::isFileSizeTooLarge(m_Config, ft->getFileSize(), true))
            ft->cancel(0);
    } else if (state == FTAdapter::Transferring) {
        nameLine = ftNameLine(ft, FtProgressTemplate.arg(id).arg(progressOffset(ft->getPercent())), ftDetails(ft, false));
    } else if (state == FTAdapter::Received) {
        nameLine = ftNameLine(ft, QString(),
                              QFileInfo::exists(ft->getFilePath())
                                  ? FtOpenButtonsTemplate.arg(id, tr("File received, click to open"), tr("Show in Folder"))
                                  : tr("The file does not exist"));
    } else if (state == FTAdapter::Sent || state == FTAdapter::Cancelled || state == FTAdapter::Failed
               || state == FTAdapter::TimedOut || state == FTAdapter::EncryptionMismatch) {
        nameLine = ftNameLine(ft, QString(), ftDetails(ft, false));
    } else {
        return QString();
    }

    QString html;
    const QDateTime time = ft->getDateTime();
    if (!m_LastItemTime.isValid() || m_LastItemTime.daysTo(time) != 0)
        html = DateTemplate.arg(localDate(time));
    const QString party = cleanId(ft->getPartyId());
    if (party != m_LastSenderId) {
        m_LastSenderId = party;
        html += senderLine(sent, party, sent ? m_OwnDisplayName : nameOf(ft->getSenderId()), time.time());
    }
    if (!time.isNull())
        m_LastItemTime = time;
    return html + FtBlockTemplate.arg(id, nameLine);
}

void MessageModel::connectFt(FTAdapter* ft)
{
    if (!isUnfinished(ft->getState()))
        return;
    disconnect(ft, nullptr, this, nullptr);
    connect(ft, &FTAdapter::stateChanged, this, &MessageModel::ftStateChanged);
    connect(ft, &FTAdapter::progressChanged, this, &MessageModel::ftProgressChanged);
    connect(ft, &FTAdapter::transferRejected, this, &MessageModel::onFileTransferRejected);
}

void MessageModel::addFiletransfer(FTAdapter* ft)
{
    addHtml(createFtHtml(ft), ft->getDirection() != FTAdapter::Outgoing, false);
    connectFt(ft);
}

void MessageModel::ftStateChanged(FTAdapter::State state)
{
    auto* ft = qobject_cast<FTAdapter*>(sender());
    if (!ft)
        return;
    QString nameLine;
    switch (state) {
    case FTAdapter::Transferring:
        nameLine = ftNameLine(ft, FtProgressTemplate.arg(ft->getId().toHtmlEscaped()).arg(progressOffset(0)),
                              ftDetails(ft, true));
        break;
    case FTAdapter::Received:
        nameLine = ftNameLine(ft, QString(),
                              FtOpenButtonsTemplate.arg(ft->getId().toHtmlEscaped(), tr("File received, click to open"),
                                                        tr("Show in Folder")));
        break;
    case FTAdapter::Sent:
    case FTAdapter::Cancelled:
    case FTAdapter::Failed:
    case FTAdapter::TimedOut:
    case FTAdapter::EncryptionMismatch:
        nameLine = ftNameLine(ft, QString(), ftDetails(ft, true));
        break;
    default:
        return;
    }
    emit stateChanged(ft->getId(), nameLine);
    emit progressChanged(ft->getId(), ft->getPercent(), ft->getFileSize());
}

void MessageModel::ftProgressChanged(const QString& id, int percent, qint64 bytes)
{
    emit progressChanged(id, percent, Utils::StringHelper::sizeText(bytes));
}

void MessageModel::openFileClicked(QVariant id)
{
    FTAdapter* ft = m_FtModel ? m_FtModel->getFt(id.toString()) : nullptr;
    if (!ft)
        return;
    const QString path = ft->getFilePath();
    LOG_INFO << "File: " << path;
    if (QFileInfo::exists(path)) {
        const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        LOG_INFO << "Opening file " << path << (opened ? " succeeded." : " failed.");
    } else {
        emit stateChanged(id, ftNameLine(ft, QString(), tr("The file does not exist")));
    }
}

void MessageModel::showFileInFolderClicked(QVariant id)
{
    LOG_DEBUG << "id: " << id.toString() << " model: " << static_cast<const void*>(m_FtModel.data());
    FTAdapter* ft = m_FtModel ? m_FtModel->getFt(id.toString()) : nullptr;
    if (!ft) {
        LOG_WARNING << "ft is NULL";
        return;
    }
    QString path = ft->getFilePath();
    LOG_DEBUG << "filePath: " << path;
    if (QFileInfo::exists(path)) {
        path.truncate(path.lastIndexOf(QLatin1Char('/')));
        LOG_DEBUG << "filePath truncated: " << path;
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    } else {
        const QString html = ftNameLine(ft, QString(), tr("The file does not exist"));
        LOG_DEBUG << "html: " << html;
        emit stateChanged(id, html);
    }
}

void MessageModel::onFileTransferRejected(FTAdapter::RejectReason reason)
{
    auto* ft = qobject_cast<FTAdapter*>(sender());
    if (!ft || reason != FTAdapter::ForbiddenType)
        return;
    addHtml(SystemMessageTemplate.arg(tr("%1 tried to send a type of file that you are not allowed to receive.")
                                          .arg(nameOf(ft->getSenderId()).toHtmlEscaped())),
            false, false);
}

void MessageModel::onFtRejectedByExtension()
{
    addHtml(SystemMessageTemplate.arg(
                FtProhibitedTemplate.arg(tr("Type of selected file(s) is not allowed to be sent."), tr("Read more..."))),
            false, false);
}

// ---- system lines ---------------------------------------------------------------------

namespace {

QString now()
{
    return Utils::StringHelper::timeToString(QTime::currentTime());
}

} // namespace

void MessageModel::participantAdded(const QStringList& names, bool initial)
{
    if (initial) {
        QStringList escaped;
        for (const QString& name : names)
            escaped.append(name.toHtmlEscaped());
        addSystemMessage(tr("In chat: %1").arg(escaped.join(QStringLiteral(", "))));
    } else if (!names.isEmpty()) {
        addSystemMessage(tr("%1 joined chat %2").arg(names.first().toHtmlEscaped(), now()));
    }
}

void MessageModel::participantGuestPending(const QString& id, const QString& name)
{
    LOG_INFO << "Guest id: " << id << ", name: " << name;
    addSystemMessage(tr("%1 has requested to join your room %2").arg(name.toHtmlEscaped(), now()));
}

void MessageModel::guestParticipantAccepted(const QString& name)
{
    LOG_INFO << "Name: " << name;
    addSystemMessage(tr("%1 has joined your room %2").arg(name.toHtmlEscaped(), now()));
}

void MessageModel::participantRemoved(const QString& name,
                                      const Kivo::Data::CommsSessionParticipant::ChatAffiliation affiliation,
                                      const Kivo::Data::CommsSessionParticipant::ParticipantLeaveReason reason)
{
    using Participant = Kivo::Data::CommsSessionParticipant;
    QString text;
    if (affiliation == Participant::Pending)
        text = tr("%1's request to join your room has been declined %2");
    else if (affiliation == Participant::Guest)
        text = reason == Participant::Left ? tr("%1 has left the room %2") : tr("%1 has been dismissed %2");
    else
        text = tr("%1 has left chat %2");
    addSystemMessage(text.arg(name.toHtmlEscaped(), now()));
}

void MessageModel::participantJoinedShare(const QString& id)
{
    addSystemMessage(tr("%1 joined Desktop Share %2").arg(getDesktopShareDisplayName(id).toHtmlEscaped(), now()));
}

void MessageModel::participantLeftShare(const QString& id)
{
    addSystemMessage(tr("%1 left Desktop Share %2").arg(getDesktopShareDisplayName(id).toHtmlEscaped(), now()));
}

void MessageModel::onCurrentSharerChanged(const QString& previous, const QString& current)
{
    const QString before = getDesktopShareDisplayName(previous);
    if (!before.isEmpty())
        addSystemMessage(tr("%1's share stopped %2").arg(before.toHtmlEscaped(), now()));
    const QString after = getDesktopShareDisplayName(current);
    if (!after.isEmpty())
        addSystemMessage(tr("%1's share started %2").arg(after.toHtmlEscaped(), now()));
}

void MessageModel::onRoomIsClosing(uint seconds)
{
    addSystemMessage(tr("Your share will close in %1 minute(s) due to inactivity unless you continue using the share "
                        "before that.")
                         .arg(seconds / 60));
}

void MessageModel::onRoomClosed()
{
    addSystemMessage(tr("Your share has been closed."));
}

void MessageModel::onShowAddUsersInfo()
{
    addHtml(SystemMessageTemplate.arg(
                tr("Drag and drop contacts from the contact list to add them as participants to this chat.")),
            false, true);
}

QString MessageModel::getDesktopShareDisplayName(const QString& participant) const
{
    if (participant.contains(QLatin1Char('@'))) {
        LOG_DEBUG << "Evaluating jid: " << participant;
        const QString bare = participant.section(QLatin1Char('/'), 0, 0);
        if (m_Contacts) {
            if (const Kivo::Contacts::IContact* contact = m_Contacts->findByAddress(bare);
                contact && !contact->getDisplayName().isEmpty())
                return contact->getDisplayName();
        }
    } else if (!participant.isEmpty()) {
        LOG_DEBUG << "Evaluating names: " << participant;
        const QStringList parts = participant.split(QLatin1Char(' '));
        if (parts.size() == 2 && parts.first().compare(parts.last(), Qt::CaseInsensitive) == 0)
            return parts.first();
    }
    return participant;
}

void MessageModel::typersChanged(const QStringList& ids)
{
    LOG_DEBUG << " Typers: " << ids.join(QStringLiteral(", "));
    QStringList names;
    for (const QString& id : ids) {
        const QString lower = id.toLower();
        const QString name = m_ParticipantNames.value(lower);
        names.append(name.isEmpty() ? lower : name);
    }
    if (names.isEmpty())
        m_TypingNotification.clear();
    else if (names.size() == 1)
        m_TypingNotification = tr("%1 is typing...").arg(names.first());
    else
        m_TypingNotification = tr("%1 are typing...").arg(names.join(QStringLiteral(", ")));
    emit typingNotificationChanged();
}

void MessageModel::participantNameChanged(const QString& id, const QString& name)
{
    m_ParticipantNames.insert(id, name);
    const QString clean = cleanId(id);
    LOG_DEBUG << "Participant id " << id << " cleaned " << clean;
    emit contactNameChanged(clean, name);
}

} // namespace Chat
} // namespace Models
