import QtQuick 2.0

// A one-line text field with a grey placeholder shown while it is empty.
FocusScope {
    id: field

    property alias text: input.text
    property alias echoMode: input.echoMode
    property alias passwordCharacter: input.passwordCharacter
    property alias selectedText: input.selectedText
    property alias cursorPosition: input.cursorPosition
    property alias input: input
    property string placeholderText: ""
    // Keep the placeholder while focused (cleared only once typing starts).
    property bool placeholderWhileFocused: true
    property bool framed: false

    signal accepted()
    signal rightClicked()

    width: 200
    height: 26

    function copy() { input.copy() }
    function cut() { input.cut() }
    function paste() { input.paste() }
    function selectAll() { input.selectAll() }

    Rectangle {
        anchors.fill: parent
        visible: field.framed
        radius: 3
        color: qomxStyle.colors["inputFieldBackground"]
        border.width: 1
        border.color: field.activeFocus ? qomxStyle.colors["loginHighlightText"] : qomxStyle.colors["loginDivider"]
    }

    Text {
        textFormat: Text.PlainText
        anchors.fill: input
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: field.placeholderText
        visible: input.text.length === 0 && (field.placeholderWhileFocused || !input.activeFocus)
        color: qomxStyle.colors["lightText"]
        font: input.font
    }

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        verticalAlignment: TextInput.AlignVCenter
        focus: true
        clip: true
        selectByMouse: true
        color: qomxStyle.colors["loginDarkText"]
        selectionColor: qomxStyle.colors["loginHighlightText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        onAccepted: field.accepted()
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        // The cursor and the selection stay as they are for the menu's actions.
        onClicked: {
            input.forceActiveFocus()
            field.rightClicked()
        }
    }
}
