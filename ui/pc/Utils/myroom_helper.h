#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Utils {

// The invitation to the user's own My Room: copied to the clipboard (HTML and plain text)
// or opened as an e-mail message, with the room's guest link when the service gives one.
// The invitation carries a link of the program's URL scheme, which QomxUrlHandler reads.
class MyRoomHelper : public QObject
{
    Q_OBJECT

public:
    MyRoomHelper(Kivo::Sessions::SessionManagerBase* session, QObject* parent);

    // Both ask the service for the guest link first when it offers one; the invitation is
    // copied or mailed when the link arrives, at once otherwise.
    void copyInvitation();
    void sendInvitation();
    void sendInvitationViaEmail(const QString& guestLink);

    // The invitation for the user's own contact; empty without one.
    QString invitation(bool html, const QString& guestLink) const;
    // The room's conference details in a few lines: a "My Room" heading (unless
    // `noHeading`), the dial-in number, the conference ID and the PINs.
    static QString myRoomInfoText(const Kivo::Contacts::IContact* contact, bool withoutHeadingWhenEmpty,
                                  bool hideModeratorPin, bool noHeading = false);
    static void copyToClipboard(const QString& html, const QString& text);

private slots:
    void guestInvitationReadyToBeCopied(const QString& roomJid, const QString& guestLink);
    void guestInvitationReadyToBeSentViaEmail(const QString& roomJid, const QString& guestLink);

private:
    // Connects the guest handler's answer to `slot` and asks for the link; false when the
    // session has no My Room or no guest handler.
    bool requestGuestLink(const char* slot);
    void copyWithGuestLink(const QString& guestLink);

    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
};

} // namespace Utils
