#pragma once

#include <Kivo/Services/Xmpp/VCard.h>

#include <QHash>
#include <QObject>
#include <QString>

namespace Kivo {
namespace Services {
namespace Xmpp {

// Fetches the vCards of XMPP users from the server. The XMPP connection makes it when it
// first comes up. Every vCard that arrives is announced, whoever asked for it.
class XmppContactDataService : public QObject
{
    Q_OBJECT

public:
    explicit XmppContactDataService(QObject* parent = nullptr);

public slots:
    // Asks for the vCard of `jid`; with `refresh` false a vCard already received is announced
    // again without asking the server. False, with a log line, when no request can be made.
    bool requestVCard(const QString& jid, bool refresh);

signals:
    void vCardReceived(const QString& jid, const QXmppVCardIq& vcard);

private:
    void onVCardReady(const QString& jid, const QString& fullName, const QString& roomChat);

    QHash<QString, QXmppVCardIq> m_Received;
};

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
