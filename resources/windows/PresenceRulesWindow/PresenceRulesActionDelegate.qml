import QtQuick 2.15
import "../../controls"

// One rule action for the chosen state: a round choice, its name and, for forwarding, the
// number calls go to.
Item {
    id: row

    property int action: 0
    property var rule: null
    property var helper: null
    readonly property bool chosen: rule !== null && rule.action === action
    readonly property bool hasParam: helper !== null && helper.presnceRulesActionHasParam(action)

    height: 24

    Rectangle {
        id: dot
        anchors { left: parent.left; verticalCenter: parent.verticalCenter }
        width: 14
        height: 14
        radius: 7
        color: qomxStyle.colors["inputFieldBackground"]
        border.width: 1
        border.color: mouse.containsMouse || row.chosen ? qomxStyle.colors["loginHighlightText"] : qomxStyle.colors["loginDivider"]

        Rectangle {
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: 3
            visible: row.chosen
            color: qomxStyle.colors["loginHighlightText"]
        }
    }

    Text {
        id: label
        objectName: "action" + row.action
        textFormat: Text.PlainText
        anchors { left: dot.right; leftMargin: 6; verticalCenter: parent.verticalCenter }
        text: row.helper ? row.helper.getTextForPresnceRulesAction(row.action) : ""
        color: qomxStyle.colors["loginDarkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }

    MouseArea {
        id: mouse
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom; right: label.right }
        hoverEnabled: true
        onClicked: if (row.rule) row.rule.action = row.action
    }

    BackgroundTextInput {
        id: param
        objectName: "forwardNumber"
        anchors { left: label.right; leftMargin: 8; right: parent.right; verticalCenter: parent.verticalCenter }
        height: 22
        visible: row.hasParam
        enabled: row.chosen
        framed: true
        placeholderText: qsTr("Phone number")
        text: row.rule && row.hasParam ? row.rule.param : ""
        onTextChanged: if (row.rule && row.hasParam && row.rule.param !== text) row.rule.param = text
    }
}
