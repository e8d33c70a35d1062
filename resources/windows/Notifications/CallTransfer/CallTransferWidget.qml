import QtQuick 2.15
import "../ContactSelection"

// Transfers the call to a number typed in; the panel waits for the outcome.
ContactSelectionWidget {
    id: transfer

    property QtObject session: rootWindow.session

    title: qsTr("Transfer Call") + rootView.languageChangeProperty
    firstButtonText: qsTr("Transfer Now") + rootView.languageChangeProperty
    firstButtonTip: firstButtonText
    onFirstButtonClicked: {
        transfer.enabled = false
        session.transferCall(number)
    }
    onCancel: {
        rootWindow.notificationswidget.callTransferVisible = false
        if (session)
            session.setCallTransferAssociatedSession(null, true)
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
