import QtQuick 2.15

// The picture of a view button, drawn from plain shapes in the style's colours so that it
// stays sharp at any scale: contacts (0), rooms (1), history (2), dial pad (3),
// directory (4) and the web page (5).
Item {
    id: icon

    property int kind: 0
    property color color: qomxStyle.colors["darkText"]

    width: 20
    height: 20

    // Contacts: a head and shoulders.
    Item {
        anchors.fill: parent
        visible: icon.kind === 0
        Rectangle { x: 6; y: 2; width: 8; height: 8; radius: 4; color: icon.color }
        Rectangle { x: 2; y: 11; width: 16; height: 8; radius: 4; color: icon.color }
    }
    // Rooms: two speech bubbles.
    Item {
        anchors.fill: parent
        visible: icon.kind === 1
        Rectangle { x: 1; y: 2; width: 13; height: 10; radius: 3; color: icon.color }
        Rectangle { x: 3; y: 9; width: 5; height: 5; rotation: 45; color: icon.color }
        Rectangle { x: 7; y: 8; width: 12; height: 9; radius: 3; color: icon.color; border.width: 1.5; border.color: qomxStyle.colors["leftBarBackground"] }
    }
    // History: a clock.
    Item {
        anchors.fill: parent
        visible: icon.kind === 2
        Rectangle { anchors.centerIn: parent; width: 18; height: 18; radius: 9; color: "transparent"; border.width: 2; border.color: icon.color }
        Rectangle { x: 9; y: 4; width: 2; height: 7; color: icon.color }
        Rectangle { x: 9; y: 9; width: 6; height: 2; color: icon.color }
    }
    // Dial pad: three rows of keys.
    Grid {
        anchors.centerIn: parent
        visible: icon.kind === 3
        columns: 3
        spacing: 2
        Repeater {
            model: 9
            Rectangle { width: 4; height: 4; radius: 2; color: icon.color }
        }
    }
    // Directory: a magnifier over the list.
    Item {
        anchors.fill: parent
        visible: icon.kind === 4
        Rectangle { x: 2; y: 2; width: 12; height: 12; radius: 6; color: "transparent"; border.width: 2; border.color: icon.color }
        Rectangle { x: 12; y: 12; width: 8; height: 3; radius: 1; rotation: 45; color: icon.color }
    }
    // Web page: a globe.
    Item {
        anchors.fill: parent
        visible: icon.kind === 5
        Rectangle { anchors.centerIn: parent; width: 18; height: 18; radius: 9; color: "transparent"; border.width: 2; border.color: icon.color }
        Rectangle { anchors.centerIn: parent; width: 8; height: 18; radius: 4; color: "transparent"; border.width: 1.5; border.color: icon.color }
        Rectangle { anchors.centerIn: parent; width: 18; height: 1.5; color: icon.color }
    }
}
