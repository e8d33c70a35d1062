import QtQuick 2.15
import Torvex 1.0 as Torvex

// The conversations going on: a header that opens and closes the list, then one row each
// with its title, state and buttons. Rows select, take keys as tones while in a call and
// take dropped contacts and conversations (transfer, conference).
Item {
    id: pane

    readonly property int rowHeight: 52
    readonly property int headerHeight: 23
    readonly property int total: rootWindow.activeCommsModel.count
    readonly property int shown: rootWindow.activeCommsFilter.count
    readonly property bool open: rootWindow.activeCommsFilter.open
    property int maximumHeight: 300
    signal dropped()

    height: total === 0 ? 0 : Math.min(maximumHeight, headerHeight + shown * rowHeight + 1)
    clip: true
    visible: height > 0
    Behavior on height { NumberAnimation { duration: 200 } }

    // One conversation with a call opens the list by itself.
    Connections {
        target: rootWindow.activeCommsModel
        function onCountChanged() {
            if (pane.total === 1 && rootWindow.activeCommsModel.hasCall)
                rootWindow.activeCommsFilter.open = true
        }
    }

    Rectangle {
        id: header
        objectName: "activeCommsHeader"
        width: parent.width
        height: pane.headerHeight
        color: qomxStyle.colors["lightBackground"]
        Image {
            id: chevron
            // Not kept in Qt's image cache: an icon that follows a state, or a row that
            // goes, left the old one there, and its expiry woke the idle program later.
            cache: false
            anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
            width: 10
            height: 10
            sourceSize { width: 10; height: 10 }
            source: pane.open ? "qrc:/windows/section_open.png" : "qrc:/windows/section_folded.png"
        }
        Text {
            textFormat: Text.PlainText
            anchors { left: chevron.right; leftMargin: 5; verticalCenter: parent.verticalCenter }
            text: ((pane.total === 1 || pane.open) ? qsTr("Active (%1)").arg(pane.total)
                                                     : qsTr("Active (%1 of %2)").arg(pane.shown).arg(pane.total))
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.bold: true
        }
        MouseArea {
            anchors.fill: parent
            enabled: pane.total > 1 || !rootWindow.activeCommsModel.hasCall
            onClicked: {
                rootWindow.activeCommsFilter.open = !pane.open
                rootWindow.setActiveCommExpanded(rootWindow.activeCommsFilter.open)
            }
        }
    }

    ListView {
        id: list
        objectName: "activeCommsList"
        anchors { top: header.bottom; left: parent.left; right: parent.right; bottom: divider.top }
        model: activeModel
        interactive: false
        currentIndex: activeSelectionHandler.currentIndex
        keyNavigationEnabled: false

        delegate: Rectangle {
            id: row

            readonly property var session: model.activecomm
            readonly property var call: model.call
            readonly property bool talking: row.call !== null && row.call !== undefined && model.callState === 3
            // The drag text: the selected conversations and contacts, or this row's party.
            property string dragText: ""

            objectName: "activeComm" + index
            width: list.width
            height: pane.rowHeight
            color: model.selected ? qomxStyle.colors["lightActiveBackground"]
                                  : (rowArea.containsMouse ? qomxStyle.colors["lightBackground"] : qomxStyle.colors["whiteBackground"])
            border.width: drop.containsDrag ? 2 : 0
            border.color: drop.accepted ? qomxStyle.colors["activeBackground"] : qomxStyle.colors["errorText"]
            focus: model.selected

            Rectangle {
                id: kind
                anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
                width: 28
                height: 28
                radius: 14
                color: model.hasCall ? qomxStyle.colors["activeBackground"] : qomxStyle.colors["mediumDivider"]
                Image {
                    cache: false
                    anchors.centerIn: parent
                    width: 16
                    height: 16
                    sourceSize: Qt.size(16, 16)
                    source: "qrc:/windows/MainWindow/Icons/" + (model.hasCall ? "light_call.png" : "light_chat.png")
                }
            }
            Column {
                anchors { left: kind.right; leftMargin: 8; right: model.hasCall ? callButtons.left : buttons.left; rightMargin: 4; verticalCenter: parent.verticalCenter }
                Text {
                    objectName: "activeCommTitle"
                    textFormat: Text.PlainText
                    width: parent.width
                    elide: Text.ElideRight
                    text: rootWindow.commsSessionUiHelper.getFormCommunicationTitle(row.session)
                    color: qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                    font.bold: true
                }
                Text {
                    objectName: "activeCommState"
                    textFormat: Text.PlainText
                    width: parent.width
                    elide: Text.ElideRight
                    text: model.hasCall ? rootWindow.commsSessionUiHelper.getCallStateText(model.callState)
                                        : rootWindow.commsSessionUiHelper.getCommunicationStatusTip(row.session)
                    color: qomxStyle.colors["listSecondLineText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 11
                }
            }
            Row {
                id: buttons
                anchors { right: parent.right; rightMargin: 6; top: parent.top; topMargin: 3 }
                spacing: 4
                Rectangle {
                    objectName: "unreadBadge"
                    visible: model.unread > 0
                    anchors.verticalCenter: parent.verticalCenter
                    width: 18; height: 18; radius: 9
                    color: qomxStyle.colors["infoBadgeActive"]
                    Text { anchors.centerIn: parent; text: model.unread > 9 ? "9+" : model.unread; color: "white"; font.pixelSize: 9; font.bold: true }
                }
                Rectangle {
                    objectName: "hangUpButton"
                    anchors.verticalCenter: parent.verticalCenter
                    width: 22; height: 22; radius: 11
                    color: hangArea.containsMouse ? "#e0443e" : qomxStyle.colors["declineButton"]
                    Image {
                        cache: false
                        anchors.centerIn: parent
                        width: 14; height: 14
                        sourceSize { width: 14; height: 14 }
                        source: "qrc:/windows/MainWindow/Icons/light_hangup.png"
                    }
                    MouseArea {
                        id: hangArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: row.session.close()
                    }
                }
                // "More": the conversation's menu with what the buttons do not offer.
                Rectangle {
                    objectName: "moreButton"
                    anchors.verticalCenter: parent.verticalCenter
                    width: 18; height: 22; radius: 3
                    color: menuHandler.activeCommsMenuVisible && model.selected || moreArea.containsMouse
                           ? qomxStyle.colors["lightDivider"] : "transparent"
                    Image {
                        cache: false
                        anchors.centerIn: parent
                        width: 12; height: 12
                        sourceSize { width: 12; height: 12 }
                        source: "qrc:/windows/options_dotted.png"
                    }
                    MouseArea {
                        id: moreArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            activeSelectionHandler.select(index, 0)
                            menuHandler.showActiveCommsPopupMenu(true)
                        }
                    }
                }
            }

            // The buttons of a call, below its title: mute, hold, transfer, add people, park.
            Row {
                id: callButtons
                objectName: "callButtons"
                // Above the row's own mouse area.
                z: 1
                visible: model.hasCall
                anchors { right: parent.right; rightMargin: 6; bottom: parent.bottom; bottomMargin: 2 }
                spacing: 4
                // The actions belong to the conversation's window, which comes with its call.
                readonly property var window: row.call ? row.session : null
                function actionOf(id) { return callButtons.window ? menuHandler.getCommsWindowAction(callButtons.window, id) : null }

                CallButton {
                    objectName: "muteButton"
                    action: callButtons.actionOf(Torvex.CommunicationsWindowMenuActions.ActionMuteMic)
                    icon: row.call && row.call.microphoneMuted ? "light_muted" : "light_mute"
                    onActivated: action.trigger()
                }
                CallButton {
                    objectName: "holdButton"
                    action: callButtons.actionOf(Torvex.CommunicationsWindowMenuActions.ActionHoldCall)
                    icon: model.callState === 7 ? "light_resume" : "light_hold"
                    onActivated: action.trigger()
                }
                CallButton {
                    objectName: "transferButton"
                    visible: menuHandler.getButtonEnabled(Torvex.CommunicationsWindowMenuActions.ActionTransferCallNew)
                    action: callButtons.actionOf(Torvex.CommunicationsWindowMenuActions.ActionTransferCallNew)
                    toolTip: qsTr("Click to Transfer Call")
                    icon: "light_transfer"
                    onActivated: {
                        if (row.call.executiveCall)
                            menuHandler.showExecutiveCallTransferMenu(row.session)
                        else
                            action.trigger()
                    }
                }
                CallButton {
                    objectName: "addPeopleButton"
                    visible: menuHandler.getButtonEnabled(Torvex.CommunicationsWindowMenuActions.ActionAddParticipantsNew)
                    action: callButtons.actionOf(Torvex.CommunicationsWindowMenuActions.ActionAddParticipantsNew)
                    toolTip: qsTr("Add People")
                    icon: "light_add"
                    onActivated: action.trigger()
                }
                CallButton {
                    objectName: "parkButton"
                    visible: menuHandler.getButtonEnabled(Torvex.CommunicationsWindowMenuActions.ActionCallPark)
                    action: callButtons.actionOf(Torvex.CommunicationsWindowMenuActions.ActionCallPark)
                    toolTip: qsTr("Click to Park Call")
                    icon: "light_park"
                    onActivated: action.trigger()
                }
            }

            // The drag that carries this row's selection to another row.
            Item {
                id: dragProxy
                width: 1; height: 1
                property string text: row.dragText
                Drag.keys: ["application/qomx.activecomm.contact"]
                Drag.active: rowArea.drag.active
                Drag.hotSpot.x: 0
                Drag.hotSpot.y: 0
            }

            MouseArea {
                id: rowArea
                anchors { left: parent.left; top: parent.top; bottom: parent.bottom; right: buttons.left }
                hoverEnabled: true
                preventStealing: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                drag.target: dragProxy
                drag.threshold: 8
                onPressed: {
                    activeSelectionHandler.select(index, mouse.modifiers)
                    focusHelper.activeCommsItemSelected()
                    row.forceActiveFocus()
                    row.dragText = activeCommsDragDropHandler.mergeSelections(activeSelectionHandler.selectionAsString(),
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
                        menuHandler.showActiveCommsPopupMenu()
                }
                onDoubleClicked: rootWindow.triggerDefaultAction()
            }

            DropArea {
                id: drop
                property bool accepted: false
                anchors.fill: parent
                keys: ["application/qomx.contact", "application/qomx.activecomm.contact"]
                onEntered: {
                    var contacts = selectionHandler.selection.length > 0 || drag.keys.indexOf("application/qomx.contact") >= 0
                    accepted = activeCommsDragDropHandler.checkDropAllowed(row.session, drag.source.text, contacts)
                    drag.accepted = accepted
                }
                onDropped: {
                    var contacts = selectionHandler.selection.length > 0 || drop.keys.indexOf("application/qomx.contact") >= 0
                    if (!accepted)
                        return
                    activeCommsDragDropHandler.handleDropOnActiveComm(row.session, drop.source.text, contacts)
                    pane.dropped()
                }
            }

            // Keys of a call in progress are tones.
            Keys.onPressed: {
                if (!row.talking)
                    return
                var tone = ""
                if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                    tone = "#"
                else if ("0123456789*#,".indexOf(event.text) >= 0 && event.text.length === 1)
                    tone = event.text
                if (tone.length > 0) {
                    row.call.appendDTMFSequence(tone)
                    event.accepted = true
                }
            }
            Keys.onUpPressed: rootWindow.moveSelection(true, false)
            Keys.onDownPressed: rootWindow.moveSelection(false, false)

            Rectangle {
                anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                height: 1
                color: qomxStyle.colors["contactListDivider"]
            }
        }
    }

    Rectangle {
        id: divider
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: qomxStyle.colors["mediumDivider"]
    }
}
