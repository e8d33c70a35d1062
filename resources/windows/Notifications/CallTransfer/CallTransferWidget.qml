import QtQuick 2.15
import "../ContactSelection"

// Transfers the call to a contact or a number, at once or after talking to the contact
// first; the panel waits for the outcome.
ContactSelectionWidget {
    id: transfer

    // The service's transfer type: 1 talk-first, 2 blind, 3 full.
    readonly property int transferType: rootWindow.configXML ? rootWindow.configXML.callTransferType : 0

    title: qsTr("Transfer Call") + rootView.languageChangeProperty
    firstButtonText: qsTr("Transfer Now") + rootView.languageChangeProperty
    firstButtonTip: firstButtonText
    firstButtonShown: transferType === 2 || transferType === 3
    attendedShown: transferType === 1 || transferType === 3
    onFirstButtonClicked: {
        transfer.enabled = false
        session.transferCall(number)
    }
    onCancel: {
        rootWindow.notificationswidget.callTransferVisible = false
        if (!session)
            return
        // Neither conversation is part of a transfer any more.
        var other = session.associatedSession
        session.setCallTransferAssociatedSession(null, true)
        if (other)
            other.setCallTransferAssociatedSession(null, true)
    }

    Connections {
        target: transfer.session
        function onTransferDone() {
            transfer.enabled = true
            rootWindow.notificationswidget.callTransferVisible = false
        }
        function onTransferFailed() { transfer.enabled = true }
    }
}
