import QtQuick 2.15
import Torvex 1.0
import Marlowane 1.0

// One monitored team member: the line's state as an icon and a word, blinking while the
// line rings, with a button that picks the ringing call up. Calls from the active
// communications can be dropped on it to be transferred.
Rectangle {
    id: row

    readonly property QtObject rowContact: model.contact
    readonly property int lineState: rowContact ? rowContact.blfState : 0
    readonly property bool ringing: lineState === Contact.BlfIncomingCall
    readonly property bool canPickUp: rootWindow.allowPickup && ringing
    readonly property string stateWord: lineState === Contact.BlfAvailable ? qsTr("Available")
                                       : lineState === Contact.BlfIncomingCall ? qsTr("Ringing")
                                       : lineState === Contact.BlfOutgoingCall || lineState === Contact.BlfBusy ? qsTr("Busy")
                                       : ""

    function pickUp() {
        if (canPickUp)
            rootWindow.pickupBlfCall(rowContact)
    }

    objectName: rowContact ? "blfRow" + rowContact.identifier : "blfRow"
    state: ringing ? "lineRinging" : "normal"
    color: model.selected ? qomxStyle.colors["lightActiveBackground"] : qomxStyle.colors["whiteBackground"]
    onRingingChanged: {
        if (!ringing)
            blink.opacity = 0
    }

    states: [
        State { name: "normal" },
        State { name: "lineRinging" }
    ]

    Rectangle {
        id: blink
        anchors.fill: parent
        color: qomxStyle.colors["lightActiveBackground"]
        opacity: 0
        SequentialAnimation on opacity {
            running: row.ringing
            loops: Animation.Infinite
            NumberAnimation { to: 1; duration: 600 }
            NumberAnimation { to: 0; duration: 600 }
        }
    }

    ToolTip { id: toolTip }

    DragArea {
        id: dragArea
        objectName: "blfRowArea"
        anchors.fill: parent
        hoverEnabled: true
        acceptedMouseButtons: Qt.LeftButton | Qt.RightButton
        mimeType: "application/qomx.contact"
        delegate: Component {
            Column {
                Repeater {
                    model: blfSelectionHandler.selection
                    Row {
                        spacing: 4
                        Image {
                            // Not kept in Qt's image cache: an icon that follows a state, or a row that
                            // goes, left the old one there, and its expiry woke the idle program later.
                            cache: false
                            width: 16
                            height: 16
                            fillMode: Image.PreserveAspectCrop
                            source: qmlHelper.getBlfIcon(modelData.blfState)
                        }
                        Text {
                            text: modelData.uiName
                            textFormat: Text.PlainText
                            font.family: qomxStyle.fontFamily
                            font.pixelSize: 12
                        }
                    }
                }
            }
        }

        onPressed: {
            // The keys go to the list once the user clicked into it.
            row.ListView.view.forceActiveFocus()
            blfSelectionHandler.select(index, modifiers)
            dragArea.data = blfSelectionHandler.selectionAsString()
        }
        onClicked: {
            if (button === Qt.RightButton && blfSelectionHandler.selection.length === 1 && rootWindow.menuHandler
                    && typeof rootWindow.menuHandler.showBlfContactMenu === "function")
                rootWindow.menuHandler.showBlfContactMenu(row.rowContact)
        }
        onDoubleClicked: row.pickUp()
        onContainsMouseChanged: {
            if (!containsMouse || !row.ringing) {
                toolTip.hideToolTip()
                return
            }
            var caller = rootWindow.getBlfAlertedContactTooltip(row.rowContact.identifier)
            if (caller !== "")
                toolTip.showToolTip(qsTr("%1 is calling").arg(caller))
        }
    }

    DropArea {
        anchors.fill: parent
        mimeTypes: ["application/qomx.contact", "application/qomx.activecomm.contact"]
        onDragEnter: event.setAccepted(blfContactsDragDropHandler.checkDropAllowed(row.rowContact, event.data.text))
        onDrop: blfContactsDragDropHandler.handleDrop(row.rowContact, event.data.text)
    }

    Image {
        cache: false
        id: icon
        anchors { left: parent.left; leftMargin: 6; verticalCenter: parent.verticalCenter }
        width: 16
        height: 16
        sourceSize { width: 16; height: 16 }
        source: qmlHelper.getBlfIcon(row.lineState)
    }

    Text {
        objectName: "blfRowText"
        anchors {
            left: icon.right; leftMargin: 6
            right: answerButton.visible ? answerButton.left : parent.right; rightMargin: 6
            verticalCenter: parent.verticalCenter
        }
        text: row.rowContact ? (row.stateWord !== "" ? qsTr("%1 (%2)").arg(row.rowContact.uiName).arg(row.stateWord)
                                                     : row.rowContact.uiName) : ""
        textFormat: Text.PlainText
        elide: Text.ElideRight
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }

    Rectangle {
        id: answerButton
        objectName: "answerButton"
        anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
        width: 20
        visible: row.canPickUp
        color: qomxStyle.colors["replyButton"]

        Image {
            cache: false
            anchors.centerIn: parent
            width: 14
            height: 14
            sourceSize { width: 14; height: 14 }
            source: "qrc:/windows/TeamTelephony/blf_answer.png"
        }

        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onClicked: row.pickUp()
            onEntered: toolTip.showToolTip(qsTr("Answer"))
            onExited: toolTip.hideToolTip()
        }
    }
}
