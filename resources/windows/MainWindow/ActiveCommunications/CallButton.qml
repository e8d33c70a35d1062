import QtQuick 2.15

// One call button of a conversation's row: a symbol on a round button, its tool tip the
// action's text, acting through the action of the conversation's window.
Rectangle {
    id: button

    property var action: null
    property string symbol: ""
    property string toolTip: action ? action.text : ""
    property color baseColor: qomxStyle.colors["defaultButton"]
    readonly property bool usable: action !== null && action.enabled
    signal activated()

    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
    width: 22
    height: 22
    radius: 11
    opacity: usable ? 1 : 0.4
    color: area.containsMouse && usable ? Qt.lighter(baseColor, 1.2) : baseColor

    Text {
        textFormat: Text.PlainText
        anchors.centerIn: parent
        text: button.symbol
        color: "white"
        font.pixelSize: 11
        font.bold: true
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        enabled: button.usable
        onClicked: button.activated()
    }
}
