import QtQuick 2.0

// A check box with its label; a click on either toggles it.
FocusScope {
    id: checkbox

    property bool checked: false
    property alias text: label.text

    signal toggled(bool checked)

    width: box.width + 6 + label.implicitWidth
    height: 18
    opacity: enabled ? 1.0 : 0.45

    function toggle() {
        if (!enabled)
            return
        checked = !checked
        toggled(checked)
    }

    Rectangle {
        id: box
        width: 14
        height: 14
        anchors.verticalCenter: parent.verticalCenter
        radius: 2
        color: qomxStyle.colors["inputFieldBackground"]
        border.width: 1
        border.color: checkbox.activeFocus || mouse.containsMouse ? qomxStyle.colors["loginHighlightText"]
                                                                  : qomxStyle.colors["loginDivider"]

        Rectangle {
            anchors.centerIn: parent
            width: 8
            height: 8
            radius: 1
            visible: checkbox.checked
            color: qomxStyle.colors["loginHighlightText"]
        }
    }

    Text {
        id: label
        textFormat: Text.PlainText
        anchors.left: box.right
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        color: qomxStyle.colors["loginDarkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            checkbox.forceActiveFocus()
            checkbox.toggle()
        }
    }

    Keys.onSpacePressed: toggle()
}
