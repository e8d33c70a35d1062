import QtQuick 2.15

// One call button of a conversation's row: a white icon on a round button, its tool tip the
// action's text, acting through the action of the conversation's window.
Rectangle {
    id: button

    property var action: null
    // The name of one of the main window's white icons.
    property string icon: ""
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

    Image {
        // Not kept in Qt's image cache: an icon that follows a state, or a row that
        // goes, left the old one there, and its expiry woke the idle program later.
        cache: false
        anchors.centerIn: parent
        width: 12
        height: 12
        sourceSize: Qt.size(12, 12)
        source: button.icon.length > 0 ? "qrc:/windows/MainWindow/Icons/" + button.icon + ".png" : ""
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        enabled: button.usable
        onClicked: button.activated()
    }
}
