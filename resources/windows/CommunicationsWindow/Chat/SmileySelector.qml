import QtQuick 2.15
import ".."

// The emoticons of the chat: a button that opens the table of the conversation's emoticons
// above it; a click on one hands its code to the chat's input and closes the table.
Item {
    id: selector

    readonly property var smileys: rootWindow.smileys
    readonly property bool open: grid.visible
    // Where the table may spread: the pane it opens in.
    property Item area: parent

    signal chosen(string code)

    function close() { grid.visible = false }

    width: button.width
    height: button.height
    visible: smileys !== null && smileys.count > 0

    FooterButton {
        id: button
        objectName: "smileyButton"
        iconSource: "qrc:/windows/CommunicationsWindow/footer_smiley"
        label: qsTr("Emoticons") + rootView.languageChangeProperty
        showLabel: false
        checked: grid.visible
        onClicked: grid.visible = !grid.visible
    }

    Rectangle {
        id: grid
        objectName: "smileyGrid"
        visible: false
        z: 50
        readonly property int cell: 28
        readonly property int columns: Math.max(1, Math.min(8, Math.floor(((selector.area ? selector.area.width : 240) - 12) / cell)))
        width: columns * cell + 8
        height: Math.ceil((selector.smileys ? selector.smileys.count : 0) / columns) * cell + 8
        anchors { left: parent.left; bottom: parent.top; bottomMargin: 4 }
        radius: 3
        color: qomxStyle.colors["whiteBackground"]
        border.color: qomxStyle.colors["mediumDivider"]

        Grid {
            anchors { fill: parent; margins: 4 }
            columns: grid.columns
            Repeater {
                model: selector.smileys
                delegate: Rectangle {
                    objectName: "smiley_" + index
                    readonly property string smileyCode: model.code
                    width: grid.cell
                    height: grid.cell
                    radius: 3
                    color: cellArea.containsMouse ? qomxStyle.colors["bottomBarHoverButtonBackground"] : "transparent"
                    Image {
                        anchors.centerIn: parent
                        width: 24
                        height: 24
                        source: model.image
                    }
                    MouseArea {
                        id: cellArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            grid.visible = false
                            selector.chosen(model.code)
                        }
                    }
                }
            }
        }
    }
}
