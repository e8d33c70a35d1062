import QtQuick 2.9
import ".."

// One contact's card: its presence and name, its details as fields, and the footer's
// buttons. In add and edit mode the fields take typing; Save and Cancel decide.
Window {
    id: card

    readonly property bool editing: rootWindow.addMode || rootWindow.editMode
    readonly property var contact: rootWindow.contact

    width: 360
    height: 520
    color: qomxStyle.colors["whiteBackground"]

    Keys.onEscapePressed: editing ? rootWindow.cancel() : rootWindow.close()

    // Tab and Backtab walk the editable fields only, selecting the text they reach.
    function moveFocus(fromIndex, step) {
        for (var i = fromIndex + step; i >= 0 && i < fields.count; i += step) {
            var field = fields.itemAt(i)
            if (field && field.visible && field.editable) {
                field.takeFocus()
                return
            }
        }
    }

    ContactCardPresenceInfo {
        id: header
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        visible: !card.editing
        height: visible ? implicitHeight : 0
    }

    Text {
        id: modeTitle
        textFormat: Text.PlainText
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 14
        visible: card.editing
        height: visible ? 28 : 0
        verticalAlignment: Text.AlignVCenter
        text: rootWindow.addMode ? rootWindow.windowTitle
                                 : qsTr("Edit Contact") + rootWindow.languageChangeProperty
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 16
        font.bold: true
    }

    Rectangle {
        id: divider
        anchors.top: card.editing ? modeTitle.bottom : header.bottom
        anchors.topMargin: card.editing ? 10 : 0
        anchors.left: parent.left
        anchors.right: parent.right
        height: 1
        color: qomxStyle.colors["mediumDivider"]
    }

    Rectangle {
        id: errorBanner
        objectName: "errorBanner"
        anchors.top: divider.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        visible: rootWindow.errorText.length > 0
        height: visible ? errorLabel.paintedHeight + 14 : 0
        color: qomxStyle.colors["errorBgColor"]

        Text {
            id: errorLabel
            textFormat: Text.PlainText
            anchors.verticalCenter: parent.verticalCenter
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 14
            anchors.rightMargin: 14
            wrapMode: Text.WordWrap
            text: rootWindow.errorText
            color: qomxStyle.colors["errorText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
        }
    }

    Flickable {
        id: scroller
        anchors.top: errorBanner.bottom
        anchors.topMargin: 6
        anchors.bottom: footer.top
        anchors.left: parent.left
        anchors.right: parent.right
        clip: true
        contentWidth: width
        contentHeight: fieldColumn.height + 10
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: fieldColumn
            width: scroller.width

            Repeater {
                id: fields
                model: rootWindow.fieldsModel

                delegate: ContactCardField {
                    width: fieldColumn.width
                    onTabPressed: card.moveFocus(index, 1)
                    onBacktabPressed: card.moveFocus(index, -1)
                }
            }

            Text {
                id: emptyNote
                width: parent.width
                leftPadding: 14
                topPadding: 14
                visible: !card.editing && !rootWindow.fieldValues.hasText
                text: qsTr("No details known.") + rootWindow.languageChangeProperty
                color: qomxStyle.colors["lightText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 12
            }
        }
    }

    ContactCardFooter {
        id: footer
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
    }
}
