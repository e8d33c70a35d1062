import QtQuick 2.15
import "../ContactSelection"

// Brings another party into the conversation.
ContactSelectionWidget {
    title: qsTr("Add people to communication") + rootView.languageChangeProperty
    firstButtonText: qsTr("Add") + rootView.languageChangeProperty
    clearAfterAction: true
    onFirstButtonClicked: {
        rootWindow.addParticipantClicked(number, contactId)
        rootWindow.notificationswidget.addParticipantsVisible = false
    }
    onCancel: rootWindow.notificationswidget.addParticipantsVisible = false
}
