import QtQuick 2.15

// One presence state in the list on the left.
Rectangle {
    id: row

    readonly property bool selected: ListView.isCurrentItem

    signal clicked()

    width: ListView.view ? ListView.view.width : 140
    height: 20
    color: selected ? qomxStyle.colors["lightActiveBackground"] : "transparent"

    Image {
        id: icon
        anchors { left: parent.left; leftMargin: 6; verticalCenter: parent.verticalCenter }
        width: 12
        height: 12
        source: qmlHelper.getIconForPresenceRules(state)
    }

    Text {
        textFormat: Text.PlainText
        anchors { left: icon.right; leftMargin: 6; right: parent.right; verticalCenter: parent.verticalCenter }
        elide: Text.ElideRight
        text: rootWindow.getPresenceStateAsString(state)
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        font.bold: row.selected
    }

    MouseArea {
        anchors.fill: parent
        onClicked: row.clicked()
    }
}
