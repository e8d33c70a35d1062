import QtQuick 2.9
import "Presence"
import "../../components"

// The hover card of a contact, a participant or a history entry: picture, presence, name,
// chat role, the entry's time and kind or the contact's location and status, and in the
// extended form the address and the presence of each device.
Rectangle {
    id: card

    readonly property var contact: rootView.contact
    readonly property var entry: rootView.timelineEntry
    readonly property var presence: contact && contact.presence ? contact.presence : null
    readonly property string name: {
        var text = contact && contact.uiName ? contact.uiName : ""
        if (text.length === 0)
            return qsTr("Unknown") + rootView.languageChangeProperty
        return text.length > 150 ? text.substring(0, 150) + "..." : text
    }
    readonly property string affiliationText: {
        switch (rootView.affiliation) {
        case 1: return qsTr("pending chat") + rootView.languageChangeProperty
        case 6: return qsTr("owner") + rootView.languageChangeProperty
        case 5: return qsTr("moderator") + rootView.languageChangeProperty
        default: return ""
        }
    }
    readonly property string entryKind: {
        if (!entry)
            return ""
        if (entry.subType === 3 || entry.subType === 4)
            return entry.message
        if (entry.type === 2) {
            if (entry.subType === 0)
                return qsTr("Voice, %1").arg(qmlHelper.formatHistoryEntryDuration(entry.duration))
            if (entry.subType === 1)
                return qsTr("Video, %1").arg(qmlHelper.formatHistoryEntryDuration(entry.duration))
            return entry.fileSize > 0 ? qsTr("Fax, %1").arg(qmlHelper.formatSize(entry.fileSize)) : qsTr("Fax")
        }
        var kind = entry.missed ? qsTr("Missed Call") : (entry.direction === 0 ? qsTr("Outgoing Call")
                                                                              : qsTr("Incoming Call"))
        return kind + " " + entry.remoteAddress
    }
    readonly property string statusText: presence ? presence.statusText : (contact && contact.statusText ? contact.statusText : "")
    // Where the contact is and the time there; only the time when no place is known.
    readonly property string locationLine: {
        if (!presence || presence.locationText === undefined)
            return ""
        var time = presence.localTime()
        var place = presence.locationText
        return place.length > 0 ? (time.length > 0 ? place + " " + time : place) : time
    }
    readonly property var devices: presence && presence.devices ? presence.devices : []

    width: Math.max(200, avatar.width + presenceIcon.width + details.widest + 20 + 14)
    height: Math.max(avatar.height, details.height) + 14
    color: qomxStyle.colors["whiteBackground"]
    border.width: 2
    border.color: qomxStyle.colors["mediumDivider"]

    Avatar {
        id: avatar
        objectName: "cardAvatar"
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.margins: 7
        width: 50
        height: 50
        round: false
        name: card.name
        presence: card.presence
        color: qomxStyle.colors["mediumText"]
        border.width: 1
        border.color: qomxStyle.colors["mediumDivider"]
    }

    // The same mark as the contact list's, so a presence reads alike in both.
    PresenceDot {
        id: presenceIcon
        objectName: "presenceIcon"
        anchors.left: avatar.right
        anchors.leftMargin: 2
        anchors.top: avatar.top
        visible: card.presence !== null && card.presence !== undefined
        width: visible ? 12 : 0
        height: 12
        presence: visible ? card.presence.internalPresence : 0
    }

    Column {
        id: details

        // The width the texts want, for the card's width. A wrapping text's implicit width
        // follows the width it is given: its one line's width is measured apart instead.
        readonly property real widest: {
            var w = 0
            for (var i = 0; i < children.length; ++i) {
                var child = children[i]
                var wanted = child.oneLineWidth !== undefined ? child.oneLineWidth : child.implicitWidth
                if (child.visible && wanted > w)
                    w = wanted
            }
            return Math.min(w, 400)
        }

        anchors.left: presenceIcon.right
        anchors.leftMargin: 6
        anchors.right: parent.right
        anchors.rightMargin: 7
        anchors.top: parent.top
        anchors.topMargin: 7
        spacing: 4

        Text {
            objectName: "affiliationText"
            textFormat: Text.PlainText
            width: parent.width
            visible: card.affiliationText.length > 0
            text: card.affiliationText
            color: qomxStyle.colors["mediumText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 10
            font.bold: true
        }
        Text {
            objectName: "nameText"
            width: parent.width
            elide: Text.ElideRight
            text: card.name
            textFormat: Text.PlainText
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            font.bold: true
        }
        Text {
            objectName: "entryTime"
            textFormat: Text.PlainText
            width: parent.width
            visible: card.entry !== null && card.entry !== undefined
            text: visible ? qmlHelper.formatDateTime(card.entry.time) : ""
            color: qomxStyle.colors["mediumText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        Text {
            id: entryKindItem
            objectName: "entryKind"
            readonly property real oneLineWidth: Math.ceil(entryKindLine.advanceWidth)
            width: parent.width
            visible: text.length > 0
            text: card.entryKind
            textFormat: Text.PlainText
            TextMetrics { id: entryKindLine; font: entryKindItem.font; text: entryKindItem.text }
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        Text {
            objectName: "locationText"
            width: parent.width
            visible: !card.entry && text.length > 0
            text: card.locationLine
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: qomxStyle.colors["mediumText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        Text {
            id: statusTextItem
            objectName: "statusText"
            readonly property real oneLineWidth: Math.ceil(statusTextLine.advanceWidth)
            width: parent.width
            visible: !card.entry && text.length > 0
            text: card.statusText
            textFormat: Text.PlainText
            TextMetrics { id: statusTextLine; font: statusTextItem.font; text: statusTextItem.text }
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
            color: qomxStyle.colors["mediumText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        Text {
            objectName: "addressText"
            width: parent.width
            visible: rootView.isExtended && text.length > 0
            text: card.contact && card.contact.jid ? card.contact.jid : ""
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.bold: true
        }
        // Each device the contact is signed in with, and its own presence.
        Repeater {
            model: rootView.isExtended ? card.devices : []
            Text {
                objectName: "deviceLine" + index
                width: details.width
                elide: Text.ElideRight
                textFormat: Text.PlainText
                text: qsTr("%1: %2 (%3)").arg(modelData.resource)
                      .arg(presenceHelper ? presenceHelper.availabilityText(modelData.presence) : "")
                      .arg(modelData.statusText) + rootView.languageChangeProperty
                color: qomxStyle.colors["darkText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
            }
        }
    }
}
