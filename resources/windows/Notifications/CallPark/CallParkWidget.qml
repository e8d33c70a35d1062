import QtQuick 2.15
import "../../../controls"

// Parks the call on the user's own extension or on one typed in.
Rectangle {
    id: park

    property QtObject session: rootWindow.session
    property bool ownExtension: true

    color: qomxStyle.colors["whiteBackground"]

    function parkNow() {
        if (!session)
            return
        session.parkCall(park.ownExtension ? "" : extension.text.trim())
        rootWindow.notificationswidget.callParkVisible = false
    }

    Text {
        id: titleText
        objectName: "parkTitle"
        x: 10
        y: 8
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
        font.bold: true
        color: qomxStyle.colors["darkText"]
        text: qsTr("Park Call") + rootView.languageChangeProperty
    }

    TextButton {
        id: cancelButton
        objectName: "cancelButton"
        anchors.verticalCenter: titleText.verticalCenter
        anchors.right: parent.right
        anchors.rightMargin: 10
        width: 80
        height: 24
        fontPixelSize: 12
        normalColor: qomxStyle.colors["listSecondLineText"]
        hoverColor: qomxStyle.colors["darkText"]
        text: qsTr("Cancel") + rootView.languageChangeProperty
        onClicked: rootWindow.notificationswidget.callParkVisible = false
    }

    Column {
        x: 10
        anchors.top: cancelButton.bottom
        anchors.topMargin: 6
        spacing: 4

        Repeater {
            model: [true, false]

            Row {
                spacing: 6
                height: 26

                Rectangle {
                    objectName: modelData ? "ownExtensionChoice" : "otherExtensionChoice"
                    anchors.verticalCenter: parent.verticalCenter
                    width: 14
                    height: 14
                    radius: 7
                    border.width: 1
                    border.color: qomxStyle.colors["mediumDivider"]
                    color: park.ownExtension === modelData ? qomxStyle.colors["activeBackground"]
                                                           : qomxStyle.colors["whiteBackground"]

                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -4
                        onClicked: park.ownExtension = modelData
                    }
                }

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: modelData
                    text: qsTr("Use my extension") + rootView.languageChangeProperty
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                    color: qomxStyle.colors["darkText"]
                }

                BackgroundTextInput {
                    id: extensionField
                    objectName: "extensionField"
                    visible: !modelData
                    width: 180
                    framed: true
                    placeholderText: qsTr("Enter extension to park") + rootView.languageChangeProperty
                    onTextChanged: { extension.text = text; if (text !== "") park.ownExtension = false }
                    onAccepted: park.parkNow()
                }
            }
        }
    }

    QtObject {
        id: extension
        property string text: ""
    }

    TextButton {
        objectName: "parkButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 10
        width: 100
        height: 28
        text: qsTr("Park") + rootView.languageChangeProperty
        enabled: park.ownExtension || extension.text.trim() !== ""
        onClicked: park.parkNow()
    }
}
