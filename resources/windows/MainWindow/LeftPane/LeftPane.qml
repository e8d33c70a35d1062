import QtQuick 2.15
import "../Presence"

// The column on the left edge: the own presence on top, one view button per row of
// leftpaneButtonsSorted (the shown view marked, history with the count of what is new), and
// the call-settings button at the bottom. Right clicks open the buttons' menus.
Rectangle {
    id: pane

    // The state of the view area the buttons switch.
    property string currentView: "contactsView"
    signal viewChosen(string view, int type)
    signal showTooltip(string text, Item item)
    signal hideTooltip()

    readonly property var viewOfType: ["contactsView", "roomsView", "historyView", "dialpadView", "directoryView", "webButtonView"]
    readonly property var own: rootWindow.ownContact
    readonly property bool presenceUsable: rootWindow.xmppConnected || rootWindow.offlineMode
    readonly property bool projectRooms: rootWindow.configXml !== null && rootWindow.configXml.projectRoomsEnabled
    readonly property var toolbar: rootWindow.callSettingsToolbarHelper
    readonly property var buttons: rootWindow.leftpaneButtonsModel
    // The configured web button: its page shows in the web view, or a direct link opens
    // outside when it is not for this window or may not be shown here.
    readonly property var webHandler: rootWindow.webButtonHandler
    readonly property var webHelper: rootWindow.webButtonUiHelper
    readonly property bool webReady: webHandler !== null && webHelper !== null && webHandler.isReady
    readonly property bool webDirectExternal: webHandler !== null && webHelper !== null && webHandler.direct
                                              && (!webHandler.targetMain
                                                  || !webHelper.delegatesLocallyAllowed(webHandler.ConfigurationUrl()))

    // The configured default view in place of the web button, which cannot be it.
    function defaultButtonType() {
        var name = buttons.getConfDefaultButtonAsString()
        var type = name.length > 0 ? buttons.confNameToButtonType(name) : 0
        return type === 5 ? 0 : type
    }
    function fallBackFromWebButton() {
        var type = defaultButtonType()
        buttons.lastActiveView = type
        return viewOfType[type] || "contactsView"
    }
    // The view to show at start: the one shown last, unless that is a web button whose link
    // opens outside (it opens now) or that cannot be run.
    function startView() {
        var type = buttons.lastActiveView
        if (type !== 5)
            return viewOfType[type] || "contactsView"
        if (webReady && webDirectExternal)
            webHelper.openLink(webHandler.ConfigurationUrl(), webHandler.targetMain)
        if (!webReady || webDirectExternal)
            return fallBackFromWebButton()
        webHelper.openLink(webHandler.ConfigurationUrl(), true)
        return "webButtonView"
    }
    function webButtonTooltip() {
        if (webHandler === null)
            return ""
        return webHandler.error === 0 && webHandler.tooltip.length > 0 ? webHandler.tooltip
                                                                        : webHelper.getTooltip(webHandler.error)
    }

    // A web button that fails while it is the view shown gives way to the default view.
    Connections {
        target: pane.webHandler
        ignoreUnknownSignals: true
        function onErrorChanged() {
            if (pane.webHandler.error !== 0 && pane.buttons.lastActiveView === 5)
                pane.viewChosen(pane.fallBackFromWebButton(), pane.buttons.lastActiveView)
        }
    }

    // Guests waiting to enter the user's My Room.
    readonly property int pendingGuests: typeof guestHelper !== "undefined" && guestHelper !== null
                                         ? guestHelper.myroomPendingGuestsCount : 0

    function roomsToolTip() {
        if (pane.pendingGuests > 0)
            return pane.pendingGuests + (pane.pendingGuests === 1 ? qsTr(" Pending Request to Join")
                                                                  : qsTr(" Pending Requests to Join"))
        var text = pane.projectRooms ? qsTr("Rooms") : ""
        if (rootWindow.myRoomReady)
            text += "\n" + rootWindow.getMyRoomToolTip()
        return text.trim()
    }

    width: 33
    color: qomxStyle.colors["leftBarBackground"]

    Rectangle {
        anchors { top: parent.top; bottom: parent.bottom; right: parent.right }
        width: 1
        color: qomxStyle.colors["lightDivider"]
    }

    // The own presence: a click shows or hides the presence pane, a right click its menu.
    Item {
        id: ownPresence
        objectName: "ownPresenceFlag"
        anchors { top: parent.top; topMargin: 6; left: parent.left; right: parent.right; rightMargin: 1 }
        height: visible ? 24 : 0
        visible: pane.own !== null && pane.own.presence !== null
        PresenceDot {
            anchors.centerIn: parent
            width: 14
            height: 14
            presence: pane.own ? pane.own.presenceState : 0
        }
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            cursorShape: Qt.PointingHandCursor
            onEntered: pane.showTooltip(pane.presenceUsable ? qsTr("My Presence Info")
                                                            : qsTr("Presence disabled due to connectivity issues"), ownPresence)
            onExited: pane.hideTooltip()
            onClicked: {
                pane.hideTooltip()
                if (mouse.button === Qt.RightButton)
                    menuHandler.showOwnContactMenu(pane.presenceUsable)
                else
                    rootWindow.ownPresenceExpanded = !rootWindow.ownPresenceExpanded
            }
        }
    }

    Column {
        anchors { top: ownPresence.bottom; topMargin: 3; left: parent.left; right: parent.right; rightMargin: 1 }
        spacing: 3

        Repeater {
            model: rootWindow.leftpaneButtonsSorted

            delegate: Item {
                id: button

                readonly property int type: model.buttonType
                readonly property string view: pane.viewOfType[type] || "contactsView"
                readonly property bool active: pane.currentView === view
                readonly property bool usable: type === 5 ? pane.webReady
                                               : type !== 1 || (rootWindow.xmppConnected && (pane.projectRooms || rootWindow.myRoomReady))
                // The theme's picture of the button when it has one, else the drawn one.
                readonly property string image: model.display ? model.display + (active ? "_active.png" : "_normal.png") : ""
                readonly property bool hasImage: image.length > 0 && qmlHelper.checkResource(image)
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
                Image {
                    anchors.centerIn: parent
                    visible: button.hasImage
                    source: button.hasImage ? button.image : ""
                }
                ViewIcon {
                    anchors.centerIn: parent
                    visible: !button.hasImage
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
                        textFormat: Text.PlainText
                        anchors.centerIn: parent
                        text: button.badge > 9 ? "9+" : button.badge
                        color: qomxStyle.colors["whiteText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 9
                        font.bold: true
                    }
                }
                Rectangle {
                    objectName: "guestsBadge"
                    visible: button.type === 1 && pane.pendingGuests > 0 && !button.active
                    anchors { right: parent.right; rightMargin: 2; top: parent.top; topMargin: 3 }
                    width: Math.max(14, guestsText.implicitWidth + 6)
                    height: 14
                    radius: 7
                    color: qomxStyle.colors["infoBadgeActive"]
                    Text {
                        id: guestsText
                        textFormat: Text.PlainText
                        anchors.centerIn: parent
                        text: visible ? guestHelper.myroomPendingGuestsCountText : ""
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
                    onEntered: pane.showTooltip(button.type === 1 ? pane.roomsToolTip()
                                                : button.type === 5 ? pane.webButtonTooltip()
                                                                    : pane.buttons.getToolTip(button.type), button)
                    onExited: pane.hideTooltip()
                    onClicked: {
                        pane.hideTooltip()
                        // A right click opens the button's menu and leaves the view as it is.
                        if (mouse.button === Qt.RightButton) {
                            if (button.type === 0)
                                menuHandler.showContactsMenu()
                            else if (button.type === 2)
                                menuHandler.showHistoryMenu()
                            else if (button.type === 1 && button.usable)
                                menuHandler.showMyRoomMenu(true)
                            return
                        }
                        if (!button.usable)
                            return
                        if (button.type === 1 && !pane.projectRooms) {
                            rootWindow.startMyRoom()
                        } else if (button.type === 5) {
                            var url = pane.webHandler.ConfigurationUrl()
                            if (pane.webDirectExternal) {
                                pane.webHelper.openLink(url, pane.webHandler.targetMain)
                                return
                            }
                            pane.webHelper.openLink(url, true)
                            if (!pane.webHelper.isQomx(url))
                                pane.viewChosen(button.view, button.type)
                        } else {
                            pane.viewChosen(button.view, button.type)
                        }
                    }
                }
                // Without project rooms a contact dropped on the rooms button joins My Room.
                DropArea {
                    anchors.fill: parent
                    enabled: button.type === 1 && !pane.projectRooms && button.usable
                    keys: ["application/qomx.contact"]
                    onDropped: rootWindow.startMyRoom(drop.source.text)
                }
            }
        }
    }

    // The call-settings button: the quick switches of the service (Do Not Disturb,
    // forwarding ...); the dash tells that one of them diverts calls.
    Item {
        id: callSettings
        objectName: "callSettingsButton"
        anchors { bottom: parent.bottom; bottomMargin: 6; left: parent.left; right: parent.right; rightMargin: 1 }
        height: 32
        visible: pane.toolbar !== null && pane.toolbar.toolbarEnabled
        enabled: visible && !pane.toolbar.sessionOffline
        opacity: enabled ? 1 : 0.4
        readonly property bool diverting: pane.toolbar !== null
                                          && (pane.toolbar.callForwardAlwaysActive || pane.toolbar.doNotDisturbActive
                                              || pane.toolbar.remoteOfficeActive)

        Rectangle {
            anchors.fill: parent
            color: pane.toolbar !== null && pane.toolbar.callSettingsMenuVisible ? qomxStyle.colors["whiteBackground"]
                   : (settingsArea.containsMouse ? qomxStyle.colors["lightDivider"] : "transparent")
        }
        // A gear: a ring with four teeth.
        Item {
            anchors.centerIn: parent
            width: 18
            height: 18
            Repeater {
                model: 4
                Rectangle {
                    anchors.centerIn: parent
                    width: 4
                    height: 18
                    rotation: index * 45
                    color: qomxStyle.colors["darkText"]
                }
            }
            Rectangle {
                anchors.centerIn: parent
                width: 13; height: 13; radius: 6.5
                color: qomxStyle.colors["darkText"]
            }
            Rectangle {
                anchors.centerIn: parent
                width: 5; height: 5; radius: 2.5
                color: qomxStyle.colors["leftBarBackground"]
            }
        }
        Rectangle {
            objectName: "callSettingsBadge"
            visible: callSettings.diverting
            anchors { right: parent.right; rightMargin: 2; top: parent.top; topMargin: 1 }
            width: 12; height: 12; radius: 6
            color: qomxStyle.colors["errorText"]
            Text {
                anchors.centerIn: parent
                text: "-"
                color: qomxStyle.colors["whiteText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 10
                font.bold: true
            }
        }
        MouseArea {
            id: settingsArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onEntered: pane.showTooltip(pane.toolbar.getCallSettingsTooltip(), callSettings)
            onExited: pane.hideTooltip()
            onClicked: {
                pane.hideTooltip()
                pane.toolbar.showCallSettingsMenu()
            }
        }
    }
}
