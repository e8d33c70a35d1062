import QtQuick 2.0

// Shades the scene behind a pop-up and swallows the clicks meant for it.
Rectangle {
    id: shadowing

    property bool active: false

    anchors.fill: parent
    color: "#000000"
    opacity: active ? 0.35 : 0
    visible: opacity > 0

    Behavior on opacity { NumberAnimation { duration: 150 } }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
    }
}
