import QtQuick 2.15
import Torvex 1.0
import ".."
import "../../../controls"

// The chat pane: the conversation's page, notices, who is typing, the emoticons and Send
// File, the text field and Send. Return sends, Shift+Return starts a new line; the page is
// built by the chat page model.
Rectangle {
    id: pane
    width: 420
    height: 460
    color: qomxStyle.colors.whiteBackground

    readonly property var model: rootWindow.messageModel
    readonly property int maxLength: model ? model.maxMessageLength : 0
    // The engine's action that sends a file in the conversation (its enabled state follows
    // whether one may be sent now).
    readonly property var sendFileAction: rootWindow.actionsProvider ? rootWindow.actionsProvider.getActionAsVariant(10) : null

    // The user asks for the settings (the offline notice's link): the window opens them.
    signal preferenceActivated()

    function send() {
        var text = input.text
        if (text.length === 0)
            return
        rootWindow.sendMessage(text)
        input.text = ""
    }
    // An emoticon's code goes in where the caret is, with a blank before it where a word ends.
    function insertSmiley(code) {
        var at = input.cursorPosition
        var before = input.text.substring(0, at)
        var piece = (before.length > 0 && !/\s$/.test(before) ? " " : "") + code + " "
        input.insert(at, piece)
        input.cursorPosition = at + piece.length
        input.forceActiveFocus()
    }

    Row {
        id: history
        anchors { left: parent.left; top: parent.top; leftMargin: 10; topMargin: 6 }
        height: 18
        spacing: 10
        Repeater {
            // The engine's message ages: yesterday, last week, last month, all.
            model: [ { age: 1, label: qsTr("Yesterday") }, { age: 2, label: qsTr("Last Week") },
                     { age: 3, label: qsTr("Last Month") }, { age: 4, label: qsTr("All History") } ]
            delegate: Text {
                objectName: "history" + modelData.age
                color: ageArea.containsMouse ? qomxStyle.colors.hoverButton : qomxStyle.colors.defaultButton
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
                font.underline: ageArea.containsMouse
                text: modelData.label
                MouseArea {
                    id: ageArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: rootWindow.showHistory(modelData.age)
                }
            }
        }
    }

    Rectangle {
        id: pageFrame
        anchors { left: parent.left; right: parent.right; top: history.bottom; bottom: status.top; topMargin: 4 }
        color: qomxStyle.colors.whiteBackground
        border.color: qomxStyle.colors.lightDivider

        WebView2 {
            id: page
            objectName: "chatView"
            anchors { fill: parent; margins: 1 }
            pressGrabTime: 0
            onWheel: page.evaluateJavaScript("window.scrollBy(0, " + (-delta) + ")")
        }
    }

    Column {
        id: status
        anchors { left: parent.left; right: parent.right; bottom: inputFrame.top; margins: 8 }
        spacing: 2
        // Without the chat service nothing reaches the other side: said, with the way to the
        // connection's settings.
        Text {
            objectName: "offlineNotice"
            visible: !rootWindow.xmppConnected
            width: parent.width
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            elide: Text.ElideRight
            textFormat: Text.PlainText
            color: qomxStyle.colors.declineButton
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            text: qsTr("You are offline: messages cannot be sent until the chat service is reached again.")
                  + rootView.languageChangeProperty
        }
        Text {
            objectName: "offlineSettingsLink"
            visible: !rootWindow.xmppConnected
            textFormat: Text.PlainText
            color: settingsArea.containsMouse ? qomxStyle.colors.hoverButton : qomxStyle.colors.defaultButton
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.underline: true
            text: qsTr("Connection settings") + rootView.languageChangeProperty
            MouseArea {
                id: settingsArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: pane.preferenceActivated()
            }
        }
        // The last error of the conversation's desktop share.
        Text {
            objectName: "shareError"
            visible: text.length > 0
            width: parent.width
            wrapMode: Text.WordWrap
            maximumLineCount: 3
            elide: Text.ElideRight
            textFormat: Text.PlainText
            color: qomxStyle.colors.declineButton
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            text: rootWindow.zynError
        }
        Item {
            width: parent.width
            height: 26
            Row {
                id: tools
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                spacing: 4
                SmileySelector {
                    id: smileySelector
                    objectName: "smileySelector"
                    area: pane
                    onChosen: pane.insertSmiley(code)
                }
                FooterButton {
                    objectName: "sendFileButton"
                    visible: pane.sendFileAction !== null && pane.sendFileAction !== undefined && pane.sendFileAction.enabled
                    iconSource: "qrc:/windows/CommunicationsWindow/footer_sendfile"
                    label: qsTr("Send File") + rootView.languageChangeProperty
                    showLabel: pane.width >= 300
                    onClicked: rootWindow.openFileSelectDialog()
                }
            }
            Text {
                objectName: "typingNotification"
                anchors { left: tools.right; leftMargin: tools.width > 0 ? 8 : 0; right: parent.right; verticalCenter: parent.verticalCenter }
                elide: Text.ElideRight
                textFormat: Text.PlainText
                color: qomxStyle.colors.darkText
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
                font.italic: true
                text: pane.model ? pane.model.typingNotification : ""
            }
        }
    }

    Rectangle {
        id: inputFrame
        anchors { left: parent.left; right: sendButton.left; bottom: parent.bottom; margins: 8 }
        height: 56
        radius: 3
        color: qomxStyle.colors.inputFieldBackground
        border.color: input.activeFocus ? qomxStyle.colors.loginHighlightText : qomxStyle.colors.loginDivider

        Flickable {
            id: inputFlick
            anchors { fill: parent; margins: 5 }
            clip: true
            contentHeight: input.paintedHeight
            boundsBehavior: Flickable.StopAtBounds

            TextEdit {
                id: input
                objectName: "messageInput"
                width: inputFlick.width
                focus: true
                wrapMode: TextEdit.Wrap
                textFormat: TextEdit.PlainText
                selectByMouse: true
                // The selection outlives the menu that acts on it.
                persistentSelection: true
                color: qomxStyle.colors.darkText
                font.family: qomxStyle.fontFamily
                font.pixelSize: 13
                onTextChanged: {
                    if (pane.maxLength > 0 && text.length > pane.maxLength) {
                        text = text.substring(0, pane.maxLength)
                        cursorPosition = text.length
                    }
                    rootWindow.setTyping(text.length > 0)
                }
                onCursorRectangleChanged: {
                    if (cursorRectangle.y + cursorRectangle.height > inputFlick.contentY + inputFlick.height)
                        inputFlick.contentY = cursorRectangle.y + cursorRectangle.height - inputFlick.height
                    else if (cursorRectangle.y < inputFlick.contentY)
                        inputFlick.contentY = cursorRectangle.y
                }
                Keys.onPressed: {
                    if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                            && !(event.modifiers & Qt.ShiftModifier)) {
                        event.accepted = true
                        pane.send()
                    }
                }
            }
        }
        // A right click opens the field's menu: cut, copy, paste, select all.
        MouseArea {
            objectName: "messageInputMenuArea"
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            cursorShape: Qt.IBeamCursor
            onClicked: {
                rootWindow.textFieldActionsHandler.selectedText = input.selectedText
                rootWindow.openTextFieldMenu()
            }
        }
        Connections {
            target: rootWindow.textFieldActionsHandler
            function onCut() { input.cut() }
            function onCopy() { input.copy() }
            function onPaste() { input.paste() }
            function onSelectAll() { input.selectAll() }
        }
    }

    TextButton {
        id: sendButton
        objectName: "sendButton"
        anchors { right: parent.right; bottom: parent.bottom; margins: 8 }
        width: 70
        height: 56
        text: qsTr("Send")
        enabled: input.text.length > 0
        onClicked: {
            pane.send()
            input.forceActiveFocus()
        }
    }
}
