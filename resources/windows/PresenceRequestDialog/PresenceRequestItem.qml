import QtQuick 2.9
import "../../controls"

// One request: the requester's name and IM address, and the answers.
Item {
    id: item

    property var contact: null
    property int rowIndex: 0

    readonly property string address: contact ? contact.address : ""
    readonly property string name: contact && contact.displayName.length > 0 ? contact.displayName : address

    objectName: "request" + rowIndex

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        height: 1
        color: qomxStyle.colors["lightDivider"]
    }

    Column {
        anchors.left: parent.left
        anchors.leftMargin: 10
        anchors.right: buttons.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2

        Text {
            objectName: "requestName"
            textFormat: Text.PlainText
            width: parent.width
            elide: Text.ElideRight
            text: item.name
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            font.bold: true
        }
        Text {
            objectName: "requestAddress"
            textFormat: Text.PlainText
            width: parent.width
            elide: Text.ElideRight
            text: item.address
            color: qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
    }

    Row {
        id: buttons
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        TextButton {
            objectName: "acceptButton" + item.rowIndex
            width: 80
            height: 26
            fontPixelSize: 12
            text: qsTr("Accept") + rootWindow.languageChangeProperty
            onClicked: rootWindow.add(item.contact)
        }
        TextButton {
            objectName: "declineButton" + item.rowIndex
            width: 80
            height: 26
            fontPixelSize: 12
            normalColor: qomxStyle.colors["declineButton"]
            text: qsTr("Decline") + rootWindow.languageChangeProperty
            onClicked: rootWindow.decline(item.contact)
        }
    }
}
