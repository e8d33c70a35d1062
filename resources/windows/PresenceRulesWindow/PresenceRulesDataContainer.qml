import QtQuick 2.15
import Marlowane 1.0

// The presence rules: the user's presence states on the left, the chosen state's rule on
// the right. The window ("rootWindow") publishes the handler and the texts.
Rectangle {
    id: root

    readonly property var handler: rootWindow.presenceRulesHandler
    readonly property var helper: rootWindow.presenceRulesUiHelper
    readonly property var rules: handler ? handler.model : null
    readonly property var selected: rules && stateList.currentIndex >= 0 && rules.revision >= 0
                                    ? rules.get(stateList.currentIndex) : null
    readonly property bool sceneEnabled: handler !== null
                                         && handler.state !== PresenceRulesHandler.ErrorFetching
                                         && handler.state !== PresenceRulesHandler.ErrorSaving
                                         && handler.xmppConnected
    readonly property bool saveAllowed: sceneEnabled && handler.state !== PresenceRulesHandler.Saving
                                        && handler.state !== PresenceRulesHandler.None
                                        && rules.revision >= 0 && rules.hasActions()

    width: 400
    height: 180
    color: qomxStyle.colors["whiteBackground"]
    enabled: sceneEnabled
    opacity: enabled ? 1.0 : 0.5

    onSaveAllowedChanged: rootWindow.setSaveEnabled(saveAllowed)
    Component.onCompleted: rootWindow.setSaveEnabled(saveAllowed)

    ListView {
        id: stateList
        objectName: "stateList"

        property int previousIndex: -1

        anchors { left: parent.left; top: parent.top; topMargin: 8; bottom: parent.bottom }
        width: 140
        clip: true
        model: root.rules
        delegate: PresenceRulesDelegate {
            onClicked: stateList.currentIndex = index
        }
        onCountChanged: if (count > 0 && currentIndex < 0) currentIndex = 0
        onCurrentIndexChanged: {
            // A state left with a rule that cannot be saved gets its stored rule back.
            if (previousIndex >= 0 && root.rules)
                root.rules.rollbackInvalidData(previousIndex)
            previousIndex = currentIndex
        }
    }

    Rectangle {
        anchors { left: stateList.right; top: parent.top; bottom: parent.bottom }
        width: 1
        color: qomxStyle.colors["lightDivider"]
    }

    Flickable {
        id: details
        objectName: "ruleDetails"
        anchors { left: stateList.right; leftMargin: 12; right: parent.right; rightMargin: 4; top: parent.top; topMargin: 8; bottom: parent.bottom }
        clip: true
        contentWidth: width
        contentHeight: content.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: content
            width: details.width - 8
            spacing: 6

            Text {
                objectName: "stateName"
                textFormat: Text.PlainText
                text: root.selected ? rootWindow.getPresenceStateAsString(root.selected.state) + rootWindow.languageChangeProperty : ""
                color: qomxStyle.colors["darkText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 13
                font.bold: true
            }

            Text {
                width: parent.width
                wrapMode: Text.WordWrap
                text: qsTr("Set the presence state to trigger any of the following functions. These rules are secondary to any primary call redirection settings.")
                color: qomxStyle.colors["listSecondLineText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
            }

            Repeater {
                model: [0, 1, 2]
                PresenceRulesActionDelegate {
                    width: content.width
                    action: modelData
                    rule: root.selected
                    helper: root.helper
                }
            }
        }
    }

    Connections {
        target: rootWindow
        function onWheel(delta, orientation) {
            if (orientation !== Qt.Vertical)
                return
            var top = details.contentY - delta / 3
            details.contentY = Math.max(0, Math.min(top, Math.max(0, details.contentHeight - details.height)))
        }
    }
}
