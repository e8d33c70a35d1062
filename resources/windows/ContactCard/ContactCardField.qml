import QtQuick 2.9

// One row of the card: the field's name and its text, editable in add and edit mode.
Item {
    id: row

    readonly property bool editing: rootWindow.addMode || rootWindow.editMode
    readonly property bool isImAddress: model.fieldType === 12
    readonly property bool editable: editing && model.fieldEditable && !rootWindow.readOnlyMode
                                     && (!isImAddress || !rootWindow.xmppEnabled
                                         || (rootWindow.addMode && rootWindow.contact
                                             && rootWindow.contact.address.length === 0))
    readonly property var values: rootWindow.fieldValues
    readonly property string value: values.revision >= 0 ? values.valueOf(model.fieldType) : ""
    readonly property bool startsGroup: values.revision >= 0 && values.startsGroup(index, editing)
    // Leaving one of these in add mode looks the contact up in the directory.
    readonly property bool syncField: model.fieldType === 11 || model.fieldType === 3 || model.fieldType === 4
                                      || (isImAddress && rootWindow.xmppEnabled)

    signal tabPressed()
    signal backtabPressed()

    function takeFocus() {
        input.forceActiveFocus()
        input.selectAll()
    }

    // Dial-in details belong to conference contacts only.
    visible: (value.length > 0 || editing) && (model.fieldGroup !== 4 || rootWindow.conference)
    height: visible ? 26 + (startsGroup && index > 0 ? 12 : 2) : 0

    Text {
        id: label
        textFormat: Text.PlainText
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.bottom: parent.bottom
        width: 104
        height: 26
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: model.fieldName
        color: qomxStyle.colors["listSecondLineText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }

    Rectangle {
        anchors.fill: input
        anchors.leftMargin: -4
        anchors.rightMargin: -4
        visible: row.editable
        radius: 3
        color: qomxStyle.colors["inputFieldBackground"]
        border.width: 1
        border.color: input.activeFocus ? qomxStyle.colors["loginHighlightText"] : qomxStyle.colors["loginDivider"]
    }

    TextInput {
        id: input
        objectName: "field" + model.fieldType
        anchors.left: label.right
        anchors.leftMargin: 8
        anchors.right: parent.right
        anchors.rightMargin: 18
        anchors.bottom: parent.bottom
        height: 24
        verticalAlignment: TextInput.AlignVCenter
        clip: true
        text: row.value
        readOnly: !row.editable
        selectByMouse: true
        maximumLength: 100
        color: qomxStyle.colors["darkText"]
        selectionColor: qomxStyle.colors["loginHighlightText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        font.bold: row.values.emphasisedField === model.fieldType && !row.editing

        onTextEdited: row.values.setValue(model.fieldType, text)
        onActiveFocusChanged: {
            if (!activeFocus && row.syncField && rootWindow.addMode && rootWindow.syncingPossible)
                rootWindow.trySyncing(model.fieldType)
        }
        Keys.onTabPressed: row.tabPressed()
        Keys.onBacktabPressed: row.backtabPressed()
        Keys.onReturnPressed: rootWindow.save()
        Keys.onEnterPressed: rootWindow.save()
    }
}
