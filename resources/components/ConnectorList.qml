import QtQuick 2.0
import Torvex 1.0
import "../controls"

// The add-ins awaiting a decision (or, without acceptance buttons, every add-in with a
// check box), one row per connector of `rootWindow.addinsModel`.
Rectangle {
    id: connectorList

    property bool useAcceptanceButtons: true

    width: 350
    height: 200
    color: qomxStyle.colors["whiteBackground"]

    ListView {
        id: list
        anchors.fill: parent
        anchors.margins: 5
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: rootWindow.addinsModel

        delegate: Rectangle {
            id: row

            readonly property var connector: model.connector
            property bool expanded: connectorList.useAcceptanceButtons
            readonly property bool accepted: !!connector && connector.state === ConnectorData.Accepted

            width: list.width - (scrollBar.visible ? 8 : 0)
            height: header.height + (expanded ? details.height + 6 : 0) + 8
            color: index % 2 ? qomxStyle.colors["lightBackground"] : "transparent"

            Row {
                id: header
                x: 6
                y: 4
                spacing: 6
                height: 18

                Image {
                    objectName: "expander"
                    anchors.verticalCenter: parent.verticalCenter
                    width: 14
                    height: 14
                    sourceSize { width: 14; height: 14 }
                    visible: !connectorList.useAcceptanceButtons
                    source: row.expanded ? "qrc:/components/tree_collapse.png" : "qrc:/components/tree_expand.png"

                    MouseArea {
                        anchors.fill: parent
                        onClicked: row.expanded = !row.expanded
                    }
                }

                Text {
                    textFormat: Text.PlainText
                    anchors.verticalCenter: parent.verticalCenter
                    width: row.width - 12 - answer.width - (connectorList.useAcceptanceButtons ? 0 : 20)
                    elide: Text.ElideRight
                    text: row.connector ? row.connector.name : ""
                    opacity: connectorList.useAcceptanceButtons || row.accepted ? 1.0 : 0.5
                    color: qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 11
                    font.bold: true
                }
            }

            // The answer, always in sight at the row's right: Enable and Disable while the user
            // is asked, else the check box.
            Item {
                id: answer
                anchors.right: parent.right
                anchors.rightMargin: 4
                y: 1
                width: 140
                height: 24
                visible: !!row.connector

                Row {
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 8
                    visible: connectorList.useAcceptanceButtons

                    TextButton {
                        objectName: "enableButton"
                        width: 66
                        height: 22
                        fontPixelSize: 11
                        text: qsTr("Enable") + rootWindow.languageChangeProperty
                        onClicked: row.connector.state = ConnectorData.Accepted
                    }

                    TextButton {
                        objectName: "disableButton"
                        width: 66
                        height: 22
                        fontPixelSize: 11
                        normalColor: qomxStyle.colors["listSecondLineText"]
                        hoverColor: qomxStyle.colors["darkText"]
                        text: qsTr("Disable") + rootWindow.languageChangeProperty
                        onClicked: row.connector.state = ConnectorData.Rejected
                    }
                }

                Checkbox {
                    objectName: "enabledBox"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !connectorList.useAcceptanceButtons
                    checked: row.accepted
                    text: qsTr("Enabled") + rootWindow.languageChangeProperty
                    onToggled: row.connector.state = checked ? ConnectorData.Accepted : ConnectorData.Rejected
                }
            }

            Column {
                id: details
                x: 26
                anchors.top: header.bottom
                anchors.topMargin: 4
                width: row.width - 32
                spacing: 2
                visible: row.expanded
                opacity: connectorList.useAcceptanceButtons || row.accepted ? 1.0 : 0.5

                Repeater {
                    model: !row.connector ? [] : (connectorList.useAcceptanceButtons ? [] : [
                        qsTr("Connected: %1").arg(row.connector.connected ? qsTr("Yes") : qsTr("No"))
                    ]).concat([
                        qsTr("Vendor Name: %1").arg(row.connector.vendor),
                        qsTr("Description: %1").arg(row.connector.description),
                        qsTr("Version: %1").arg(row.connector.version)
                    ])

                    Text {
                        textFormat: Text.PlainText
                        width: details.width
                        wrapMode: Text.Wrap
                        text: modelData + rootWindow.languageChangeProperty
                        color: qomxStyle.colors["listSecondLineText"]
                        font.family: qomxStyle.fontFamily
                        font.pixelSize: 11
                    }
                }
            }
        }
    }

    Rectangle {
        id: scrollBar
        anchors.right: parent.right
        anchors.rightMargin: 2
        y: list.y + list.visibleArea.yPosition * list.height
        width: 5
        height: list.visibleArea.heightRatio * list.height
        radius: 2
        visible: list.visibleArea.heightRatio < 1
        color: qomxStyle.colors["lightText"]
    }
}
