import QtQuick 2.0
import ".."
import "../../controls"
import "../../components"

Window {
    id: eula

    // The first "I Agree" only brings the end of the agreement into view.
    property bool scrolledToEnd: false
    readonly property bool confirming: confirmation.visible

    signal closeClicked()
    signal licenceAccepted()

    width: 625
    height: 450
    color: qomxStyle.colors["whiteBackground"]

    function agree() {
        if (!scrolledToEnd) {
            scrolledToEnd = true
            agreement.contentY = Math.max(0, agreement.contentHeight - agreement.height)
            return
        }
        licenceAccepted()
    }

    function cancel() {
        shadowing.active = true
        confirmation.visible = true
    }

    function answerConfirmation(button) {
        confirmation.visible = false
        shadowing.active = false
        if (button === 0)
            closeClicked()
    }

    Rectangle {
        id: textFrame
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: agreeButton.top
        anchors.margins: 14
        color: qomxStyle.colors["lightBackground"]
        border.width: 1
        border.color: qomxStyle.colors["mediumDivider"]

        Flickable {
            id: agreement
            objectName: "agreement"
            anchors.fill: parent
            anchors.margins: 10
            anchors.rightMargin: 16
            clip: true
            contentWidth: width
            contentHeight: agreementText.paintedHeight
            boundsBehavior: Flickable.StopAtBounds

            Text {
                id: agreementText
                width: agreement.width
                wrapMode: Text.WordWrap
                textFormat: Text.PlainText
                color: qomxStyle.colors["darkText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 12
                text: qsTr("EULA") + rootWindow.languageChangeProperty
            }
        }

        Rectangle {
            anchors.right: parent.right
            anchors.rightMargin: 4
            y: 4 + (parent.height - 8 - height) * (agreement.contentHeight > agreement.height
                   ? agreement.contentY / (agreement.contentHeight - agreement.height) : 0)
            width: 6
            height: Math.max(24, (parent.height - 8) * Math.min(1, agreement.height / Math.max(1, agreement.contentHeight)))
            radius: 3
            visible: agreement.contentHeight > agreement.height
            color: qomxStyle.colors["lightText"]
        }
    }

    TextButton {
        id: agreeButton
        objectName: "agreeButton"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 14
        anchors.right: cancelButton.left
        anchors.rightMargin: 10
        width: 113
        height: 37
        focus: true
        text: qsTr("I Agree") + rootWindow.languageChangeProperty
        onClicked: eula.agree()
    }

    TextButton {
        id: cancelButton
        objectName: "cancelButton"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 14
        anchors.right: parent.right
        anchors.rightMargin: 14
        width: 113
        height: 37
        normalColor: qomxStyle.colors["listSecondLineText"]
        hoverColor: qomxStyle.colors["darkText"]
        text: qsTr("Cancel") + rootWindow.languageChangeProperty
        onClicked: eula.cancel()
    }

    ShadowingActivity {
        id: shadowing
    }

    Popup2Buttons {
        id: confirmation
        anchors.centerIn: parent
        title: qsTr("Corfirmation") + rootWindow.languageChangeProperty
        message: qsTr("Are you sure you want to quit %1 Setup?").arg(rootWindow.productName)
                 + rootWindow.languageChangeProperty
        firstButtonText: qsTr("Yes") + rootWindow.languageChangeProperty
        secondButtonText: qsTr("No") + rootWindow.languageChangeProperty
        onButtonClicked: eula.answerConfirmation(button)
    }
}
