import QtQuick 2.15

// Remote Office: calls made and taken from another phone as if from the user's own.
Item {
    id: page

    function pageActivated() {
        office.numberAttribute = rootWindow.getNumberAttribute()
        office.pageActivated()
    }

    PageHeader {
        id: header
        title: qsTr("Corvantium Remote Office")
        description: qsTr("Use any phone, at home or on the road, as your office phone: your calls ring there and the calls you make from there show your office number.")
    }

    ServiceItemForwarding {
        id: office
        objectName: "remoteOfficeService"
        anchors { left: parent.left; right: parent.right; top: header.bottom; topMargin: 12 }
        serviceName: "Remote Office"
        label: qsTr("Service: ")
    }

    Text {
        anchors { left: parent.left; right: parent.right; top: header.bottom; topMargin: 12 }
        visible: office.lookedUp && !office.visible
        wrapMode: Text.WordWrap
        text: qsTr("Service is not available for this account")
        color: qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
    }
}
