import QtQuick 2.15
import ".."
import "ErrorInfo"
import "LeftPane"
import "Presence"
import "ActiveCommunications"
import "Contacts"
import "History"
import "Rooms"
import "Dialpad"
import "BottomBar"
import "Executives"
import "WebButton"

// The signed-in window: warning banner, own presence, the conversations going on, the search
// field, one view at a time (contacts, rooms, history, dial pad, directory, web button) chosen
// in the left pane, and the communication buttons and volume below.
Window {
    id: root

    // Waiting voice messages; the window's onMessages sets it.
    property int voiceMailMessagesCount: 0
    // The text field whose menu (cut, copy, paste, select all) is open.
    property Item textMenuField: null

    function openTextFieldMenu(field, withActions) {
        root.textMenuField = field
        menuHandler.textfieldActionsHandler.selectedText = field.selectedText
        if (withActions)
            menuHandler.openSearchFieldMenu()
        else
            menuHandler.openTextFieldMenu()
    }

    function clearSearchField() {
        searchField.text = ""
    }
    function windowResized() {
        tooltip.visible = false
    }
    function showTooltip(text, item) {
        if (!text)
            return
        tooltipText.text = text
        var point = item.mapToItem(root, item.width + 4, 0)
        if (point.x + tooltip.width + 2 > root.width) {
            // No room beside it (the bottom bar's right end): above it, inside the window.
            var top = item.mapToItem(root, 0, 0)
            tooltip.x = Math.max(2, Math.min(top.x + (item.width - tooltip.width) / 2, root.width - tooltip.width - 2))
            tooltip.y = top.y - tooltip.height - 4
        } else {
            tooltip.x = point.x
            tooltip.y = point.y + (item.height - tooltip.height) / 2
        }
        tooltip.visible = true
    }

    width: 320
    height: 600
    color: qomxStyle.colors["whiteBackground"]

    ErrorInfo {
        id: banner
        objectName: "errorInfo"
        anchors { top: parent.top; left: parent.left; right: parent.right }
        Behavior on height { NumberAnimation { duration: 300 } }
    }

    // The text-field menu's entries act on the field that opened it.
    Connections {
        target: menuHandler ? menuHandler.textfieldActionsHandler : null
        ignoreUnknownSignals: true
        function onCut() { if (root.textMenuField) root.textMenuField.cut() }
        function onCopy() { if (root.textMenuField) root.textMenuField.copy() }
        function onPaste() { if (root.textMenuField) root.textMenuField.paste() }
        function onSelectAll() { if (root.textMenuField) root.textMenuField.selectAll() }
    }

    LeftPane {
        id: leftPane
        objectName: "leftPane"
        anchors { top: banner.bottom; topMargin: banner.height > 0 ? 2 : 0; left: parent.left; bottom: bottomBar.top }
        currentView: views.state
        onViewChosen: {
            // History is never where the next sign-in starts.
            if (type !== 2)
                rootWindow.leftpaneButtonsModel.lastActiveView = type
            views.state = view
        }
        onShowTooltip: root.showTooltip(text, item)
        onHideTooltip: tooltip.visible = false
    }

    Item {
        id: main
        anchors { top: banner.bottom; left: leftPane.right; right: parent.right; bottom: bottomBar.top }

        OwnPresence {
            id: ownPresence
            objectName: "ownPresence"
            voiceMailMessagesCount: root.voiceMailMessagesCount
            anchors { top: parent.top; left: parent.left; right: parent.right }
        }

        ActiveCommunications {
            id: activeComms
            objectName: "activeCommunications"
            anchors { top: ownPresence.bottom; left: parent.left; right: parent.right }
            maximumHeight: main.height * 0.75
            onDropped: rootWindow.clearSearchField()
        }

        // The search field: filters the contacts and the rooms, and a number typed here is
        // called with Enter.
        Rectangle {
            id: searchBar
            anchors { top: activeComms.bottom; left: parent.left; right: parent.right }
            height: views.state === "dialpadView" || views.state === "historyView" || views.state === "webButtonView" ? 0 : 36
            visible: height > 0
            color: qomxStyle.colors["whiteBackground"]

            Rectangle {
                anchors { fill: parent; leftMargin: 8; rightMargin: 8; topMargin: 6; bottomMargin: 6 }
                radius: 12
                color: qomxStyle.colors["lightBackground"]
                border.width: 1
                border.color: searchField.activeFocus ? qomxStyle.colors["loginHighlightText"] : qomxStyle.colors["lightDivider"]

                Item {
                    id: magnifier
                    anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
                    width: 12; height: 12
                    Rectangle { width: 9; height: 9; radius: 4.5; color: "transparent"; border.width: 1.5; border.color: qomxStyle.colors["mediumText"] }
                    Rectangle { x: 7; y: 8; width: 5; height: 2; rotation: 45; color: qomxStyle.colors["mediumText"] }
                }
                TextInput {
                    id: searchField
                    objectName: "searchField"
                    anchors { left: magnifier.right; leftMargin: 6; right: clearButton.left; rightMargin: 4; verticalCenter: parent.verticalCenter }
                    clip: true
                    maximumLength: 50
                    selectByMouse: true
                    // The selection outlives the menu that acts on it.
                    persistentSelection: true
                    color: qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                    onTextChanged: rootWindow.searchTextChanged(text)
                    onSelectedTextChanged: if (activeFocus) menuHandler.textfieldActionsHandler.selectedText = selectedText
                    onActiveFocusChanged: {
                        if (activeFocus) {
                            selectionHandler.clearSelection()
                            activeSelectionHandler.clearSelection()
                        }
                    }
                    Keys.onPressed: {
                        if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && views.state !== "roomsView") {
                            rootWindow.triggerDefaultAction(text, true)
                            event.accepted = true
                        } else if (event.key === Qt.Key_Down || event.key === Qt.Key_Tab) {
                            rootWindow.moveSelection(false)
                            event.accepted = true
                        } else if (event.key === Qt.Key_Up || event.key === Qt.Key_Backtab) {
                            rootWindow.moveSelection(true)
                            event.accepted = true
                        }
                    }
                    MouseArea {
                        objectName: "searchFieldMenuArea"
                        anchors.fill: parent
                        acceptedButtons: Qt.RightButton
                        onClicked: root.openTextFieldMenu(searchField, true)
                    }
                    Text {
                        textFormat: Text.PlainText
                        objectName: "searchPlaceholder"
                        anchors.verticalCenter: parent.verticalCenter
                        visible: searchField.text.length === 0
                        text: views.state === "roomsView" ? qsTr("Search Rooms") : qsTr("Search and Dial")
                        color: qomxStyle.colors["inputFieldPlaceholder"]
                        font: searchField.font
                    }
                }
                Image {
                    id: clearButton
                    objectName: "clearSearchButton"
                    anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
                    visible: searchField.text.length > 0
                    width: 12
                    height: 12
                    sourceSize { width: 12; height: 12 }
                    source: "qrc:/windows/close_mark.png"
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -4
                        onClicked: searchField.text = ""
                    }
                }
            }
        }

        // The view area: its state names the view shown.
        Item {
            id: views
            objectName: "activeView"
            anchors { top: searchBar.bottom; left: parent.left; right: parent.right; bottom: executives.top }
            // The view shown last, restored once at start.
            Component.onCompleted: state = leftPane.startView()

            states: [
                State { name: "contactsView" },
                State { name: "roomsView" },
                State { name: "historyView" },
                State { name: "directoryView" },
                State { name: "dialpadView" },
                State { name: "webButtonView" }
            ]
            onStateChanged: {
                console.log("State changed: " + state)
                if (state === "historyView" && rootWindow.timelinefilterflag === 1)
                    rootWindow.fetchCallLogs()
                if (state === "roomsView" && chatRoomsFilter)
                    chatRoomsFilter.clearAndFetchRooms()
            }

            ContactList {
                objectName: "contactsPane"
                anchors.fill: parent
                visible: views.state === "contactsView" || views.state === "directoryView"
                onShowTooltip: root.showTooltip(text, item)
                onHideTooltip: tooltip.visible = false
            }
            Loader {
                objectName: "roomsPane"
                anchors.fill: parent
                active: chatRoomsFilter !== null
                visible: views.state === "roomsView"
                sourceComponent: Rooms {}
            }
            History {
                objectName: "historyPane"
                anchors.fill: parent
                visible: views.state === "historyView"
                voiceMailMessagesCount: root.voiceMailMessagesCount
                onShowTooltip: root.showTooltip(text, item)
                onHideTooltip: tooltip.visible = false
            }
            Loader {
                objectName: "webButtonPane"
                anchors.fill: parent
                active: views.state === "webButtonView" && rootWindow.webButtonUiHelper !== null
                visible: active
                sourceComponent: WebButton {}
            }
            Dialpad {
                objectName: "dialpadPane"
                anchors.fill: parent
                visible: views.state === "dialpadView"
                onTextMenuRequested: root.openTextFieldMenu(field, false)
            }
        }

        // "Call As:" the executive the user calls for, where the account has several.
        ExecutiveSelector {
            id: executives
            objectName: "executiveSelector"
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            height: visible ? 20 : 0
            visible: rootWindow.executivesModel !== null && rootWindow.executivesModel.rowCount() > 1
                     && (views.state === "contactsView" || views.state === "dialpadView")
        }
    }

    BottomBar {
        id: bottomBar
        objectName: "bottomBar"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        showActions: views.state !== "dialpadView"
        onShowTooltip: root.showTooltip(text, item)
        onHideTooltip: tooltip.visible = false
    }

    // The one tool tip of the window.
    Rectangle {
        id: tooltip
        objectName: "toolTip"
        visible: false
        z: 100
        width: tooltipText.implicitWidth + 12
        height: tooltipText.implicitHeight + 8
        radius: 3
        color: qomxStyle.colors["darkBackground"]
        Text {
            id: tooltipText
            objectName: "toolTipText"
            textFormat: Text.PlainText
            anchors.centerIn: parent
            color: qomxStyle.colors["whiteText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
    }
}
