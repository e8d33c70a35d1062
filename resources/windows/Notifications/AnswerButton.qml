import QtQuick 2.15

// One button of the answer row: a text label, or the image of its base name.
Rectangle {
    id: button

    property string label
    property string tip
    property string imageBase
    property bool textLabel: false
    property color face: qomxStyle.colors["replyButton"]

    signal clicked()
    signal showTooltip(string text)
    signal hideTooltip()

    radius: 5
    color: face
    opacity: mouse.containsMouse ? 0.85 : 1

    Image {
        anchors.centerIn: parent
        visible: !button.textLabel && button.imageBase !== ""
        source: visible ? button.imageBase + ".png" : ""
    }

    Text {
        textFormat: Text.PlainText
        anchors.centerIn: parent
        visible: button.textLabel
        text: button.label
        color: qomxStyle.colors["whiteText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 14
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onEntered: button.showTooltip(button.tip)
        onExited: button.hideTooltip()
        onClicked: button.clicked()
    }
}
