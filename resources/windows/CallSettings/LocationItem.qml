import QtQuick 2.15
import "../../controls"

// One Anywhere location in the list: its number, whether it rings, and Edit.
Item {
    id: row

    property var location
    property int index: -1

    signal editClicked(int index)

    height: 24

    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; verticalCenter: parent.verticalCenter }
        width: 200
        elide: Text.ElideRight
        text: row.location ? (row.location.description.length > 0
                              ? row.location.phoneNumber + "  (" + row.location.description + ")"
                              : row.location.phoneNumber) : ""
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }

    Checkbox {
        id: activeBox
        objectName: "locationActive"
        x: 230
        anchors.verticalCenter: parent.verticalCenter
        checked: row.location ? row.location.active : false
        onToggled: if (row.location) row.location.active = checked
    }

    LinkText {
        objectName: "locationEdit"
        x: 310
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: 12
        text: qsTr("Edit")
        onClicked: row.editClicked(row.index)
    }
}
