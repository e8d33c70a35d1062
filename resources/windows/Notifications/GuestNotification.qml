import QtQuick 2.15
import Torvex 1.0

// A guest asks to enter the user's room.
CommunicationNotification {
    id: popup

    property QtObject guestContact: rootWindow.contact
    readonly property bool nameAcceptable: guestContact !== null && guestContact.displayName.length > 2

    Text {
        objectName: "guestText"
        x: popup.textLeft
        y: 12
        width: popup.width - x - 30
        font.family: qomxStyle.fontFamily
        font.pixelSize: 15
        font.bold: true
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
        color: qomxStyle.colors["toasterText"]
        text: qsTr("%1 (guest) requests to join your room.")
              .arg(popup.nameAcceptable ? popup.guestContact.displayName : qsTr("Unknown")) + rootView.languageChangeProperty
    }

    Row {
        x: popup.textLeft
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        spacing: 10

        Repeater {
            model: [
                { name: "acceptGuestButton", label: qsTr("Accept"), colour: "replyButton", accept: true },
                { name: "declineGuestButton", label: qsTr("Decline"), colour: "declineButton", accept: false }
            ]

            Rectangle {
                objectName: modelData.name
                visible: !modelData.accept || popup.nameAcceptable
                width: 70
                height: 30
                radius: 5
                color: qomxStyle.colors[modelData.colour]

                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: modelData.label + rootView.languageChangeProperty
                    color: qomxStyle.colors["whiteText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 14
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        var jid = popup.guestContact ? popup.guestContact.address : ""
                        if (popup.session) {
                            if (modelData.accept)
                                popup.session.handleNewGuestRequestAccepted(jid)
                            else
                                popup.session.handleNewGuestRequestRejected(jid)
                        }
                        rootView.close()
                    }
                }
            }
        }
    }
}
