import QtQuick 2.15
import Torvex 1.0

Item {
    width: 300
    height: 200
    property alias dragArea: drag
    property alias dropArea: drop
    property string dropped: ""
    property int enters: 0

    DragArea {
        id: drag
        x: 0; y: 0; width: 100; height: 100
        mimeType: "application/qomx.contact"
        delegate: Component {
            Rectangle { width: 30; height: 20; color: "#00ff00" }
        }
        Rectangle { anchors.fill: parent; color: "lightgrey" }
    }
    DropArea {
        id: drop
        x: 150; y: 0; width: 100; height: 100
        mimeTypes: ["application/qomx.activecomm.contact", "application/qomx.contact"]
        onDragEnter: { enters += 1; event.accept(Qt.CopyAction) }
        onDrop: dropped = event.data.text
    }
}
