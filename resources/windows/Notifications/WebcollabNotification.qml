import QtQuick 2.15
import "../../controls"

// A share invitation: join it, refuse it, or learn that this client cannot show it.
Rectangle {
    id: invitation

    property QtObject session: null
    property QtObject share: session ? session.webcollab : null
    readonly property bool mismatch: (session !== null && session.shareInvitationOrphan)
                                     || (share !== null && share.mismatchedTags === true)
    readonly property string inviter: {
        if (!session)
            return ""
        if (session.group && session.contact)
            return session.contact.displayName
        if (session.contact)
            return session.contact.displayName
        return session.chat ? session.chat.contactName : ""
    }

    // Accepting ends a share that runs in the conversation, on the older share component.
    readonly property bool endsRunningShare: share !== null && share.state !== 0 && share.isUsingNewLibrary !== true
                                             && share.hasUser === true

    color: qomxStyle.colors["whiteBackground"]

    Text {
        objectName: "shareText"
        textFormat: Text.PlainText
        x: 10
        y: 8
        width: parent.width - 20
        wrapMode: Text.Wrap
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        color: qomxStyle.colors["darkText"]
        text: (invitation.mismatch
               ? qsTr("%1 has invited you to a desktop share. Unfortunately we can't find a share component in your client or your versions are incompatible. Please contact your service provider for more information.").arg(invitation.inviter)
               : qsTr("Would you like to view %1's desktop share?").arg(invitation.inviter)
                 + (invitation.endsRunningShare
                    ? "\n" + qsTr("Note that by accepting this invitation any previous ongoing share will terminate.")
                    : "")) + rootView.languageChangeProperty
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        spacing: 8

        TextButton {
            objectName: "shareOkButton"
            visible: invitation.mismatch
            width: 70
            height: 26
            text: qsTr("OK") + rootView.languageChangeProperty
            onClicked: {
                invitation.session.shareInvitationOrphan = false
                rootWindow.webcollabNotificationIgnored()
            }
        }
        TextButton {
            objectName: "shareYesButton"
            visible: !invitation.mismatch
            width: 70
            height: 26
            text: qsTr("Yes") + rootView.languageChangeProperty
            onClicked: rootWindow.webcollabNotificationAccepted()
        }
        TextButton {
            objectName: "shareNoButton"
            visible: !invitation.mismatch
            width: 70
            height: 26
            text: qsTr("No") + rootView.languageChangeProperty
            onClicked: rootWindow.webcollabNotificationIgnored()
        }
    }
}
