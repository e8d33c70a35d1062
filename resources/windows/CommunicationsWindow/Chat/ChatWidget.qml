import QtQuick 2.15
import Torvex 1.0
import "../../../controls"

// The chat pane: the conversation's page, who is typing, the text field and Send.
// Return sends, Shift+Return starts a new line; the page is built by the chat page model.
Rectangle {
    id: pane
    width: 420
    height: 460
    color: qomxStyle.colors.whiteBackground

    readonly property var model: rootWindow.messageModel
    readonly property int maxLength: model ? model.maxMessageLength : 0

    function send() {
        var text = input.text
        if (text.trim().length === 0)
            return
        rootWindow.sendMessage(text)
        input.text = ""
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
        Text {
            objectName: "typingNotification"
            width: parent.width
            height: 16
            elide: Text.ElideRight
            textFormat: Text.PlainText
            color: qomxStyle.colors.darkText
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.italic: true
            text: pane.model ? pane.model.typingNotification : ""
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
        enabled: input.text.trim().length > 0
        onClicked: {
            pane.send()
            input.forceActiveFocus()
        }
    }
}
