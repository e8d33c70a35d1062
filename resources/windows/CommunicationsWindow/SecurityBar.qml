import QtQuick 2.15
import "Call"

// The bar over the conversation: the call's recording and security classification on the
// left, the chat's security classification on the right.
Rectangle {
    id: securityBar

    property QtObject session: rootWindow.session
    readonly property string chatClassification: session && session.chatActive ? session.chatSecurityClassification : ""

    width: 480
    height: 20
    color: qomxStyle.colors["lightActiveBackground"]

    CallSecurityBar {
        id: callBar
        objectName: "callSecurityBar"
        anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
        session: securityBar.session
    }

    Text {
        objectName: "chatSecurity"
        anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
        width: Math.min(implicitWidth, parent.width - (callBar.visible ? callBar.width + 24 : 16))
        visible: securityBar.chatClassification.length > 0
        elide: Text.ElideRight
        textFormat: Text.PlainText
        text: qsTr("Chat Security: %1").arg(securityBar.chatClassification) + rootView.languageChangeProperty
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
        font.bold: true
    }
}
