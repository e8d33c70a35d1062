import QtQuick 2.15
import Torvex 1.0

// "Call As:": whose calls the user makes, the user's own or an executive's; the arrow opens
// the choice of executives.
Rectangle {
    id: selector

    readonly property var callContact: rootWindow.executiveCallContact
    readonly property bool forExecutive: callContact !== null && callContact !== rootWindow.ownContact

    color: qomxStyle.colors["lightBackground"]

    Row {
        anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
        spacing: 4
        Text {
            text: qsTr("Call As:")
            color: qomxStyle.colors["mediumText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        Text {
            objectName: "executiveCallName"
            textFormat: Text.PlainText
            text: selector.callContact ? selector.callContact.uiName : rootWindow.displayName
            color: selector.forExecutive ? qomxStyle.colors["errorText"] : qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.bold: true
        }
        Text {
            id: arrow
            objectName: "executiveMenuArrow"
            text: "\u25BE"
            color: qomxStyle.colors["darkText"]
            font.pixelSize: 11
            MouseArea {
                anchors.fill: parent
                anchors.margins: -4
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    if (!executiveMenu.menu)
                        executiveMenu.menu = rootWindow.callAsExecutiveMenu()
                    executiveMenu.setUseUiName(true)
                    executiveMenu.setModel(rootWindow.executivesModel)
                    var point = arrow.mapToItem(null, 0, arrow.height)
                    executiveMenu.showPopup(Qt.point(point.x, point.y))
                }
            }
        }
    }

    Menu {
        id: executiveMenu
    }
}
