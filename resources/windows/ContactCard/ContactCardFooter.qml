import QtQuick 2.9
import "../../controls"

// The card's buttons; which ones show follows the card's mode and its contact.
Rectangle {
    id: footer

    readonly property bool editing: rootWindow.addMode || rootWindow.editMode
    readonly property var contact: rootWindow.contact
    readonly property bool viewing: !editing && contact !== null && !contact.temporary && !rootWindow.readOnlyMode
    // The contact's calls and chats: not while editing, and for a new contact only once it
    // has an address to reach.
    readonly property bool offersActions: !rootWindow.editMode && contact !== null && contact.address.length > 0
                                          && (!rootWindow.addMode || contact.temporary)

    height: 52 + (actionRow.visible ? actionRow.height + 8 : 0)
    color: qomxStyle.colors["lightBackground"]

    Rectangle {
        anchors.top: parent.top
        width: parent.width
        height: 1
        color: qomxStyle.colors["mediumDivider"]
    }

    Row {
        id: actionRow
        objectName: "actionRow"
        anchors.top: parent.top
        anchors.topMargin: 10
        anchors.left: parent.left
        anchors.leftMargin: 12
        spacing: 6
        visible: footer.offersActions && actionButtons.count > 0

        Repeater {
            id: actionButtons
            model: rootWindow.actionsProvider

            delegate: TextButton {
                id: actionButton

                // Chat, call, call from phone and video; adding has a button of its own.
                readonly property int actionId: model.action.id

                objectName: "actionButton" + actionId
                visible: actionId !== 17
                width: visible ? Math.max(56, textWidth.width + 20) : 0
                height: 28
                fontPixelSize: 12
                enabled: model.action.enabled && !rootWindow.busy
                text: qmlHelper.getTooltip(actionId, rootWindow.actionsProvider) + rootWindow.languageChangeProperty
                onClicked: rootWindow.actionsProvider.triggerAction(actionId)

                TextMetrics {
                    id: textWidth
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: actionButton.fontPixelSize
                    font.bold: true
                    text: actionButton.text
                }
            }
        }
    }

    Text {
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.verticalCenter: buttonRow.verticalCenter
        visible: rootWindow.busy
        text: qsTr("Waiting for the server...") + rootWindow.languageChangeProperty
        color: qomxStyle.colors["listSecondLineText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
    }

    Row {
        id: buttonRow
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 11
        spacing: 8

        IconButton {
            objectName: "importButton"
            visible: rootWindow.importFromDirectoryPossible && !footer.editing
            iconSource: "qrc:/windows/MainWindow/Icons/light_import.png"
            toolTip: qsTr("Import The Directory Information to Profile") + rootWindow.languageChangeProperty
            onClicked: rootWindow.importFromDirectory()
        }
        IconButton {
            objectName: "addButton"
            visible: rootWindow.addMode || (footer.contact !== null && footer.contact.temporary && !footer.editing)
            enabled: rootWindow.fieldValues.hasText && !rootWindow.busy
            iconSource: "qrc:/windows/MainWindow/Icons/light_add.png"
            toolTip: qsTr("Add to Contact List") + rootWindow.languageChangeProperty
            onClicked: rootWindow.addContact()
        }
        IconButton {
            objectName: "saveButton"
            visible: rootWindow.editMode && !rootWindow.addMode
            enabled: !rootWindow.busy
            iconSource: "qrc:/windows/MainWindow/Icons/light_save.png"
            toolTip: qsTr("Save") + rootWindow.languageChangeProperty
            onClicked: rootWindow.save()
        }
        IconButton {
            objectName: "cancelButton"
            visible: footer.editing
            enabled: !rootWindow.busy
            iconSource: "qrc:/windows/MainWindow/Icons/light_cancel.png"
            toolTip: qsTr("Cancel") + rootWindow.languageChangeProperty
            onClicked: rootWindow.cancel()
        }
        IconButton {
            objectName: "editButton"
            visible: footer.viewing
            enabled: !rootWindow.busy
            iconSource: "qrc:/windows/MainWindow/Icons/light_edit.png"
            toolTip: qsTr("Edit Contact") + rootWindow.languageChangeProperty
            onClicked: rootWindow.editMode = true
        }
        IconButton {
            objectName: "deleteButton"
            visible: footer.viewing
            enabled: !rootWindow.busy
            normalColor: qomxStyle.colors["declineButton"]
            iconSource: "qrc:/windows/MainWindow/Icons/light_remove.png"
            toolTip: qsTr("Delete Contact") + rootWindow.languageChangeProperty
            onClicked: rootWindow.deleteContact()
        }
    }
}
