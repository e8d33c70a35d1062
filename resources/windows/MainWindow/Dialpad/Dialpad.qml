import QtQuick 2.15

// The dial pad: the number field, twelve keys (holding "0" gives "+", "*" a pause and "1"
// calls the voice mail) and the call buttons. Enter on an empty field brings back the last
// number dialled.
Item {
    id: pane

    readonly property bool inCall: rootWindow.activeCommsFilter.activeCallCommsSession !== null
    property alias text: field.text
    // A right click on the field asks for its menu (cut, copy, paste, select all).
    signal textMenuRequested(Item field)

    function insert(character) {
        field.remove(field.selectionStart, field.selectionEnd)
        field.insert(field.cursorPosition, character)
        field.forceActiveFocus()
    }
    function enter() {
        if (pane.inCall)
            return
        if (field.text.length === 0)
            field.text = rootWindow.lastDialedNumber
        else
            actionsProvider.triggerDefaultAction()
    }

    Connections {
        target: rootWindow
        function onDialpadText(text) {
            field.text = text
            field.cursorPosition = field.text.length
        }
    }

    Rectangle {
        id: input
        anchors { top: parent.top; left: parent.left; right: parent.right; margins: 12 }
        height: Math.floor(width / 4.5)
        radius: 4
        color: qomxStyle.colors["inputFieldBackground"]
        border.width: 1
        border.color: field.activeFocus ? qomxStyle.colors["loginHighlightText"] : qomxStyle.colors["loginDivider"]
        TextInput {
            id: field
            objectName: "dialpadField"
            anchors { fill: parent; leftMargin: 10; rightMargin: 10 }
            verticalAlignment: TextInput.AlignVCenter
            horizontalAlignment: TextInput.AlignHCenter
            clip: true
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: Math.max(14, parent.height / 2.2)
            validator: RegExpValidator { regExp: /[0-9*#+,pw ()\-.]*/ }
            selectByMouse: true
            persistentSelection: true
            onTextChanged: rootWindow.dialpadTextChanged(text)
            Keys.onReturnPressed: pane.enter()
            Keys.onEnterPressed: pane.enter()
            MouseArea {
                objectName: "dialpadFieldMenuArea"
                anchors.fill: parent
                acceptedButtons: Qt.RightButton
                onClicked: pane.textMenuRequested(field)
            }
        }
        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            visible: field.text.length === 0
            text: pane.inCall ? qsTr("Enter digits") : qsTr("Start new call")
            color: qomxStyle.colors["inputFieldPlaceholder"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 13
        }
    }

    Grid {
        id: keys
        anchors { top: input.bottom; topMargin: 12; horizontalCenter: parent.horizontalCenter }
        columns: 3
        spacing: 8
        readonly property int keySize: Math.min(56, (pane.width - 24 - 16) / 3, (pane.height - input.height - 110) / 4)

        Repeater {
            model: [["1", qsTr("Voice Mail")], ["2", "ABC"], ["3", "DEF"], ["4", "GHI"], ["5", "JKL"], ["6", "MNO"],
                    ["7", "PQRS"], ["8", "TUV"], ["9", "WXYZ"], ["*", ","], ["0", "+"], ["#", ""]]
            delegate: Rectangle {
                readonly property string key: modelData[0]
                objectName: "dialpadKey" + (key === "*" ? "Star" : (key === "#" ? "Hash" : key))
                width: Math.max(36, keys.keySize * 1.3)
                height: Math.max(30, keys.keySize)
                radius: 5
                color: keyArea.pressed ? qomxStyle.colors["dialpadActiveButtonBackground"]
                                       : (keyArea.containsMouse ? qomxStyle.colors["dialpadHoverButtonBackground"] : qomxStyle.colors["lightBackground"])
                Column {
                    anchors.centerIn: parent
                    Text {
                        textFormat: Text.PlainText
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: key
                        color: qomxStyle.colors["darkText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 18
                    }
                    Text {
                        textFormat: Text.PlainText
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: modelData[1]
                        visible: text.length > 0
                        color: qomxStyle.colors["mediumText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 8
                    }
                }
                MouseArea {
                    id: keyArea
                    anchors.fill: parent
                    hoverEnabled: true
                    property bool held: false
                    onPressed: held = false
                    onPressAndHold: {
                        held = true
                        if (key === "1") {
                            field.text = ""
                            rootWindow.checkVoiceMails()
                        } else if (key === "0") {
                            pane.insert("+")
                        } else if (key === "*") {
                            pane.insert(",")
                        } else {
                            pane.insert(key)
                        }
                    }
                    onClicked: if (!held) pane.insert(key)
                }
            }
        }
    }

    Row {
        id: callButtons
        anchors { top: keys.bottom; topMargin: 14; horizontalCenter: parent.horizontalCenter }
        spacing: 10
        Repeater {
            model: rootWindow.dialpadButtonsModel
            delegate: Rectangle {
                readonly property var action: model.action
                objectName: "dialpadCall" + action.id
                width: model.isDefaultAction ? 64 : 44
                height: 36
                radius: 18
                opacity: field.text.length > 0 ? 1 : 0.5
                color: callArea.containsMouse ? qomxStyle.colors["dialpadPrimaryHoverButton"] : qomxStyle.colors["dialpadPrimaryButton"]
                Image {
                    anchors.centerIn: parent
                    width: 18
                    height: 18
                    sourceSize: Qt.size(18, 18)
                    source: "qrc:/windows/MainWindow/Icons/" + (action.id === 6 ? "light_video.png"
                                                                : (action.id === 5 ? "light_phone.png" : "light_call.png"))
                }
                MouseArea {
                    id: callArea
                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: field.text.length > 0
                    onClicked: actionsProvider.triggerAction(action.id)
                }
            }
        }
    }
}
