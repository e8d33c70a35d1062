import QtQuick 2.15
import "../../../controls"

// Picks whom a call goes to: a number or address typed in, taken with the first button.
Rectangle {
    id: panel

    property string title
    property string firstButtonText
    property string firstButtonTip
    property bool firstButtonShown: true
    property bool clearAfterAction: false
    property alias searchText: search.text
    property alias firstButton: firstButton

    signal firstButtonClicked(string number, int contactId)
    signal cancel()

    color: qomxStyle.colors["whiteBackground"]

    function run() {
        var number = search.text.trim()
        if (number === "" || !firstButton.enabled)
            return
        // "Work: 123" and the like keep the number after the separator.
        var separator = ": "
        if (number.indexOf("sip:") < 0 && number.indexOf(separator) >= 0)
            number = number.substring(number.indexOf(separator) + separator.length)
        panel.firstButtonClicked(number, -1)
        if (panel.clearAfterAction)
            search.text = ""
    }

    Text {
        id: titleText
        objectName: "panelTitle"
        x: 10
        y: 8
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
        font.bold: true
        color: qomxStyle.colors["darkText"]
        text: panel.title
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
        onClicked: panel.cancel()
    }

    BackgroundTextInput {
        id: search
        objectName: "searchField"
        x: 10
        anchors.top: cancelButton.bottom
        anchors.topMargin: 8
        width: panel.width - firstButton.width - 40
        framed: true
        placeholderText: qsTr("Search and Dial") + rootView.languageChangeProperty
        focus: panel.visible
        onAccepted: panel.run()
    }

    TextButton {
        id: firstButton
        objectName: "firstButton"
        visible: panel.firstButtonShown
        anchors.verticalCenter: search.verticalCenter
        anchors.right: parent.right
        anchors.rightMargin: 10
        width: 120
        height: 28
        text: panel.firstButtonText
        enabled: search.text.trim() !== ""
        onClicked: panel.run()
    }
}
