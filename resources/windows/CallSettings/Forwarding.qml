import QtQuick 2.15

// The four ways of forwarding calls; opening one for editing closes the others.
Item {
    id: page

    readonly property var items: [always, busy, unanswered, unreachable]
    readonly property bool anyService: always.visible || busy.visible || unanswered.visible || unreachable.visible

    function pageActivated() {
        for (var i = 0; i < items.length; ++i)
            items[i].pageActivated()
    }

    function closeOthers(edited) {
        for (var i = 0; i < items.length; ++i) {
            if (items[i] !== edited)
                items[i].editing = false
        }
    }

    PageHeader {
        id: header
        title: qsTr("Forward Calls")
        description: qsTr("Send your calls to another number: always, or only when you are busy, do not answer or cannot be reached.")
    }

    Column {
        anchors { left: parent.left; right: parent.right; top: header.bottom; topMargin: 12 }
        spacing: 6

        ServiceItemForwarding {
            id: always
            objectName: "forwardAlways"
            serviceName: "Call Forwarding Always"
            label: qsTr("Always forward: ")
            onEditRequested: page.closeOthers(always)
        }
        ServiceItemForwarding {
            id: busy
            objectName: "forwardBusy"
            serviceName: "Call Forwarding Busy"
            label: qsTr("Forward when busy: ")
            onEditRequested: page.closeOthers(busy)
        }
        ServiceItemForwarding {
            id: unanswered
            objectName: "forwardUnanswered"
            serviceName: "Call Forwarding No Answer"
            label: qsTr("Forward when unanswered: ")
            onEditRequested: page.closeOthers(unanswered)
        }
        ServiceItemForwarding {
            id: unreachable
            objectName: "forwardUnreachable"
            serviceName: "Call Forwarding Not Reachable"
            label: qsTr("Forward when unreachable: ")
            onEditRequested: page.closeOthers(unreachable)
        }
    }

    Text {
        anchors { left: parent.left; right: parent.right; top: header.bottom; topMargin: 12 }
        visible: always.lookedUp && !page.anyService
        wrapMode: Text.WordWrap
        text: qsTr("No forwarding services available for this account")
        color: qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
    }
}
