import QtQuick 2.9
import "../../components"

// The card's head in view mode: picture, presence, name, availability, where the contact is
// and the time there, status text, groups and the favourite star.
Item {
    id: info

    readonly property var contact: rootWindow.contact
    readonly property bool known: contact !== null && !contact.temporary
    readonly property int presence: contact ? contact.presenceState : 0
    readonly property var presenceData: contact ? contact.presence : null
    // The place and the time there, as the chat service publishes them.
    readonly property string locationLine: {
        if (!rootWindow.xmppEnabled || !presenceData)
            return ""
        var time = presenceData.localTime()
        var place = presenceData.locationText
        if (place.length === 0)
            return time
        return time.length > 0 ? qsTr("%1, local time %2").arg(place).arg(time) : place
    }

    function presenceColor(state) {
        if (state === 7 || state === 8 || state === 9 || state === 10)
            return "#3aa757"
        if (state >= 4 && state <= 6)
            return "#f2a900"
        if (state >= 11)
            return "#d93025"
        return qomxStyle.colors["lightText"]
    }

    implicitHeight: Math.max(avatar.height, details.height) + 28

    Avatar {
        id: avatar
        objectName: "cardAvatar"
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.margins: 14
        width: 64
        height: 64
        color: qomxStyle.colors["mediumText"]
        name: info.contact ? info.contact.uiName : ""
        presence: info.presenceData
    }
    Item {
        anchors.fill: avatar

        Rectangle {
            id: presenceDot
            objectName: "presenceDot"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            width: 18
            height: 18
            radius: 9
            visible: info.known
            color: info.presenceColor(info.presence)
            border.width: 2
            border.color: qomxStyle.colors["whiteBackground"]
        }
    }

    Column {
        id: details
        anchors.left: avatar.right
        anchors.leftMargin: 12
        anchors.right: star.left
        anchors.rightMargin: 6
        anchors.top: parent.top
        anchors.topMargin: 16
        spacing: 3

        Text {
            id: nameText
            objectName: "nameText"
            width: parent.width
            elide: Text.ElideRight
            text: info.contact ? info.contact.uiName : ""
            textFormat: Text.PlainText
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 16
            font.bold: true
        }

        Text {
            objectName: "availabilityText"
            textFormat: Text.PlainText
            width: parent.width
            elide: Text.ElideRight
            visible: text.length > 0
            text: rootWindow.availabilityText
            color: info.presenceColor(info.presence)
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
        }

        Text {
            objectName: "locationText"
            width: parent.width
            elide: Text.ElideRight
            visible: text.length > 0
            text: info.locationLine + rootWindow.languageChangeProperty
            textFormat: Text.PlainText
            color: qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }

        Text {
            width: parent.width
            elide: Text.ElideRight
            visible: text.length > 0
            textFormat: Text.PlainText
            text: info.contact && rootWindow.xmppEnabled ? info.contact.statusText : ""
            color: qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            font.italic: true
        }

        Text {
            objectName: "groupsText"
            textFormat: Text.PlainText
            width: parent.width
            elide: Text.ElideRight
            visible: rootWindow.groupNames.length > 0
            text: qsTr("Groups: %1").arg(rootWindow.groupNames) + rootWindow.languageChangeProperty
            color: qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
    }

    Item {
        id: star
        objectName: "favoriteStar"
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.top: parent.top
        anchors.topMargin: 14
        width: 26
        height: 26
        visible: info.known
        enabled: !rootWindow.readOnlyMode && !rootWindow.busy
        opacity: enabled ? 1 : 0.4

        Rectangle {
            anchors.fill: parent
            radius: 4
            color: starArea.containsMouse ? qomxStyle.colors["lightBackground"] : "transparent"
        }
        Image {
            objectName: "favoriteIcon"
            anchors.centerIn: parent
            width: 20
            height: 20
            sourceSize { width: 20; height: 20 }
            source: info.contact && info.contact.favorite ? "qrc:/windows/ContactCard/favorite_on.png"
                                                         : "qrc:/windows/ContactCard/favorite_off.png"
        }

        MouseArea {
            id: starArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: rootWindow.toggleFavorite()
        }

        Text {
            textFormat: Text.PlainText
            anchors.top: parent.bottom
            anchors.right: parent.right
            visible: starArea.containsMouse
            text: (info.contact && info.contact.favorite ? qsTr("Remove from Favorites") : qsTr("Set as Favorite"))
                  + rootWindow.languageChangeProperty
            color: qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 10
        }
    }
}
