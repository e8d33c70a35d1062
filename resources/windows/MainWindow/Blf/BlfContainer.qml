import QtQuick 2.15

// The Team Telephony window's list of monitored team members. The window grows with the
// list up to twenty rows and never shrinks again.
Rectangle {
    id: container
    objectName: "blfContainer"

    readonly property int rowHeight: 26
    readonly property int minimumRows: 6
    readonly property int maximumRows: 20
    property int grownRows: minimumRows

    function fitRows() {
        var rows = Math.min(list.count, maximumRows)
        if (rows <= grownRows)
            return
        grownRows = rows
        rootWindow.setWindowHeight(rows * rowHeight)
    }

    width: 250
    height: rowHeight * minimumRows
    color: qomxStyle.colors["whiteBackground"]

    Rectangle {
        id: divider
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        width: 1
        color: qomxStyle.colors["darkDivider"]
    }

    ListView {
        id: list
        objectName: "blfList"
        anchors { left: divider.right; top: parent.top; right: parent.right; bottom: parent.bottom }
        clip: true
        model: blfSelectionModel
        keyNavigationWraps: false
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        delegate: BlfDelegate {
            width: list.width
            height: container.rowHeight
        }

        onCountChanged: container.fitRows()
        onCurrentIndexChanged: {
            if (blfSelectionHandler.currentIndex !== currentIndex)
                blfSelectionHandler.currentIndex = currentIndex
        }
        Keys.onTabPressed: rootWindow.moveSelection(false)
        Keys.onBacktabPressed: rootWindow.moveSelection(true)

        Connections {
            target: blfSelectionHandler
            function onCurrentIndexChanged() {
                if (list.currentIndex !== blfSelectionHandler.currentIndex)
                    list.currentIndex = blfSelectionHandler.currentIndex
            }
        }
    }

    Rectangle {
        id: scrollBar
        objectName: "blfScrollBar"
        anchors.right: parent.right
        width: 4
        radius: 2
        visible: list.contentHeight > list.height
        y: list.visibleArea.yPosition * list.height
        height: list.visibleArea.heightRatio * list.height
        color: qomxStyle.colors["darkDivider"]
        opacity: 0.6
    }

    // The window takes the scene's first size when it loads; the list's own size follows.
    Component.onCompleted: Qt.callLater(fitRows)
}
