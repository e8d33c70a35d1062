import QtQuick 2.9
import "../../controls"

// The card's buttons; which ones show follows the card's mode and its contact.
Rectangle {
    id: footer

    readonly property bool editing: rootWindow.addMode || rootWindow.editMode
    readonly property var contact: rootWindow.contact
    readonly property bool viewing: !editing && contact !== null && !contact.temporary && !rootWindow.readOnlyMode

    height: 52
    color: qomxStyle.colors["lightBackground"]

    Rectangle {
        anchors.top: parent.top
        width: parent.width
        height: 1
        color: qomxStyle.colors["mediumDivider"]
    }

    Text {
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        visible: rootWindow.busy
        text: qsTr("Waiting for the server...") + rootWindow.languageChangeProperty
        color: qomxStyle.colors["listSecondLineText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8

        TextButton {
            objectName: "importButton"
            width: 80
            visible: rootWindow.importFromDirectoryPossible && !footer.editing
            text: qsTr("Import") + rootWindow.languageChangeProperty
            onClicked: rootWindow.importFromDirectory()
        }
        TextButton {
            objectName: "addButton"
            width: 150
            visible: rootWindow.addMode || (footer.contact !== null && footer.contact.temporary && !footer.editing)
            enabled: rootWindow.fieldValues.hasText && !rootWindow.busy
            text: qsTr("Add to Contact List") + rootWindow.languageChangeProperty
            onClicked: rootWindow.addContact()
        }
        TextButton {
            objectName: "saveButton"
            width: 80
            visible: rootWindow.editMode && !rootWindow.addMode
            enabled: !rootWindow.busy
            text: qsTr("Save") + rootWindow.languageChangeProperty
            onClicked: rootWindow.save()
        }
        TextButton {
            objectName: "cancelButton"
            width: 80
            visible: footer.editing
            enabled: !rootWindow.busy
            text: qsTr("Cancel") + rootWindow.languageChangeProperty
            onClicked: rootWindow.cancel()
        }
        TextButton {
            objectName: "editButton"
            width: 100
            visible: footer.viewing
            enabled: !rootWindow.busy
            text: qsTr("Edit Contact") + rootWindow.languageChangeProperty
            onClicked: rootWindow.editMode = true
        }
        TextButton {
            objectName: "deleteButton"
            width: 110
            visible: footer.viewing
            enabled: !rootWindow.busy
            normalColor: qomxStyle.colors["declineButton"]
            text: qsTr("Delete Contact") + rootWindow.languageChangeProperty
            onClicked: rootWindow.deleteContact()
        }
    }
}
