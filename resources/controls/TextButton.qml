import QtQuick 2.0
import Marlowane 1.0

// A push button with a text; `clicked` fires only while it is enabled.
FocusScope {
    id: button

    property alias text: label.text
    property alias textOpacity: label.opacity
    property int fontPixelSize: 13
    property color normalColor: qomxStyle.colors["defaultButton"]
    property color hoverColor: qomxStyle.colors["hoverButton"]
    property color disabledColor: qomxStyle.colors["lightText"]
    // Shown while the pointer rests on the button; none when empty.
    property string toolTip: ""

    signal clicked()

    width: 120
    height: 30

    Rectangle {
        id: face
        anchors.fill: parent
        radius: 4
        color: !button.enabled ? button.disabledColor
                               : (mouse.containsMouse || button.activeFocus ? button.hoverColor : button.normalColor)
        Behavior on color { ColorAnimation { duration: 120 } }
    }

    Text {
        id: label
        textFormat: Text.PlainText
        anchors.centerIn: parent
        width: parent.width - 8
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        color: qomxStyle.colors["whiteText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: button.fontPixelSize
        font.bold: true
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        enabled: button.enabled
        cursorShape: Qt.PointingHandCursor
        onEntered: if (button.toolTip.length > 0) tip.showToolTip(button.toolTip)
        onExited: tip.hideToolTip()
        onClicked: {
            tip.hideToolTip()
            button.clicked()
        }
    }

    ToolTip { id: tip }

    Keys.onSpacePressed: if (button.enabled) button.clicked()
    Keys.onReturnPressed: if (button.enabled) button.clicked()
    Keys.onEnterPressed: if (button.enabled) button.clicked()
}
