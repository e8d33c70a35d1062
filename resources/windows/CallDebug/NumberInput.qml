import QtQuick 2.15
import "../../controls"

// A number of the back-end: typed in and set with Return or the button.
Item {
    id: line

    property string label
    property string name
    property var value

    width: parent ? parent.width : 200
    height: 24

    function apply() {
        debugInfo[line.name] = field.text
        field.text = Qt.binding(function() { return line.value === undefined ? "" : String(line.value) })
    }

    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; right: field.left; rightMargin: 6; verticalCenter: parent.verticalCenter }
        elide: Text.ElideRight
        text: line.label
        color: qomxStyle.colors["listSecondLineText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
    }

    BackgroundTextInput {
        id: field
        objectName: "input_" + line.name
        anchors { right: setButton.left; rightMargin: 4; verticalCenter: parent.verticalCenter }
        width: 70
        height: 22
        framed: true
        text: line.value === undefined ? "" : String(line.value)
        onAccepted: line.apply()
    }

    TextButton {
        id: setButton
        anchors { right: parent.right; verticalCenter: parent.verticalCenter }
        width: 36
        height: 22
        fontPixelSize: 11
        text: qsTr("Set")
        onClicked: line.apply()
    }
}
