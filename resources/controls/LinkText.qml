import QtQuick 2.0

// An underlined text that acts as a link.
Text {
    id: link
    textFormat: Text.PlainText

    signal clicked()

    color: mouse.containsMouse ? qomxStyle.colors["loginHighlightText"] : qomxStyle.colors["loginDarkText"]
    font.family: qomxStyle.fontFamily
    font.pixelSize: 11
    font.underline: true

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        Component.onCompleted: rootWindow.setItemCursor(mouse, Qt.PointingHandCursor)
        onClicked: link.clicked()
    }
}
