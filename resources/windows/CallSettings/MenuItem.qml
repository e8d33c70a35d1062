import QtQuick 2.15

// One tab in the list on the left of the call-settings window.
Rectangle {
    id: item

    property bool selected: ListView.isCurrentItem

    signal clicked()

    width: ListView.view ? ListView.view.width : 200
    height: 38
    color: selected ? qomxStyle.colors["lightActiveBackground"]
                    : (mouse.containsMouse ? qomxStyle.colors["lightDivider"] : "transparent")

    Rectangle {
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        width: 3
        visible: item.selected
        color: qomxStyle.colors["activeIndicator"]
    }

    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; leftMargin: 16; rightMargin: 8; verticalCenter: parent.verticalCenter }
        elide: Text.ElideRight
        text: tabTitle !== undefined ? tabTitle : ""
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
        font.weight: Font.Normal
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: item.clicked()
    }
}
