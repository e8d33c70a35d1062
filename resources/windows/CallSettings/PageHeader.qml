import QtQuick 2.15

// The title of a call-settings page and the sentence that says what the service does.
Column {
    property alias title: titleText.text
    property alias description: descriptionText.text

    width: parent ? parent.width : 0
    spacing: 6

    Text {
        id: titleText
        textFormat: Text.PlainText
        width: parent.width
        elide: Text.ElideRight
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 17
        font.bold: true
    }

    Text {
        id: descriptionText
        textFormat: Text.PlainText
        width: parent.width
        visible: text.length > 0
        wrapMode: Text.WordWrap
        color: qomxStyle.colors["listSecondLineText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        lineHeight: 1.15
    }

    Rectangle {
        width: parent.width
        height: 1
        color: qomxStyle.colors["lightDivider"]
    }
}
