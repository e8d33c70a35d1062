import QtQuick 2.15

// A word of the share's controls that acts when clicked, underlined under the pointer.
Text {
    id: link
    textFormat: Text.PlainText

    property bool warning: false

    signal clicked()

    color: area.containsMouse ? qomxStyle.colors["hoverButton"]
                              : (warning ? qomxStyle.colors["declineButton"] : qomxStyle.colors["defaultButton"])
    font.family: qomxStyle.fontFamily
    font.pixelSize: 11
    font.bold: true
    font.underline: area.containsMouse

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: link.clicked()
    }
}
