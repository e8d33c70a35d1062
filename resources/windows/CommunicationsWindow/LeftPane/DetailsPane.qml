import QtQuick 2.15

// The room's details in the left pane: how to dial into the My Room conference.
Column {
    id: pane

    property QtObject session: rootWindow.session
    // Read again when the session changes: the room's number comes with it.
    readonly property string dialInInfo: session && session.myRoomSession ? rootWindow.getMyRoomInfo() : ""
    property bool expanded: true

    width: 200
    height: implicitHeight

    PaneHeader {
        objectName: "dialInHeader"
        width: parent.width
        visible: pane.dialInInfo.length > 0
        title: qsTr("Dial-in Info") + rootView.languageChangeProperty
        expanded: pane.expanded
        onClicked: pane.expanded = !pane.expanded
    }
    Item {
        width: parent.width
        height: visible ? info.implicitHeight + 12 : 0
        visible: pane.dialInInfo.length > 0 && pane.expanded
        Text {
            id: info
            objectName: "dialInInfo"
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 6; leftMargin: 10 }
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            text: pane.dialInInfo
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
    }
}
