import QtQuick 2.15

// A label and the value of one property of the debug object.
Item {
    id: line

    property string label
    property var value

    width: parent ? parent.width : 200
    height: Math.max(labelText.height, valueText.height)

    Text {
        id: labelText
        textFormat: Text.PlainText
        width: parent.width * 0.6
        wrapMode: Text.WordWrap
        text: line.label
        color: qomxStyle.colors["listSecondLineText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
    }

    Text {
        id: valueText
        textFormat: Text.PlainText
        anchors { left: labelText.right; leftMargin: 6; right: parent.right }
        wrapMode: Text.WrapAnywhere
        text: line.value === undefined || line.value === null ? "-" : String(line.value)
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
    }
}
