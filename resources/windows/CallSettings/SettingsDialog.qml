import QtQuick 2.15
import ".."
import "../../controls"
import "../../components"

// The call-settings window: the account's telephony services as tabs on the left, the page
// of the chosen one on the right. The window ("dialog") builds the tabs ("menuHeaders") and
// publishes the controllers the account has: "ss_ctrl2", "bw_controller",
// "sim_ring_controller".
Window {
    id: root

    objectName: "callSettings"
    width: 625
    height: 450
    focus: true

    signal closeClicked()
    signal addLocation(string number)
    signal saveLocation(int index, bool unused)
    signal fetchLocationDetails(int index)
    signal saveLocations()
    // The pages push through the service objects; the window leaves these unconnected.
    signal saveCFUServiceData(bool active, string number)
    signal saveCFBServiceData(bool active, string number)
    signal saveCFNRcServiceData(bool active, string number)
    signal saveCFNRServiceData(bool active, string number)
    signal saveBWROServiceData(bool active, string number)
    signal saveDNDServiceData(bool active)
    signal saveCLIDBlockData(bool active)

    // Shaded until the window says the services are known.
    property bool blocked: true
    readonly property var stateNames: ["corvantiumAnywhere", "remoteOffice", "callForwarding", "doNotDisturb",
                                       "hideNumber", "simultaneousRingPersonal"]
    readonly property bool hasServices: typeof ss_ctrl2 !== "undefined"
    readonly property bool hasAnywhere: typeof bw_controller !== "undefined"
    readonly property bool hasSimultaneousRing: typeof sim_ring_controller !== "undefined"

    function changeTab(tab, tabIndex) {
        if (tab < 0 || tab >= stateNames.length)
            return
        menu.currentIndex = tabIndex
        state = stateNames[tab]
    }

    function nextTab() {
        if (menu.count === 0)
            return
        var next = (menu.currentIndex + 1) % menu.count
        var item = menu.itemAtIndex(next)
        if (item)
            changeTab(item.tabType, next)
    }

    function showErrorMessage(message) {
        console.log("Vyx server error: " + message)
        if (errorBox.visible)
            return
        errorBox.closesWindow = message === qsTranslate("Utils::StringHelper", "Authentication failed")
        errorBox.message = message
        errorBox.visible = true
        errorBox.focusSecondButton()
    }

    function activatePage() {
        var pages = { "remoteOffice": remoteOfficePage, "callForwarding": forwardingPage,
                      "doNotDisturb": doNotDisturbPage, "hideNumber": hideNumberPage,
                      "corvantiumAnywhere": anywhereLoader.item, "simultaneousRingPersonal": simultaneousRingLoader.item }
        var page = pages[state]
        if (page && page.pageActivated)
            page.pageActivated()
    }

    onStateChanged: activatePage()
    Keys.onEscapePressed: closeClicked()

    Connections {
        target: dialog
        function onUnblockUi() {
            root.blocked = false
            root.activatePage()
        }
        function onShowErrorMessage(message) { root.showErrorMessage(message) }
        function onChangeTab(tab, tabIndex) { root.changeTab(tab, tabIndex) }
        function onSwitchTab() { root.nextTab() }
    }

    // The strip at the top moves the window.
    Rectangle {
        id: titleStrip
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 30
        color: qomxStyle.colors["whiteBackground"]

        Text {
            anchors { left: parent.left; leftMargin: 16; verticalCenter: parent.verticalCenter }
            text: qsTr("Call Settings")
            color: qomxStyle.colors["mediumText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            font.bold: true
        }

        MouseArea {
            anchors.fill: parent
            property point pressedAt
            onPressed: pressedAt = Qt.point(mouse.x, mouse.y)
            onPositionChanged: rootWindow.moveBy(mouse.x - pressedAt.x, mouse.y - pressedAt.y)
        }

        Rectangle {
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            height: 1
            color: qomxStyle.colors["lightDivider"]
        }
    }

    Rectangle {
        id: tabPane
        anchors { left: parent.left; top: titleStrip.bottom; bottom: buttonBar.top }
        width: 200
        color: qomxStyle.colors["leftBarBackground"]

        ListView {
            id: menu
            objectName: "tabList"
            anchors { fill: parent; topMargin: 8 }
            interactive: false
            currentIndex: -1
            model: menuHeaders
            delegate: MenuItem {
                objectName: "tab_" + tabType
                readonly property int tabType: model.tabType !== undefined ? model.tabType : -1
                onClicked: root.changeTab(tabType, index)
                Component.onCompleted: {
                    if (root.state === "" && index === 0)
                        root.changeTab(tabType, 0)
                    else if (root.stateNames[tabType] === root.state)
                        menu.currentIndex = index
                }
            }
        }

        Rectangle {
            anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
            width: 1
            color: qomxStyle.colors["lightDivider"]
        }
    }

    Item {
        id: pages
        anchors { left: tabPane.right; right: parent.right; top: titleStrip.bottom; bottom: buttonBar.top
                  leftMargin: 24; rightMargin: 24; topMargin: 18; bottomMargin: 8 }

        Loader {
            id: anywhereLoader
            anchors.fill: parent
            visible: false
            active: root.hasAnywhere
            sourceComponent: Component {
                WorksAnywhere {
                    onAddLocation: root.addLocation(number)
                    onSaveLocation: root.saveLocation(index, unused)
                    onFetchLocationDetails: root.fetchLocationDetails(index)
                }
            }
        }
        RemoteOffice {
            id: remoteOfficePage
            anchors.fill: parent
            visible: false
        }
        Forwarding {
            id: forwardingPage
            anchors.fill: parent
            visible: false
        }
        ServicePageSimple {
            id: doNotDisturbPage
            anchors.fill: parent
            visible: false
            serviceName: "Do Not Disturb"
            title: qsTr("Do Not Disturb")
            description: qsTr("While it is on, callers hear that you cannot take calls and your phones stay silent.")
            checkText: qsTr("Enabled")
        }
        ServicePageSimple {
            id: hideNumberPage
            anchors.fill: parent
            visible: false
            serviceName: "Calling Line ID Delivery Blocking"
            title: qsTr("Hide Number")
            description: qsTr("The people you call do not see your number.")
            checkText: qsTr("Enable to hide number")
        }
        Loader {
            id: simultaneousRingLoader
            anchors.fill: parent
            visible: false
            active: root.hasSimultaneousRing
            sourceComponent: Component {
                SimultaneousRingService {
                    onSaveLocations: root.saveLocations()
                }
            }
        }
    }

    states: [
        State { name: "corvantiumAnywhere"; PropertyChanges { target: anywhereLoader; visible: true } },
        State { name: "remoteOffice"; PropertyChanges { target: remoteOfficePage; visible: true } },
        State { name: "callForwarding"; PropertyChanges { target: forwardingPage; visible: true } },
        State { name: "doNotDisturb"; PropertyChanges { target: doNotDisturbPage; visible: true } },
        State { name: "hideNumber"; PropertyChanges { target: hideNumberPage; visible: true } },
        State { name: "simultaneousRingPersonal"; PropertyChanges { target: simultaneousRingLoader; visible: true } }
    ]

    Rectangle {
        id: buttonBar
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 52
        color: qomxStyle.colors["whiteBackground"]

        Rectangle {
            anchors { left: parent.left; right: parent.right; top: parent.top }
            height: 1
            color: qomxStyle.colors["lightDivider"]
        }

        LinkText {
            objectName: "allServicesLink"
            anchors { left: parent.left; leftMargin: 16; verticalCenter: parent.verticalCenter }
            visible: root.hasServices
            font.pixelSize: 12
            text: qsTr("All Services...")
            onClicked: dialog.showAllServices()
        }

        TextButton {
            objectName: "closeButton"
            anchors { right: parent.right; rightMargin: 16; verticalCenter: parent.verticalCenter }
            width: 100
            height: 30
            text: qsTr("Close")
            onClicked: root.closeClicked()
        }
    }

    ShadowingActivity {
        objectName: "shade"
        active: root.blocked || errorBox.visible
    }

    Popup2Buttons {
        id: errorBox
        objectName: "errorBox"

        property bool closesWindow: false

        anchors.centerIn: parent
        title: qsTr("Server Error")
        firstButtonVisible: false
        secondButtonText: qsTr("OK")
        secondButtonColor: qomxStyle.colors["defaultButton"]
        secondButtonHoverColor: qomxStyle.colors["hoverButton"]
        onButtonClicked: {
            visible = false
            root.forceActiveFocus()
            if (closesWindow)
                root.closeClicked()
        }
    }
}
