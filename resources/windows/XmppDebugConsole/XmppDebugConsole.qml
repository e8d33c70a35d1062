import QtQuick 2.15
import Torvex 1.0
import ".."
import "../../controls"

// The XMPP traffic of the session, one row per record; a stanza typed below can be injected
// as sent or received, and a script played. The window ("rootWindow") hands in the records
// with trafficUpdate.
Window {
    id: root

    objectName: "xmppDebugConsole"
    width: 800
    height: 600
    focus: true

    signal sendData(string data)
    signal receiveData(string data)
    signal scriptedData()

    readonly property var filters: [
        { box: privateStorageBox, patterns: "private-storage", text: qsTr("Dropped private-storage stanza.") },
        { box: vcardBox, patterns: "vcard-temp", text: qsTr("Dropped vcard stanza.") },
        { box: discoBox, patterns: "disco#info,disco#items", text: qsTr("Dropped disco#info & disco#items stanzas.") },
        { box: pubsubBox, patterns: "jabber.org/protocol/pubsub", text: qsTr("Dropped pubsub stanza.") }
    ]

    function isStanza(type) {
        return type === QXmppLogger.ReceivedMessage || type === QXmppLogger.SentMessage
    }

    function matches(text, patterns) {
        var lower = text.toLowerCase()
        var pieces = patterns.split(",")
        for (var i = 0; i < pieces.length; ++i) {
            if (pieces[i].length > 0 && lower.indexOf(pieces[i].toLowerCase()) >= 0)
                return true
        }
        return false
    }

    function prefix(type) {
        switch (type) {
        case QXmppLogger.DebugMessage: return "DEBUG: "
        case QXmppLogger.InformationMessage:
        case QXmppLogger.AnyMessage: return "INFO: "
        case QXmppLogger.WarningMessage: return "WARNING: "
        case QXmppLogger.ReceivedMessage: return "RECEIVED: "
        case QXmppLogger.SentMessage: return "SENT: "
        default: return "ERROR NOT FOUND: "
        }
    }

    function addRecord(type, text) {
        if (isStanza(type)) {
            for (var i = 0; i < filters.length; ++i) {
                if (filters[i].box.checked && matches(text, filters[i].patterns)) {
                    type = QXmppLogger.InformationMessage
                    text = filters[i].text
                    break
                }
            }
        }
        var shown = prefix(type) + " " + (isStanza(type) ? qmlHelper.formatXmlToTree(text) : text)
        traffic.append({ "type": type, "raw": text, "shown": shown })
        trafficList.positionViewAtEnd()
    }

    Connections {
        target: rootWindow
        function onTrafficUpdate(message_type, text) { root.addRecord(message_type, text) }
    }

    Keys.onPressed: {
        if (!(event.modifiers & Qt.ControlModifier) || !(event.modifiers & Qt.ShiftModifier))
            return
        if (event.key === Qt.Key_C) {
            traffic.clear()
        } else if (event.key === Qt.Key_T) {
            trafficList.currentIndex = 0
            trafficList.positionViewAtBeginning()
        } else if (event.key === Qt.Key_B) {
            trafficList.currentIndex = trafficList.count - 1
            trafficList.positionViewAtEnd()
        } else if (event.key === Qt.Key_W) {
            rootWindow.close()
        } else {
            return
        }
        event.accepted = true
    }

    ListModel { id: traffic }

    Text {
        id: title
        anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; topMargin: 10 }
        text: qsTr("Debug Console")
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pointSize: 16
        font.bold: true
    }

    Rectangle {
        id: trafficFrame
        anchors { left: parent.left; right: parent.right; top: title.bottom; margins: 10 }
        height: 400
        color: qomxStyle.colors["whiteBackground"]
        border.width: 1
        border.color: qomxStyle.colors["blackText"]

        ListView {
            id: trafficList
            objectName: "trafficList"
            anchors { fill: parent; margins: 1; rightMargin: 12 }
            clip: true
            model: traffic
            currentIndex: -1
            boundsBehavior: Flickable.StopAtBounds
            delegate: Rectangle {
                id: record
                readonly property bool selected: ListView.isCurrentItem
                width: ListView.view.width
                height: recordText.implicitHeight + 4
                color: selected ? "blue" : qomxStyle.colors["whiteBackground"]

                Text {
                    id: recordText
                    anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 4 }
                    wrapMode: Text.WrapAnywhere
                    textFormat: Text.PlainText
                    text: model.shown
                    color: record.selected ? "white"
                                           : (model.type === QXmppLogger.ReceivedMessage ? "red"
                                              : (model.type === QXmppLogger.SentMessage ? "blue" : "black"))
                    font.family: "monospace"
                    font.pixelSize: 11
                }

                MouseArea {
                    anchors.fill: parent
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: {
                        if (mouse.button === Qt.RightButton)
                            input.text = model.raw
                        else
                            trafficList.currentIndex = index
                        root.forceActiveFocus()
                    }
                }
            }
        }

        // The scroll bar of the list.
        Rectangle {
            anchors { right: parent.right; rightMargin: 2; top: parent.top; bottom: parent.bottom; margins: 2 }
            width: 8
            radius: 4
            color: qomxStyle.colors["lightDivider"]
            visible: trafficList.contentHeight > trafficList.height
            Rectangle {
                width: parent.width
                radius: 4
                y: trafficList.visibleArea.yPosition * parent.height
                height: Math.max(16, trafficList.visibleArea.heightRatio * parent.height)
                color: qomxStyle.colors["mediumText"]
            }
        }
    }

    Rectangle {
        id: inputFrame
        anchors { left: parent.left; right: parent.right; top: trafficFrame.bottom; margins: 10 }
        height: 80
        radius: 3
        color: qomxStyle.colors["inputFieldBackground"]
        border.width: 1
        border.color: input.activeFocus ? qomxStyle.colors["loginHighlightText"] : qomxStyle.colors["loginDivider"]

        Flickable {
            id: inputFlick
            anchors { fill: parent; margins: 4 }
            clip: true
            contentWidth: width
            contentHeight: input.paintedHeight
            boundsBehavior: Flickable.StopAtBounds

            function ensureVisible(r) {
                if (contentY >= r.y)
                    contentY = r.y
                else if (contentY + height <= r.y + r.height)
                    contentY = r.y + r.height - height
            }

            TextEdit {
                id: input
                objectName: "stanzaInput"
                textFormat: TextEdit.PlainText
                width: inputFlick.width
                wrapMode: TextEdit.WrapAnywhere
                selectByMouse: true
                color: qomxStyle.colors["inputFieldText"]
                font.family: "monospace"
                font.pixelSize: 11
                onCursorRectangleChanged: inputFlick.ensureVisible(cursorRectangle)
            }
        }
    }

    Row {
        id: buttons
        anchors { left: parent.left; right: parent.right; top: inputFrame.bottom; margins: 10 }
        spacing: 10

        readonly property int buttonWidth: (width - 3 * spacing) / 4

        TextButton {
            objectName: "sendButton"
            width: buttons.buttonWidth
            text: qsTr("Send")
            onClicked: root.sendData(input.text)
        }
        TextButton {
            objectName: "receiveButton"
            width: buttons.buttonWidth
            text: qsTr("Receive")
            onClicked: root.receiveData(input.text)
        }
        TextButton {
            objectName: "runScriptButton"
            width: buttons.buttonWidth
            text: qsTr("Run script")
            onClicked: root.scriptedData()
        }
        TextButton {
            objectName: "closeButton"
            width: buttons.buttonWidth
            text: qsTr("Close")
            normalColor: qomxStyle.colors["listSecondLineText"]
            hoverColor: qomxStyle.colors["darkText"]
            onClicked: rootWindow.close()
        }
    }

    Flow {
        anchors { left: parent.left; right: parent.right; top: buttons.bottom; margins: 10 }
        spacing: 16

        Checkbox { id: vcardBox; objectName: "vcardFilter"; checked: true; text: qsTr("Don't show vcard stanzas") }
        Checkbox { id: privateStorageBox; objectName: "privateStorageFilter"; checked: true; text: qsTr("Don't show private storage stanzas") }
        Checkbox { id: discoBox; objectName: "discoFilter"; checked: true; text: qsTr("Don't show disco-info stanzas") }
        Checkbox { id: pubsubBox; objectName: "pubsubFilter"; checked: true; text: qsTr("Don't show pubsub stanzas") }
        Checkbox {
            objectName: "topMostBox"
            checked: true
            text: qsTr("Keep window top most")
            onToggled: rootWindow.setAlwaysOnTop(checked)
            Component.onCompleted: rootWindow.setAlwaysOnTop(checked)
        }
    }
}
