import QtQuick 2.15

// The column of view buttons on the left edge: one per row of leftpaneButtonsSorted, the
// shown view marked, history with the count of what is new.
Rectangle {
    id: pane

    // The state of the view area the buttons switch.
    property string currentView: "contactsView"
    signal viewChosen(string view, int type)
    signal showTooltip(string text, Item item)
    signal hideTooltip()

    readonly property var viewOfType: ["contactsView", "roomsView", "historyView", "dialpadView", "directoryView", "webButtonView"]

    width: 33
    color: qomxStyle.colors["leftBarBackground"]

    Rectangle {
        anchors { top: parent.top; bottom: parent.bottom; right: parent.right }
        width: 1
        color: qomxStyle.colors["lightDivider"]
    }

    Column {
        anchors { top: parent.top; topMargin: 6; left: parent.left; right: parent.right; rightMargin: 1 }
        spacing: 3

        Repeater {
            model: rootWindow.leftpaneButtonsSorted

            delegate: Item {
                id: button

                readonly property int type: model.buttonType
                readonly property string view: pane.viewOfType[type] || "contactsView"
                readonly property bool active: pane.currentView === view
                readonly property bool usable: type !== 1 || rootWindow.xmppConnected
                readonly property int badge: type === 2 ? badgeHandler.badgeCount : 0

                objectName: view + "Button"
                width: parent.width
                height: 36
                opacity: usable ? 1 : 0.4

                Rectangle {
                    anchors.fill: parent
                    color: button.active ? qomxStyle.colors["whiteBackground"]
                                         : (area.containsMouse ? qomxStyle.colors["lightDivider"] : "transparent")
                }
                Rectangle {
                    anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
                    width: 3
                    visible: button.active
                    color: qomxStyle.colors["activeBackground"]
                }
                ViewIcon {
                    anchors.centerIn: parent
                    kind: button.type
                    color: button.active ? qomxStyle.colors["highlightText"] : qomxStyle.colors["darkText"]
                }
                Rectangle {
                    objectName: "historyBadge"
                    visible: button.badge > 0
                    anchors { right: parent.right; rightMargin: 2; top: parent.top; topMargin: 3 }
                    width: Math.max(14, badgeText.implicitWidth + 6)
                    height: 14
                    radius: 7
                    color: qomxStyle.colors["infoBadgeActive"]
                    Text {
                        id: badgeText
                        anchors.centerIn: parent
                        text: button.badge > 9 ? "9+" : button.badge
                        color: qomxStyle.colors["whiteText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 9
                        font.bold: true
                    }
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    cursorShape: Qt.PointingHandCursor
                    onEntered: pane.showTooltip(rootWindow.leftpaneButtonsModel.getToolTip(button.type), button)
                    onExited: pane.hideTooltip()
                    onClicked: {
                        if (mouse.button !== Qt.LeftButton || !button.usable)
                            return
                        if (button.type === 1 && !rootWindow.myRoomReady && !rootWindow.xmppConnected)
                            return
                        pane.viewChosen(button.view, button.type)
                    }
                }
            }
        }
    }
}
