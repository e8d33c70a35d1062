import QtQuick 2.15
import Torvex 1.0

Item {
    width: 400
    height: 300
    property alias web: webView

    WebView2 {
        id: webView
        anchors.fill: parent
        pressGrabTime: 0
    }
}
