import QtQuick 2.15
import Marlowane 1.0

// A button of the window's footer: an icon (or a symbol), a label when there is room, a tool
// tip, and a pressed look while what it stands for is on.
Rectangle {
    id: button

    property string symbol: ""
    // The theme's 16-pixel icon (drawn at 1x and 2x); it takes the symbol's place.
    property string iconSource: ""
    property string label: ""
    property string toolTip: label
    property bool checked: false
    property bool showLabel: true
    property color symbolColor: qomxStyle.colors["darkText"]
    // Three rows of keys instead of a symbol, for the dial pad.
    property bool keypadIcon: false
    // Tighter, for a narrow footer.
    property bool narrow: false

    signal clicked()

    width: Math.max(narrow ? 24 : 30, row.implicitWidth + (narrow ? 8 : 14))
    height: 26
    radius: 4
    opacity: enabled ? 1 : 0.4
    color: checked ? qomxStyle.colors["whiteBackground"]
                   : (area.containsMouse && enabled ? qomxStyle.colors["bottomBarHoverButtonBackground"] : "transparent")
    border.width: checked || (area.containsMouse && enabled) ? 1 : 0
    border.color: qomxStyle.colors["mediumDivider"]

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 5
        Grid {
            anchors.verticalCenter: parent.verticalCenter
            visible: button.keypadIcon
            columns: 3
            spacing: 2
            Repeater {
                model: 9
                Rectangle {
                    width: 3
                    height: 3
                    color: button.checked ? qomxStyle.colors["highlightText"] : button.symbolColor
                }
            }
        }
        Image {
            objectName: "icon"
            anchors.verticalCenter: parent.verticalCenter
            visible: button.iconSource.length > 0
            width: 16
            height: 16
            sourceSize: Qt.size(16, 16)
            source: button.iconSource
        }
        Text {
            textFormat: Text.PlainText
            anchors.verticalCenter: parent.verticalCenter
            visible: button.symbol.length > 0 && button.iconSource.length === 0
            text: button.symbol
            color: button.checked ? qomxStyle.colors["highlightText"] : button.symbolColor
            font.pixelSize: 15
        }
        Text {
            textFormat: Text.PlainText
            anchors.verticalCenter: parent.verticalCenter
            visible: button.showLabel && button.label.length > 0
            text: button.label
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
        }
    }

    ToolTip { id: tip }

    MouseArea {
        id: area
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
}
