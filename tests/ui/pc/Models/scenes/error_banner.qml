import QtQuick 2.15
import "qrc:/windows/MainWindow/ErrorInfo"

// The banner placed as the main window places it: at the top, over the full width.
Rectangle {
    width: 400
    height: 200
    color: "white"

    ErrorInfo {
        objectName: "errorInfo"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
    }
}
