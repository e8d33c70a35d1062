import QtQuick 2.15
import Torvex 1.0
import Marlowane 1.0

Rectangle {
    id: root
    width: 420
    height: 300
    color: qomxStyle.colors.whiteBackground

    readonly property var sessionModel: rootWindow.sessionModel

    Text {
        id: header
        x: 10
        y: 8
        color: qomxStyle.colors.darkText
        font.family: qomxStyle.fontFamily
        font.bold: true
        text: qsTr("Sessions: ") + (root.sessionModel ? sessions.count : 0)
    }

    ListView {
        id: sessions
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom; margins: 10 }
        spacing: 6
        clip: true
        model: root.sessionModel
        delegate: Rectangle {
            width: ListView.view.width
            height: details.height + 12
            color: qomxStyle.colors.lightBackground
            border.color: qomxStyle.colors.lightDivider

            Column {
                id: details
                x: 6
                y: 6
                Text { color: qomxStyle.colors.darkText; font.family: qomxStyle.fontFamily; text: qsTr("Type: ") + model.type }
                Text { color: qomxStyle.colors.darkText; font.family: qomxStyle.fontFamily; text: qsTr("State: ") + model.state }
                Text { color: qomxStyle.colors.darkText; font.family: qomxStyle.fontFamily; text: qsTr("CurrentHost: ") + model.currentHost }
            }

            Rectangle {
                id: button
                anchors { right: parent.right; rightMargin: 6; verticalCenter: parent.verticalCenter }
                width: 60
                height: 24
                radius: 3
                color: buttonArea.containsMouse ? qomxStyle.colors.hoverButton : qomxStyle.colors.defaultButton
                readonly property bool running: model.state === 3

                Text {
                    anchors.centerIn: parent
                    color: qomxStyle.colors.whiteText
                    font.family: qomxStyle.fontFamily
                    text: button.running ? qsTr("Stop") : qsTr("Start")
                }

                MouseArea {
                    id: buttonArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: button.running ? model.subSession.stop() : model.subSession.start()
                }
            }
        }
    }
}
