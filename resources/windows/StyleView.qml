import QtQuick 2.15
import Torvex 1.0
import Marlowane 1.0

Rectangle {
    id: root
    width: 375
    height: 400
    color: "#ffffff"
    focus: true

    property bool fontSelectorVisible: false

    Keys.onPressed: {
        if (event.key === Qt.Key_F && (event.modifiers & Qt.ControlModifier) && (event.modifiers & Qt.ShiftModifier)) {
            root.fontSelectorVisible = true
            event.accepted = true
        }
    }

    Flow {
        id: toolbar
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 6 }
        spacing: 6

        Repeater {
            model: [
                { label: "Import", run: function() { rootWindow.importCsv() } },
                { label: "Export colors", run: function() { rootWindow.exportCsv(false) } },
                { label: "Export style", run: function() { rootWindow.exportCsv(true) } },
                { label: "Defaults", run: function() { qomxStyle.setDefaults() } },
                { label: "Invert", run: function() { qomxStyle.invertAll() } },
                { label: "Randomize", run: function() { qomxStyle.randomizeAll() } }
            ]
            delegate: Rectangle {
                width: caption.width + 10
                height: 22
                color: buttonArea.containsMouse ? "#eeeeee" : "#f7f7f7"
                border.color: "#cccccc"
                Text { id: caption; anchors.centerIn: parent; text: modelData.label; font.pixelSize: 11 }
                MouseArea { id: buttonArea; anchors.fill: parent; hoverEnabled: true; onClicked: modelData.run() }
            }
        }
    }

    Row {
        id: fontSelector
        visible: root.fontSelectorVisible
        height: visible ? 26 : 0
        anchors { left: parent.left; right: parent.right; top: toolbar.bottom; margins: 6 }
        spacing: 6

        Text { text: "Font:"; font.pixelSize: 11; anchors.verticalCenter: parent.verticalCenter }
        Rectangle {
            width: 200
            height: 22
            border.color: "#cccccc"
            TextInput {
                anchors.fill: parent
                anchors.margins: 4
                font.pixelSize: 11
                text: qomxStyle.fontFamily
                onEditingFinished: qomxStyle.fontFamily = text
            }
        }
    }

    ListView {
        id: colorList
        anchors { left: parent.left; right: parent.right; top: fontSelector.bottom; bottom: parent.bottom; margins: 6 }
        clip: true
        focus: true
        model: qomxStyle.colorNames
        delegate: Item {
            width: ListView.view.width
            height: 22

            Rectangle {
                id: sample
                width: 50
                height: 16
                anchors.verticalCenter: parent.verticalCenter
                color: qomxStyle.colors[modelData] || "transparent"
                border.color: "#cccccc"
            }
            Text {
                anchors { left: sample.right; leftMargin: 6; verticalCenter: parent.verticalCenter }
                width: 170
                elide: Text.ElideRight
                text: modelData
                font.pixelSize: 11
            }
            Rectangle {
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                width: 110
                height: 18
                border.color: "#cccccc"
                TextInput {
                    anchors.fill: parent
                    anchors.margins: 2
                    font.pixelSize: 11
                    text: String(qomxStyle.colors[modelData])
                    onEditingFinished: qomxStyle.setColor(modelData, text)
                }
            }
        }
        Keys.onPressed: {
            if (event.key === Qt.Key_F && (event.modifiers & Qt.ControlModifier) && (event.modifiers & Qt.ShiftModifier)) {
                root.fontSelectorVisible = true
                event.accepted = true
            }
        }
    }
}
