import QtQuick 2.15
import Torvex 1.0

Item {
    width: 300
    height: 200
    property alias zyn: zynViewer
    property int starts: 0

    ViewShareZyn {
        id: zynViewer
        width: 100; height: 100
        onShareStarted: starts += 1
    }
}
