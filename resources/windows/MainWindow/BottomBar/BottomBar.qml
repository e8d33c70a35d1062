import QtQuick 2.15
import "../../../components"

// The communication buttons for what is selected or typed (chat, call, video call), the
// volume, and the add and options menus.
Rectangle {
    id: bar

    property bool showActions: true
    signal showTooltip(string text, Item item)
    signal hideTooltip()

    height: 35
    color: qomxStyle.colors["bottomBarBackground"]

    // The same icons as the conversation window's footer.
    function iconOf(id) {
        var base = "qrc:/windows/CommunicationsWindow/"
        switch (id) {
        case 3: return base + "footer_chat"
        case 4: return base + "footer_call"
        case 5: return base + "footer_phone"
        case 6: return base + "footer_video"
        }
        return ""
    }
    function nameOf(id) {
        switch (id) {
        case 3: return qsTr("Chat")
        case 4: return qsTr("Call")
        case 5: return qsTr("Call from Phone")
        case 6: return qsTr("Video Call")
        }
        return ""
    }

    Row {
        id: actions
        anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
        spacing: 6
        visible: bar.showActions
        Repeater {
            model: rootWindow.communicationActions
            delegate: Rectangle {
                readonly property var action: model.action
                readonly property bool usable: rootWindow.hasActionTarget && action.enabled
                objectName: "actionButton" + action.id
                visible: bar.iconOf(action.id).length > 0
                width: 30
                height: 26
                radius: 4
                opacity: usable ? 1 : 0.4
                color: buttonArea.containsMouse && usable ? qomxStyle.colors["bottomBarHoverButtonBackground"] : "transparent"
                border.width: buttonArea.containsMouse && usable ? 1 : 0
                border.color: qomxStyle.colors["mediumDivider"]
                Image {
                    anchors.centerIn: parent
                    width: 16
                    height: 16
                    sourceSize { width: 16; height: 16 }
                    source: bar.iconOf(action.id)
                }
                MouseArea {
                    id: buttonArea
                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: parent.usable
                    onClicked: actionsProvider.triggerAction(action.id)
                }
            }
        }
    }

    // The loudspeaker's volume of calls and voice mails.
    VolumeSlider {
        id: volume
        objectName: "mainVolume"
        anchors { left: bar.showActions ? actions.right : parent.left; leftMargin: 6; verticalCenter: parent.verticalCenter }
        helper: typeof mediaVolumeHelper !== "undefined" ? mediaVolumeHelper : null
        barWidth: 36
    }

    // The team's lines are watched: their window opens beside this one.
    Text {
        objectName: "teamTelephony"
        anchors { left: volume.visible ? volume.right : actions.right; leftMargin: 6; right: add.left; rightMargin: 6; verticalCenter: parent.verticalCenter }
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideRight
        visible: rootWindow.teamTelephonyShown
        text: qsTr("Team Telephony")
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
        font.bold: true
    }

    readonly property bool addMenuShown: menuHandler !== null && menuHandler.addMenuVisible
    readonly property bool optionsMenuShown: menuHandler !== null && menuHandler.optionsMenuVisible

    // Adding contacts, groups and rooms.
    Rectangle {
        id: add
        objectName: "addButton"
        readonly property string toolTip: qsTr("Add Contact, Group or Room")
        anchors { right: options.left; rightMargin: 6; verticalCenter: parent.verticalCenter }
        width: 26
        height: 24
        radius: 4
        color: bar.addMenuShown || addArea.containsMouse ? qomxStyle.colors["whiteBackground"] : "transparent"
        border.width: bar.addMenuShown || addArea.containsMouse ? 1 : 0
        border.color: qomxStyle.colors["mediumDivider"]
        Image {
            objectName: "addIcon"
            anchors.centerIn: parent
            width: 16
            height: 16
            sourceSize { width: 16; height: 16 }
            source: "qrc:/windows/MainWindow/BottomBar/bar_add.png"
        }
        MouseArea {
            id: addArea
            anchors.fill: parent
            hoverEnabled: true
            onEntered: bar.showTooltip(add.toolTip, add)
            onExited: bar.hideTooltip()
            onClicked: {
                bar.hideTooltip()
                menuHandler.showAddMenu()
            }
        }
    }

    Rectangle {
        id: options
        objectName: "optionsButton"
        anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
        width: optionsText.implicitWidth + 16
        height: 24
        radius: 4
        color: bar.optionsMenuShown || optionsArea.containsMouse ? qomxStyle.colors["whiteBackground"] : "transparent"
        Text {
            id: optionsText
            anchors.centerIn: parent
            text: qsTr("Options")
            color: bar.optionsMenuShown ? qomxStyle.colors["highlightText"] : qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
        }
        MouseArea {
            id: optionsArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: menuHandler.showOptionsMenu()
        }
    }
}
