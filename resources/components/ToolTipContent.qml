import QtQuick 2.15

Rectangle {
    width: label.paintedWidth + 10
    height: label.paintedHeight + 4
    color: Qt.rgba(0.1, 0.1, 0.1, 0.8)

    Text {
        id: label
        anchors.centerIn: parent
        text: rootView.text
        textFormat: Text.PlainText
        font.pixelSize: 11
        color: "white"
    }
}
