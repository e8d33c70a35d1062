import QtQuick 2.15

// A bordered, titled group of lines.
Rectangle {
    id: section

    property alias title: heading.text
    default property alias lines: body.data

    height: heading.height + body.height + 20
    color: qomxStyle.colors["whiteBackground"]
    border.width: 1
    border.color: qomxStyle.colors["mediumDivider"]
    radius: 3

    Text {
        id: heading
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 8 }
        wrapMode: Text.WordWrap
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        font.bold: true
    }

    Column {
        id: body
        anchors { left: parent.left; right: parent.right; top: heading.bottom; margins: 8 }
        spacing: 3
    }
}
