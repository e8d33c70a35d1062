import QtQuick 2.0

// The root of every window scene: it fills the window, carries the window's background
// colour and keeps the keyboard focus inside the scene.
FocusScope {
    id: window

    property alias color: background.color

    width: 100
    height: 100

    Rectangle {
        id: background
        anchors.fill: parent
        color: qomxStyle.colors["whiteBackground"]
    }
}
