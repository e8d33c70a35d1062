import QtQuick 2.15

// One presence state in the list on the left.
Rectangle {
    id: row
    objectName: "stateRow" + index

    readonly property bool selected: ListView.isCurrentItem
    // The model's presence state (an item's own "state" is its QML state name).
    readonly property int presenceState: model.state

    signal clicked()

    width: ListView.view ? ListView.view.width : 140
    height: 20
    color: selected ? qomxStyle.colors["lightActiveBackground"] : "transparent"

    Image {
        id: icon
        anchors { left: parent.left; leftMargin: 6; verticalCenter: parent.verticalCenter }
        width: 12
        height: 12
        source: qmlHelper.getIconForPresenceRules(row.presenceState)
    }

    Text {
        textFormat: Text.PlainText
        objectName: "stateName"
        anchors { left: icon.right; leftMargin: 6; right: parent.right; verticalCenter: parent.verticalCenter }
        elide: Text.ElideRight
        text: rootWindow.getPresenceStateAsString(row.presenceState) + rootWindow.languageChangeProperty
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
