import QtQuick 2.15
import "../Presence"
import "../../../components"

// The contacts (and the directory's and searches' results) by group: a press selects, a
// double click calls, a right click asks for the contact menu, a drag carries the selected
// contacts to a conversation.
Item {
    id: pane

    signal showTooltip(string text, Item item)
    signal hideTooltip()

    readonly property bool empty: !contactModel.hasItems && (!favoriteModel || favoriteModel.count === 0) && !rootWindow.searching

    function emptyText() {
        if (rootWindow.xmppError)
            return qsTr("Contacts are not able to be shown due to a connection error. Please try again later.")
        if (!rootWindow.rosterReceived)
            return qsTr("Retrieving...")
        if (!rootWindow.showOfflineContacts)
            return qsTr("None of your contacts are online. Check \"Show Offline Contacts\" in the contact menu to see all of your contacts.")
        return qsTr("Your contacts list is empty. To add contacts, search or add from the menu.")
    }

    Text {
        objectName: "contactsEmptyText"
        textFormat: Text.PlainText
        visible: pane.empty
        anchors { fill: parent; margins: 20 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        color: qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        text: pane.emptyText()
    }

    ListView {
        id: list
        objectName: "contactList"
        anchors.fill: parent
        visible: !pane.empty
        clip: true
        model: contactModel
        boundsBehavior: Flickable.StopAtBounds
        currentIndex: selectionHandler.currentIndex
        keyNavigationEnabled: false

        delegate: Item {
            width: list.width
            height: model.isGroup === true ? groupRow.height : contactRow.height

            Rectangle {
                id: groupRow
                width: parent.width
                visible: model.isGroup === true
                objectName: model.isGroup === true ? "group_" + model.groupName : ""
                height: 24 + (empty.visible ? 20 : 0)
                color: qomxStyle.colors["lightBackground"]
                Text {
                    textFormat: Text.PlainText
                    anchors { left: parent.left; leftMargin: 8; top: parent.top; topMargin: 5 }
                    text: qsTr("%1 (%2)").arg(model.groupName).arg(model.groupCount)
                    color: qomxStyle.colors["listSecondLineText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 11
                    font.bold: true
                }
                // A right click on the header opens the group's menu (rename, remove, move).
                MouseArea {
                    anchors.fill: parent
                    acceptedButtons: Qt.RightButton
                    onClicked: {
                        pane.hideTooltip()
                        menuHandler.popupGroupMenu(model.group)
                    }
                }
                Text {
                    id: empty
                    objectName: "groupEmptyText"
                    textFormat: Text.PlainText
                    visible: model.groupCount === 0 && rootWindow.searching
                    anchors { left: parent.left; leftMargin: 16; bottom: parent.bottom; bottomMargin: 4 }
                    text: model.groupSearching ? qsTr("Searching...") : qsTr("No matches found")
                    color: qomxStyle.colors["mediumText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 11
                }
            }

            Rectangle {
                id: contactRow
                width: parent.width
                visible: model.isGroup !== true
    
                readonly property var contact: model.contact
                readonly property string name: model.displayName ? model.displayName : qsTr("Unknown")

                objectName: model.isGroup === true ? "" : "contact_" + name
                height: 38
                color: model.selected ? qomxStyle.colors["lightActiveBackground"]
                                         : (area.containsMouse ? qomxStyle.colors["lightBackground"] : qomxStyle.colors["whiteBackground"])

                Avatar {
                    id: avatar
                    objectName: "contactAvatar"
                    anchors { left: parent.left; leftMargin: 10; verticalCenter: parent.verticalCenter }
                    width: 26; height: 26
                    name: contactRow.name
                    presence: contactRow.contact ? contactRow.contact.presence : null
                }
                PresenceDot {
                    anchors { right: avatar.right; bottom: avatar.bottom; rightMargin: -2; bottomMargin: -1 }
                    presence: model.presence || 0
                }
                Column {
                    anchors { left: avatar.right; leftMargin: 9; right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
                    Text {
                        textFormat: Text.PlainText
                        width: parent.width
                        elide: Text.ElideRight
                        text: contactRow.name + (rootWindow.showStatus && contactRow.contact && !contactRow.contact.temporary && presenceHelper
                                          ? "  " + qsTr("(%1)").arg(presenceHelper.availabilityText(model.presence)) : "")
                        color: qomxStyle.colors["darkText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 12
                    }
                    Text {
                        width: parent.width
                        visible: text.length > 0
                        elide: Text.ElideRight
                        textFormat: Text.PlainText
                        // A search result the user added to the list says so.
                        readonly property bool added: contactRow.contact !== null && contactRow.contact !== undefined
                                                      && contactRow.contact.temporary
                                                      && rootWindow.addedContacts.indexOf(contactRow.contact.identifier) >= 0
                        text: added ? qsTr("Contact Added") : (model.statusText || model.number || "")
                        color: added ? qomxStyle.colors["highlightText"] : qomxStyle.colors["listSecondLineText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 10
                    }
                }

                Item {
                    id: dragProxy
                    width: 1; height: 1
                    property string text: ""
                    Drag.keys: ["application/qomx.contact"]
                    Drag.active: area.drag.active
                }

                // The contact's card shows when the pointer rests on the row, not while it passes.
                Timer {
                    id: hoverTimer
                    interval: 200
                    onTriggered: if (contactRow.contact) rootWindow.showContactMouseOver(contactRow.contact)
                }

                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    preventStealing: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    drag.target: dragProxy
                    drag.threshold: 8
                    onEntered: hoverTimer.restart()
                    onExited: {
                        hoverTimer.stop()
                        rootWindow.hideContactMouseOver()
                    }
                    onPressed: {
                        hoverTimer.stop()
                        rootWindow.hideContactMouseOver()
                        pane.hideTooltip()
                        list.forceActiveFocus()
                        if (mouse.button === Qt.RightButton) {
                            if (!model.selected)
                                selectionHandler.select(index, 0)
                            return
                        }
                        selectionHandler.select(index, mouse.modifiers)
                        dragProxy.text = activeCommsDragDropHandler.mergeSelections(activeSelectionHandler.selectionAsString(),
                                                                                    selectionHandler.selectionAsString())
                    }
                    onReleased: {
                        if (drag.active)
                            dragProxy.Drag.drop()
                        dragProxy.x = 0
                        dragProxy.y = 0
                    }
                    onClicked: {
                        if (mouse.button === Qt.RightButton)
                            menuHandler.showPopupMenu()
                    }
                    onDoubleClicked: {
                        if (mouse.button !== Qt.LeftButton)
                            return
                        if (mouse.x < avatar.x + avatar.width + 4 && mouse.modifiers === Qt.NoModifier)
                            rootWindow.showContactCard(contactRow.contact)
                        else
                            rootWindow.triggerDefaultAction()
                    }
                }

                Rectangle {
                    anchors { left: avatar.right; leftMargin: 9; right: parent.right; bottom: parent.bottom }
                    height: 1
                    color: qomxStyle.colors["contactListDivider"]
                }
            }
        }
        Keys.onUpPressed: rootWindow.moveSelection(true)
        Keys.onDownPressed: rootWindow.moveSelection(false)
        Keys.onReturnPressed: rootWindow.triggerDefaultAction()
        Keys.onEnterPressed: rootWindow.triggerDefaultAction()
        Keys.onDeletePressed: rootWindow.triggerDeleteAction(Qt.Key_Delete)

        Rectangle {
            anchors { right: parent.right; rightMargin: 1 }
            y: list.visibleArea.yPosition * list.height
            width: 4
            radius: 2
            height: Math.max(20, list.visibleArea.heightRatio * list.height)
            visible: list.visibleArea.heightRatio < 1
            color: qomxStyle.colors["mediumDivider"]
        }
    }
}
