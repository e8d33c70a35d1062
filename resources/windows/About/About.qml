import QtQuick 2.0
import Torvex 1.0
import ".."
import "../../controls"

Window {
    id: about

    readonly property string rightsText: {
        var owner = rootWindow.organizationName.length > 0 ? " " + rootWindow.organizationName + "." : ""
        return qsTr("Copyright \u00A9 %1%2 All rights reserved.").arg(rootWindow.buildYear).arg(owner)
               + rootWindow.languageChangeProperty
    }

    width: 490
    height: 300
    color: qomxStyle.colors["whiteBackground"]

    Keys.onEscapePressed: rootWindow.close()

    Row {
        id: heading
        anchors.top: parent.top
        anchors.topMargin: 14
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 14

        Pixmap {
            id: programIcon
            objectName: "programIcon"
            anchors.verticalCenter: parent.verticalCenter
            width: 56
            height: 56
            pixmap: rootWindow.programIcon
        }

        Column {
            anchors.verticalCenter: parent.verticalCenter
            spacing: 3

            Text {
                textFormat: Text.PlainText
                text: rootWindow.productName
                color: qomxStyle.colors["darkText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 12
                font.bold: true
            }

            Text {
                textFormat: Text.PlainText
                text: rootWindow.versionInfo
                color: qomxStyle.colors["darkText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 12
            }

            Text {
                textFormat: Text.PlainText
                text: about.rightsText
                color: qomxStyle.colors["listSecondLineText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
            }

            Text {
                textFormat: Text.PlainText
                text: qsTr("Built with Qt %1").arg(rootWindow.qtversionInfo) + rootWindow.languageChangeProperty
                color: qomxStyle.colors["listSecondLineText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
            }
        }
    }

    Rectangle {
        id: noticesFrame
        anchors.top: heading.bottom
        anchors.topMargin: 10
        anchors.bottom: okButton.top
        anchors.bottomMargin: 10
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        color: qomxStyle.colors["lightBackground"]
        border.width: 1
        border.color: qomxStyle.colors["mediumDivider"]

        Flickable {
            id: notices
            anchors.fill: parent
            anchors.margins: 8
            anchors.rightMargin: 14
            clip: true
            contentWidth: width
            contentHeight: noticesText.paintedHeight
            boundsBehavior: Flickable.StopAtBounds

            Text {
                id: noticesText
                objectName: "noticesText"
                width: notices.width
                wrapMode: Text.WordWrap
                textFormat: Text.PlainText
                color: qomxStyle.colors["darkText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
                text: qsTr("%1 uses the following open-source works:").arg(rootWindow.productName)
                      + rootWindow.languageChangeProperty + "\n\n"
                      + "Qt 5 (Core, Gui, Widgets, Network, Xml, Qml, Quick, Quick Widgets, Multimedia, Multimedia Widgets)\n"
                      + "Copyright (C) The Qt Company Ltd. and other contributors.\n"
                      + "Used under the GNU Lesser General Public License version 3.\n\n"
                      + "Qt WebKit\n"
                      + "Copyright (C) The Qt Company Ltd., Apple Inc. and other contributors.\n"
                      + "Used under the GNU Lesser General Public License version 2.1.\n\n"
                      + "QXmpp\n"
                      + "Copyright (C) The QXmpp developers.\n"
                      + "Used under the GNU Lesser General Public License version 2.1 or later.\n\n"
                      + "QtKeychain\n"
                      + "Copyright (C) Frank Osterfeld and the QtKeychain contributors.\n"
                      + "Used under the BSD 2-Clause License.\n\n"
                      + "Libgcrypt\n"
                      + "Copyright (C) Free Software Foundation, Inc. and g10 Code GmbH.\n"
                      + "Used under the GNU Lesser General Public License version 2.1 or later."
            }
        }

        Rectangle {
            id: scrollBar
            anchors.right: parent.right
            anchors.rightMargin: 3
            y: 4 + (parent.height - 8 - height) * (notices.contentHeight > notices.height
                   ? notices.contentY / (notices.contentHeight - notices.height) : 0)
            width: 5
            height: Math.max(20, (parent.height - 8) * Math.min(1, notices.height / Math.max(1, notices.contentHeight)))
            radius: 2
            visible: notices.contentHeight > notices.height
            color: qomxStyle.colors["lightText"]
        }
    }

    TextButton {
        id: okButton
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        anchors.horizontalCenter: parent.horizontalCenter
        width: 90
        height: 28
        focus: true
        text: qsTr("OK") + rootWindow.languageChangeProperty
        onClicked: rootWindow.close()
    }
}
