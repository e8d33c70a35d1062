import QtQuick 2.15
import "../../controls"

// Simultaneous ring: up to ten other numbers that ring together with the user's phone.
Item {
    id: page

    signal saveLocations()

    property string status: ""

    function pageActivated() {
        status = ""
        enabledBox.checked = sim_ring_controller.simRingMainActive
        doNotRingBox.checked = sim_ring_controller.doNotRingActive
    }

    Connections {
        target: sim_ring_controller
        function onSimRingMainActiveChanged() { enabledBox.checked = sim_ring_controller.simRingMainActive }
        function onDoNotRingActiveChanged() { doNotRingBox.checked = sim_ring_controller.doNotRingActive }
        function onLocationsSaved() { page.status = qsTr("Saved") }
        function onOperationFailed() { page.status = "" }
    }

    Flickable {
        id: flick
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: footer.top; bottomMargin: 8 }
        clip: true
        contentWidth: width
        contentHeight: content.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: content
            width: flick.width
            spacing: 8

            PageHeader {
                title: qsTr("Simultaneous Ring Personal")
                description: qsTr("Ring up to 10 other phone numbers or SIP URIs together with your own phone; the first to answer takes the call.")
            }

            Checkbox {
                id: enabledBox
                objectName: "simRingEnabled"
                text: qsTr("Enabled")
                onToggled: sim_ring_controller.simRingMainActive = checked
            }

            Row {
                spacing: 6

                Checkbox {
                    id: doNotRingBox
                    anchors.top: parent.top
                    onToggled: sim_ring_controller.doNotRingActive = checked
                }

                Text {
                    width: content.width - doNotRingBox.width - 6
                    wrapMode: Text.WordWrap
                    text: qsTr("Do not ring my simultaneously ringing numbers if I'm already on a call.")
                    color: qomxStyle.colors["loginDarkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12

                    MouseArea {
                        anchors.fill: parent
                        onClicked: doNotRingBox.toggle()
                    }
                }
            }

            Item {
                width: parent.width
                height: 18
                Text {
                    text: qsTr("Answer confirmation required")
                    color: qomxStyle.colors["mediumText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 11
                    font.bold: true
                }
                Text {
                    x: 190
                    text: qsTr("Phone Number / SIP-URI")
                    color: qomxStyle.colors["mediumText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 11
                    font.bold: true
                }
            }

            Repeater {
                model: sim_ring_controller.locations
                Item {
                    width: content.width
                    height: 26
                    Checkbox {
                        x: 70
                        anchors.verticalCenter: parent.verticalCenter
                        checked: modelData.active
                        onToggled: modelData.active = checked
                    }
                    BackgroundTextInput {
                        objectName: "ringNumber" + index
                        x: 190
                        width: parent.width - 200
                        height: 24
                        framed: true
                        text: modelData.phoneNumber
                        placeholderText: qsTr("Number or SIP URI")
                        onTextChanged: if (modelData.phoneNumber !== text) modelData.phoneNumber = text
                    }
                }
            }
        }
    }

    Item {
        id: footer
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 28

        Text {
            textFormat: Text.PlainText
            anchors { left: parent.left; verticalCenter: parent.verticalCenter }
            text: page.status
            color: qomxStyle.colors["replyButton"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
        }

        TextButton {
            objectName: "simRingOk"
            anchors { right: parent.right; verticalCenter: parent.verticalCenter }
            width: 80
            height: 26
            fontPixelSize: 12
            text: qsTr("OK")
            onClicked: {
                page.status = qsTr("Saving...")
                page.saveLocations()
            }
        }
    }
}
