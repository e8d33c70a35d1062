import QtQuick 2.15

// A level of the back-end from 0 to 100: a click on the bar sets it there.
Item {
    id: line

    property string label
    property string name
    property var value

    width: parent ? parent.width : 200
    height: 18

    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; right: bar.left; rightMargin: 6; verticalCenter: parent.verticalCenter }
        elide: Text.ElideRight
        text: line.label + " (" + (line.value === undefined ? "-" : line.value) + ")"
        color: qomxStyle.colors["listSecondLineText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
    }

    Rectangle {
        id: bar
        objectName: "level_" + line.name
        anchors { right: parent.right; verticalCenter: parent.verticalCenter }
        width: 100
        height: 10
        radius: 2
        color: qomxStyle.colors["lightDivider"]
        border.width: 1
        border.color: qomxStyle.colors["mediumDivider"]

        Rectangle {
            anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
            width: Math.max(0, Math.min(100, Number(line.value) || 0))
            radius: 2
            color: qomxStyle.colors["defaultButton"]
        }

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: debugInfo[line.name] = Math.round(Math.max(0, Math.min(100, mouse.x)))
        }
    }
}
