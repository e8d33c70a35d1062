import QtQuick 2.15
import Torvex 1.0
import "../../controls"
import "CallTransfer"
import "CallPark"
import "AddParticipant"

// The bar of a communications window: one layer at a time, by what asks for attention.
Rectangle {
    id: bar

    property QtObject session: rootWindow.session
    property QtObject call: session ? session.call : null
    property QtObject share: session ? session.webcollab : null
    property QtObject widget: rootWindow.notificationswidget
    readonly property bool answerShown: call !== null && call.callState === Call.WaitingForUs
    readonly property bool shareShown: !answerShown && ((share !== null && (share.state === 4 || share.mismatchedTags === true))
                                                        || (session !== null && session.shareInvitationOrphan))
    readonly property bool notificationShown: answerShown || shareShown

    color: qomxStyle.colors["whiteBackground"]

    WebcollabNotification {
        objectName: "shareInvitation"
        anchors.fill: parent
        visible: bar.shareShown
        session: bar.session
    }

    TextButton {
        objectName: "transferStripButton"
        anchors.centerIn: parent
        visible: widget !== null && widget.callTransferButtonVisible && !bar.notificationShown
        width: 100
        height: 30
        fontPixelSize: 12
        text: qsTr("Transfer") + rootView.languageChangeProperty
        onClicked: bar.session.transferCallToThis()
    }

    CallAnswerButtons {
        objectName: "barAnswerButtons"
        anchors.centerIn: parent
        visible: bar.answerShown
        session: bar.session
        textLabels: true
        buttonWidth: 120
    }

    CallTransferWidget {
        objectName: "transferPanel"
        anchors.fill: parent
        visible: widget !== null && widget.callTransferVisible && !bar.notificationShown
                 && (bar.call === null || bar.call.videoState !== Call.VideoCalling)
    }

    CallParkWidget {
        objectName: "parkPanel"
        anchors.fill: parent
        visible: widget !== null && widget.callParkVisible && !bar.notificationShown
    }

    AddParticipantWidget {
        objectName: "addParticipantPanel"
        anchors.fill: parent
        visible: widget !== null && widget.addParticipantsVisible && bar.session !== null
                 && bar.session.allowedToInvite && !widget.callTransferVisible && !bar.notificationShown
    }
}
