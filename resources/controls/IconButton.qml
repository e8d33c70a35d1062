import QtQuick 2.0

// A square button with a white icon of the theme (or a symbol); resting the pointer on it names what it does above it.
// `clicked` fires only while it is enabled.
FocusScope {
    id: button

    property string symbol: ""
    // The theme's white 16-pixel icon (drawn at 1x and 2x); it takes the symbol's place.
    property string iconSource: ""
    property string toolTip: ""
    property color normalColor: qomxStyle.colors["defaultButton"]
    property color hoverColor: qomxStyle.colors["hoverButton"]
    property color disabledColor: qomxStyle.colors["lightText"]
    readonly property bool toolTipShown: tip.visible

    signal clicked()

    width: 32
    height: 30

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: !button.enabled ? button.disabledColor
                               : (area.containsMouse || button.activeFocus ? button.hoverColor : button.normalColor)
        Behavior on color { ColorAnimation { duration: 120 } }
    }
    Image {
        objectName: "icon"
        anchors.centerIn: parent
        visible: button.iconSource.length > 0
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        source: button.iconSource
    }
    Text {
        textFormat: Text.PlainText
        anchors.centerIn: parent
        visible: button.iconSource.length === 0
        text: button.symbol
        color: qomxStyle.colors["whiteText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 16
        font.bold: true
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: if (button.enabled) button.clicked()
    }
    Keys.onSpacePressed: if (button.enabled) button.clicked()
    Keys.onReturnPressed: if (button.enabled) button.clicked()

    // The name, above the button and kept inside the window on the right.
    Rectangle {
        id: tip
        objectName: "toolTip"
        visible: area.containsMouse && button.toolTip.length > 0
        z: 100
        width: tipText.implicitWidth + 12
        height: tipText.implicitHeight + 8
        y: -height - 4
        x: Math.min(0, (button.parent ? button.parent.width - button.x : width) - width)
        radius: 3
        color: qomxStyle.colors["darkBackground"]
        Text {
            id: tipText
            textFormat: Text.PlainText
            anchors.centerIn: parent
            text: button.toolTip
            color: qomxStyle.colors["whiteText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
    }
}
