import QtQuick 2.15
import "../../controls"

// A switch of the back-end: the check box writes the named property of the debug object.
Item {
    id: line

    property string label
    property string name
    property var value

    width: parent ? parent.width : 200
    height: 20

    Checkbox {
        id: box
        objectName: "switch_" + line.name
        anchors.verticalCenter: parent.verticalCenter
        text: line.label
        checked: line.value === true
        onToggled: {
            debugInfo[line.name] = checked
            // The box shows what the back-end kept.
            checked = Qt.binding(function() { return line.value === true })
        }
    }
}
