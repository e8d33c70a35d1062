import QtQuick 2.0
import "../controls"

// A small in-scene message box with a title, a message and two buttons; `buttonClicked`
// gives 0 for the first button and 1 for the second.
Rectangle {
    id: popup

    property alias title: titleText.text
    property alias message: messageText.text
    property alias firstButtonText: firstButton.text
    property alias secondButtonText: secondButton.text
    // A box with one answer shows only the second button, in the colour of a first one.
    property alias firstButtonVisible: firstButton.visible
    property alias secondButtonColor: secondButton.normalColor
    property alias secondButtonHoverColor: secondButton.hoverColor

    signal buttonClicked(int button)

    // Return then answers with the second button.
    function focusSecondButton() {
        secondButton.forceActiveFocus()
    }

    width: 320
    height: 150
    radius: 4
    visible: false
    color: qomxStyle.colors["whiteBackground"]
    border.width: 1
    border.color: qomxStyle.colors["mediumDivider"]

    Rectangle {
        id: titleBar
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 1
        height: 28
        color: qomxStyle.colors["lightBackground"]

        Text {
            id: titleText
            textFormat: Text.PlainText
            anchors.verticalCenter: parent.verticalCenter
            anchors.left: parent.left
            anchors.leftMargin: 12
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            font.bold: true
        }
    }

    Text {
        id: messageText
        textFormat: Text.PlainText
        anchors.top: titleBar.bottom
        anchors.bottom: firstButton.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 12
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }

    TextButton {
        id: firstButton
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        anchors.right: secondButton.left
        anchors.rightMargin: 10
        width: 90
        height: 28
        onClicked: popup.buttonClicked(0)
    }

    TextButton {
        id: secondButton
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        anchors.right: parent.right
        anchors.rightMargin: 12
        width: 90
        height: 28
        focus: true
        normalColor: qomxStyle.colors["listSecondLineText"]
        hoverColor: qomxStyle.colors["darkText"]
        onClicked: popup.buttonClicked(1)
    }
}
