import QtQuick 2.15
import "../../controls"
import "../../components"

// Corvantium Anywhere: the user's other phones that ring with the user's calls, each with
// how calls reach it there.
Item {
    id: page

    signal addLocation(string number)
    signal saveLocation(int index, bool unused)
    signal fetchLocationDetails(int index)

    property int detailsIndex: -1
    property bool waiting: false
    property var details: null

    function pageActivated() {
        page.showList()
    }

    function showList() {
        detailsIndex = -1
        details = null
        adding = false
    }

    property bool adding: false

    Connections {
        target: bw_controller
        function onDetailsReady() {
            page.waiting = false
            page.details = page.detailsIndex >= 0 ? bw_controller.locations[page.detailsIndex] : null
            if (page.details) {
                diversionBox.checked = page.details.useDiversionInhibitor
                confirmationBox.checked = page.details.answerConfirmationRequired
                callControlBox.checked = page.details.corvantiumCallControl
                criteriaBox.checked = page.details.criteriaActive
            }
        }
        function onOperationFailed() {
            page.waiting = false
        }
        function onLocationsChanged() {
            if (page.details && page.detailsIndex >= bw_controller.locations.length)
                page.showList()
            else if (page.details)
                page.details = bw_controller.locations[page.detailsIndex]
        }
        function onAlertAllChanged() {
            alertAllBox.checked = bw_controller.alertAll
        }
    }

    Flickable {
        id: flick
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: content.height + 8
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: content
            width: flick.width
            spacing: 10

            PageHeader {
                title: qsTr("Corvantium Anywhere")
                description: qsTr("Let your mobile or home phone ring with your calls, and move calls between your phones without hanging up.")
            }

            // The list of locations.
            Column {
                width: parent.width
                spacing: 8
                visible: page.details === null

                SectionTitle { text: qsTr("General") }

                Checkbox {
                    id: alertAllBox
                    objectName: "alertAllBox"
                    text: qsTr("Alert all enabled locations for Click-To-Dial")
                    Component.onCompleted: checked = bw_controller.alertAll
                    onToggled: bw_controller.alertAll = checked
                }

                SectionTitle { text: qsTr("Locations") }

                Item {
                    width: parent.width
                    height: 18
                    Repeater {
                        model: [ { x: 0, text: qsTr("Number") }, { x: 230, text: qsTr("Enabled") },
                                 { x: 310, text: qsTr("Configure") } ]
                        Text {
                            textFormat: Text.PlainText
                            x: modelData.x
                            text: modelData.text
                            color: qomxStyle.colors["mediumText"]
                            font.family: qomxStyle.fontFamily
                            font.pixelSize: 11
                            font.bold: true
                        }
                    }
                }

                Repeater {
                    model: bw_controller.locations
                    LocationItem {
                        width: content.width
                        location: modelData
                        index: model.index
                        onEditClicked: {
                            page.detailsIndex = index
                            page.waiting = true
                            page.details = null
                            page.fetchLocationDetails(index)
                        }
                    }
                }

                Text {
                    visible: bw_controller.locations.length === 0
                    text: qsTr("No locations yet")
                    color: qomxStyle.colors["mediumText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                }

                LinkText {
                    objectName: "addLocationLink"
                    visible: !page.adding
                    font.pixelSize: 12
                    text: qsTr("Add New Location")
                    onClicked: {
                        page.adding = true
                        newNumber.text = ""
                        newNumber.forceActiveFocus()
                    }
                }

                Row {
                    spacing: 10
                    visible: page.adding

                    BackgroundTextInput {
                        id: newNumber
                        objectName: "newLocationNumber"
                        width: 200
                        height: 26
                        framed: true
                        placeholderText: qsTr("Phone number")
                        onAccepted: addButton.clicked()
                    }

                    TextButton {
                        id: addButton
                        objectName: "addLocationButton"
                        width: 80
                        height: 26
                        fontPixelSize: 12
                        text: qsTr("Save")
                        enabled: newNumber.text.trim().length > 0
                        onClicked: {
                            page.addLocation(newNumber.text.trim())
                            page.adding = false
                        }
                    }

                    TextButton {
                        width: 80
                        height: 26
                        fontPixelSize: 12
                        text: qsTr("Cancel")
                        normalColor: qomxStyle.colors["listSecondLineText"]
                        hoverColor: qomxStyle.colors["darkText"]
                        onClicked: page.adding = false
                    }
                }
            }

            // One location's details.
            Column {
                width: parent.width
                spacing: 8
                visible: page.details !== null

                Text {
                    textFormat: Text.PlainText
                    text: qsTr("Location:") + " " + (page.details ? page.details.phoneNumber : "")
                    color: qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 13
                    font.bold: true
                }

                Checkbox { id: diversionBox; text: qsTr("Diversion Inhibitor") }
                Checkbox { id: confirmationBox; objectName: "answerConfirmationBox"; text: qsTr("Answer Confirmation") }
                Checkbox { id: callControlBox; text: qsTr("Call Control") }
                Checkbox { id: criteriaBox; visible: false; text: qsTr("Criteria Active") }

                Row {
                    spacing: 10
                    TextButton {
                        objectName: "saveLocationButton"
                        width: 80
                        height: 26
                        fontPixelSize: 12
                        text: qsTr("Save")
                        onClicked: {
                            page.details.useDiversionInhibitor = diversionBox.checked
                            page.details.answerConfirmationRequired = confirmationBox.checked
                            page.details.corvantiumCallControl = callControlBox.checked
                            page.details.criteriaActive = criteriaBox.checked
                            page.saveLocation(page.detailsIndex, false)
                            page.showList()
                        }
                    }
                    TextButton {
                        width: 120
                        height: 26
                        fontPixelSize: 12
                        text: qsTr("Delete Location")
                        normalColor: qomxStyle.colors["declineButton"]
                        hoverColor: qomxStyle.colors["errorText"]
                        onClicked: deleteQuestion.visible = true
                    }
                    TextButton {
                        width: 80
                        height: 26
                        fontPixelSize: 12
                        text: qsTr("Back")
                        normalColor: qomxStyle.colors["listSecondLineText"]
                        hoverColor: qomxStyle.colors["darkText"]
                        onClicked: page.showList()
                    }
                }
            }
        }
    }

    ShadowingActivity {
        active: page.waiting || deleteQuestion.visible
    }

    Popup2Buttons {
        id: deleteQuestion
        anchors.centerIn: parent
        title: qsTr("Deleting Location")
        message: qsTr("You are about to delete a location.\nAre you sure you want to continue?")
        firstButtonText: qsTr("Yes")
        secondButtonText: qsTr("No")
        onButtonClicked: {
            visible = false
            if (button === 0) {
                bw_controller.removeLocation(page.detailsIndex)
                page.showList()
            }
        }
    }
}
