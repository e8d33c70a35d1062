import QtQuick 2.15
import Torvex 1.0

// The dial pad of a call: what was sent shows on the display line.
Rectangle {
    id: dialpad

    property QtObject session: rootWindow.session
    property QtObject call: session ? session.call : null
    readonly property var keys: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "*", "0", "#"]

    width: grid.width + 2 * border.width + 8
    height: display.height + grid.height + 2 * border.width + 12
    color: qomxStyle.colors["whiteBackground"]
    border.width: 4
    border.color: qomxStyle.colors["lightDivider"]

    function inCall() {
        return call !== null && call.callState !== Call.NotInACall
    }

    function sendDTMF(value) {
        if (!inCall())
            return
        var code = value === "*" ? 10 : value === "#" ? 11 : parseInt(value)
        if (isNaN(code) || code < 0 || code > 11)
            return
        display.text += code === 10 ? "*" : code === 11 ? "#" : String(code)
        call.sendDTMF(code)
    }

    function appendClipboardText() {
        if (!inCall())
            return
        var text = clipboard.getDialpadText()
        if (text === "")
            return
        display.text += text
        call.appendDTMFSequence(text)
    }

    QmlClipboardAdapter { id: clipboard }

    Rectangle {
        id: displayBox
        x: dialpad.border.width + 4
        y: dialpad.border.width + 4
        width: grid.width
        height: 35
        color: qomxStyle.colors["lightBackground"]

        Text {
            id: display
            objectName: "dialpadDisplay"
            textFormat: Text.PlainText
            anchors.fill: parent
            anchors.margins: 6
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideLeft
            font.family: qomxStyle.fontFamily
            font.pixelSize: 18
            color: qomxStyle.colors["darkText"]
        }
    }

    Grid {
        id: grid
        x: displayBox.x
        anchors.top: displayBox.bottom
        anchors.topMargin: 4
        columns: 3
        spacing: 2

        Repeater {
            model: dialpad.keys

            Rectangle {
                objectName: "dialpadKey_" + (modelData === "*" ? "star" : modelData === "#" ? "hash" : modelData)
                width: 52
                height: 35
                color: keyMouse.pressed ? qomxStyle.colors["dialpadActiveButtonBackground"]
                     : keyMouse.containsMouse ? qomxStyle.colors["dialpadHoverButtonBackground"]
                     : qomxStyle.colors["whiteBackground"]

                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: modelData
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 18
                    color: qomxStyle.colors["darkText"]
                }

                MouseArea {
                    id: keyMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton
                    onClicked: dialpad.sendDTMF(modelData)
                    onDoubleClicked: dialpad.sendDTMF(modelData)
                    onPressAndHold: dialpad.sendDTMF(modelData)
                }
            }
        }
    }
}
