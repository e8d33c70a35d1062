import QtQuick 2.15
import "../../../components"

// The history: the tabs of its kinds (calls, chats, voice mail), the voice-mail box, and the
// entries of the chosen kind. A double click calls back or reopens the chat; a voice mail
// opens its player.
Item {
    id: pane

    readonly property int filter: rootWindow.timelinefilterflag
    property int voiceMailMessagesCount: 0
    signal showTooltip(string text, Item item)
    signal hideTooltip()

    function emptyText() {
        if (filter === 2)
            return timelineModel.voicemailRetrievalFailed ? qsTr("Voicemail list failed to load") : qsTr("You have no voicemails")
        if (filter === 1)
            return timelineModel.calllogsRetrievalFailed ? qsTr("Call Logs list failed to load") : qsTr("Your call history is empty")
        return qsTr("Your chat history is empty")
    }
    function tabTitle(type) {
        return type === 1 ? qsTr("Calls") : (type === 2 ? qsTr("Voice Mail") : qsTr("Chats"))
    }

    // The kinds of history, one tab each, with what is new in each; a single kind needs no tabs.
    Row {
        id: tabs
        objectName: "historyTabs"
        anchors { top: parent.top; left: parent.left; right: parent.right }
        visible: tabRepeater.count > 1
        height: visible ? 27 : 0
        Repeater {
            id: tabRepeater
            model: rootWindow.timelinetabsSorted
            delegate: Rectangle {
                id: tab
                readonly property bool active: model.filterType === pane.filter
                readonly property int fresh: model.filterType === 0 ? timelineModel.missedChatCount
                                             : (model.filterType === 1 ? timelineModel.missedCallCount
                                                                       : timelineModel.unreadVoiceMailCount)
                objectName: "historyTab" + model.filterType
                width: tabs.width / Math.max(1, tabRepeater.count)
                height: tabs.height
                color: active ? qomxStyle.colors["whiteBackground"]
                              : (tabArea.containsMouse ? qomxStyle.colors["historyTabHover"] : qomxStyle.colors["historyTab"])
                Text {
                    id: tabTitle
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    anchors.horizontalCenterOffset: badge.visible ? -badge.width / 2 : 0
                    text: pane.tabTitle(model.filterType)
                    color: active ? qomxStyle.colors["historyTabActive"] : qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                    font.bold: active
                }
                Rectangle {
                    id: badge
                    objectName: "historyTabBadge" + model.filterType
                    readonly property string count: String(tab.fresh)
                    visible: count !== "0"
                    anchors { left: tabTitle.right; leftMargin: 4; verticalCenter: parent.verticalCenter }
                    width: Math.max(14, badgeText.implicitWidth + 6)
                    height: 14
                    radius: 7
                    color: qomxStyle.colors["infoBadgeActive"]
                    Text {
                        id: badgeText
                        textFormat: Text.PlainText
                        anchors.centerIn: parent
                        text: badge.count
                        color: qomxStyle.colors["whiteText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 9
                        font.bold: true
                    }
                }
                Rectangle {
                    anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                    height: 2
                    visible: active
                    color: qomxStyle.colors["historyTabActive"]
                }
                MouseArea {
                    id: tabArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: pane.showTooltip(rootWindow.timelinetabsModel.getToolTip(index), tab)
                    onExited: pane.hideTooltip()
                    onClicked: {
                        pane.hideTooltip()
                        rootWindow.setFilterForTimelineTab(index)
                    }
                }
            }
        }
    }

    // The mailbox: what waits, and a press calls it.
    Rectangle {
        id: voiceMailBox
        objectName: "voiceMailBox"
        anchors { top: tabs.bottom; left: parent.left; right: parent.right }
        height: pane.filter === 2 ? 30 : 0
        visible: height > 0
        color: boxArea.containsMouse ? qomxStyle.colors["lightActiveBackground"] : qomxStyle.colors["lightBackground"]
        Text {
            anchors { left: parent.left; leftMargin: 10; verticalCenter: parent.verticalCenter }
            text: qsTr("Voice Mail")
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            font.bold: true
        }
        Text {
            objectName: "voiceMailCount"
            textFormat: Text.PlainText
            anchors { right: parent.right; rightMargin: 10; verticalCenter: parent.verticalCenter }
            text: pane.voiceMailMessagesCount > 0 ? qsTr("New messages: %1").arg(pane.voiceMailMessagesCount)
                                                  : qsTr("No new messages")
            color: qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        MouseArea {
            id: boxArea
            anchors.fill: parent
            hoverEnabled: true
            onPressed: rootWindow.checkVoiceMails()
        }
    }

    Text {
        objectName: "historyEmptyText"
        textFormat: Text.PlainText
        visible: list.count === 0
        anchors { top: voiceMailBox.bottom; left: parent.left; right: parent.right; topMargin: 30; leftMargin: 20; rightMargin: 20 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        color: qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        text: pane.emptyText()
    }

    ListView {
        id: list
        objectName: "historyList"
        anchors { top: voiceMailBox.bottom; left: parent.left; right: parent.right; bottom: parent.bottom }
        clip: true
        model: proxyTimelineModel
        boundsBehavior: Flickable.StopAtBounds
        currentIndex: timelineSelectionHandler.currentIndex
        keyNavigationEnabled: false
        Keys.onPressed: {
            if (event.key === Qt.Key_Tab) {
                rootWindow.moveSelection(false, false, true)
                event.accepted = true
            } else if (event.key === Qt.Key_Backtab) {
                rootWindow.moveSelection(true, false, true)
                event.accepted = true
            } else {
                rootWindow.handleVoicemailDeleteKeyAction(event.key)
            }
        }

        delegate: Rectangle {
            id: row

            readonly property var entry: model.entry
            readonly property bool voiceMail: model.type === 2
            readonly property bool missed: entry && entry.missed
            property bool expanded: false

            objectName: "historyEntry" + index
            width: list.width
            height: 40 + (expanded ? 30 : 0)
            color: model.selected ? qomxStyle.colors["lightActiveBackground"]
                                  : (area.containsMouse ? qomxStyle.colors["lightBackground"] : qomxStyle.colors["whiteBackground"])

            Avatar {
                id: avatar
                objectName: "historyAvatar"
                anchors { left: parent.left; leftMargin: 8; top: parent.top; topMargin: 7 }
                width: 26; height: 26
                name: model.name
                presence: row.entry && row.entry.contact ? row.entry.contact.presence : null
            }
            // The call's direction (missed in red), or the voice mail's kind.
            Image {
                id: direction
                objectName: "historyDirection"
                readonly property string base: row.entry ? qmlHelper.getTimelineStatusImageBase(row.entry) : ""
                anchors { left: avatar.right; leftMargin: 4; top: parent.top; topMargin: 12 }
                width: 14
                height: 14
                sourceSize { width: 14; height: 14 }
                source: !row.entry ? ""
                        : row.voiceMail ? qmlHelper.getVoicemailTypeIndicatorImage(row.entry)
                        : base.length > 0 ? base + ".png"
                        // A chat has no call state: only its direction.
                        : "qrc:/windows/MainWindow/History/" + (row.entry.direction === 1 ? "history_incoming.png"
                                                                                          : "history_outgoing.png")
            }
            Column {
                anchors { left: direction.right; leftMargin: 6; right: time.left; rightMargin: 6; top: parent.top; topMargin: 4 }
                Text {
                    textFormat: Text.PlainText
                    width: parent.width
                    elide: Text.ElideRight
                    text: model.name
                    color: row.missed ? qomxStyle.colors["errorText"] : qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                    font.bold: model.newComms
                }
                Text {
                    textFormat: Text.PlainText
                    width: parent.width
                    elide: Text.ElideRight
                    text: row.entry ? (row.entry.message.length > 0 ? qmlHelper.stripWhiteSpaceChars(row.entry.message)
                                                                    : qmlHelper.getHistoryEntrySubTypeString(row.entry.subType)) : ""
                    color: qomxStyle.colors["listSecondLineText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 10
                }
            }
            Text {
                id: time
                objectName: "historyTime" + index
                textFormat: Text.PlainText
                anchors { right: status.left; rightMargin: 4; top: parent.top; topMargin: 6 }
                text: qmlHelper.formatHistoryEntryTime(model.time)
                color: qomxStyle.colors["mediumText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 10
            }

            // The entry's status: its menu (play, mark, save, delete ...), marked while new.
            Rectangle {
                id: status
                objectName: "historyStatusButton"
                // Above the row's own mouse area.
                z: 1
                anchors { right: parent.right; rightMargin: 6; top: parent.top; topMargin: 5 }
                width: 16; height: 16; radius: 8
                color: statusArea.containsMouse ? qomxStyle.colors["lightDivider"] : "transparent"
                Image {
                    anchors.centerIn: parent
                    width: 12
                    height: 12
                    sourceSize { width: 12; height: 12 }
                    source: model.newComms ? "qrc:/windows/options_dotted_new.png" : "qrc:/windows/options_dotted.png"
                }
                MouseArea {
                    id: statusArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        if (!model.selected)
                            timelineSelectionHandler.select(index, 0)
                        menuHandler.showPopupMenu(true, model.newComms === true)
                    }
                }
            }

            // The player of an expanded voice mail.
            Row {
                objectName: "voiceMailPlayer"
                visible: row.expanded
                anchors { left: parent.left; leftMargin: 32; bottom: parent.bottom; bottomMargin: 6 }
                spacing: 8
                Rectangle {
                    objectName: "playButton"
                    readonly property bool playing: row.voiceMail && row.entry !== null && row.entry.mediaState === 9
                    width: 60; height: 20; radius: 3
                    color: qomxStyle.colors["defaultButton"]
                    Text {
                        textFormat: Text.PlainText
                        anchors.centerIn: parent
                        text: parent.playing ? qsTr("Pause") : qsTr("Play")
                        color: qomxStyle.colors["whiteText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 11
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: parent.playing ? row.entry.pauseMedia() : row.entry.playMedia()
                    }
                }
                Text {
                    textFormat: Text.PlainText
                    anchors.verticalCenter: parent.verticalCenter
                    text: row.voiceMail && row.entry ? qsTr("%1 / %2").arg(qmlHelper.formatHistoryEntryDurationinMsecs(row.entry.position))
                                                         .arg(qmlHelper.formatHistoryEntryDurationinMsecs(row.entry.mediaDuration)) : ""
                    color: qomxStyle.colors["listSecondLineText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 10
                }
            }

            // The entry's card shows when the pointer rests on the row, not while it passes.
            Timer {
                id: hoverTimer
                interval: 200
                onTriggered: if (row.entry) rootWindow.showContactMouseOver(row.entry)
            }

            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onEntered: hoverTimer.restart()
                onExited: {
                    hoverTimer.stop()
                    rootWindow.hideContactMouseOver()
                }
                onPressed: {
                    hoverTimer.stop()
                    rootWindow.hideContactMouseOver()
                    list.forceActiveFocus()
                    if (mouse.button === Qt.RightButton && model.selected)
                        return
                    timelineSelectionHandler.select(index, mouse.modifiers)
                }
                onClicked: {
                    if (mouse.button === Qt.RightButton)
                        menuHandler.showPopupMenu(true, timelineSelectionHandler.selectionHasAnyMissedEntries())
                }
                onDoubleClicked: {
                    if (row.voiceMail) {
                        row.expanded = !row.expanded
                        if (row.expanded)
                            row.entry.playMedia()
                    } else {
                        actionsProvider.triggerAction(row.entry.type === 0 ? 4 : 3)
                    }
                }
            }
            Rectangle {
                anchors { left: parent.left; leftMargin: 32; right: parent.right; bottom: parent.bottom }
                height: 1
                color: qomxStyle.colors["contactListDivider"]
            }
        }
    }
}
