import QtQuick 2.15

// The "Chat" section's title in the left pane: a click ends the conversation's chat or
// starts one, as the tool bar's chat button does.
PaneHeader {
    id: header

    property QtObject session: rootWindow.session

    objectName: "chatHeader"
    width: 200
    title: qsTr("Chat") + rootView.languageChangeProperty
    expanded: session !== null && session.chatActive
    enabled: session !== null
    onClicked: {
        if (session.chatActive)
            session.closeChat()
        else if (rootWindow.actionsProvider)
            rootWindow.actionsProvider.triggerAction(3)
    }
}
