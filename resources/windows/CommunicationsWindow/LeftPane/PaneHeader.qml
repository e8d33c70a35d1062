import QtQuick 2.15

// The title line of a section of the left pane; a click folds the section or opens it.
Rectangle {
    id: header

    property string title: ""
    property bool expanded: true
    property bool foldable: true

    signal clicked()

    height: 26
    color: area.containsMouse && foldable ? qomxStyle.colors["bottomBarHoverButtonBackground"] : qomxStyle.colors["lightBackground"]

    Image {
        id: chevron
        objectName: "headerChevron"
        anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
        visible: header.foldable
        width: 10
        height: 10
        sourceSize { width: 10; height: 10 }
        source: header.expanded ? "qrc:/windows/section_open.png" : "qrc:/windows/section_folded.png"
    }
    Text {
        objectName: "headerTitle"
        textFormat: Text.PlainText
        anchors { left: header.foldable ? chevron.right : parent.left; leftMargin: header.foldable ? 6 : 8
                  right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
        elide: Text.ElideRight
        text: header.title
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        font.bold: true
    }
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: qomxStyle.colors["lightDivider"]
    }
    MouseArea {
        id: area
        anchors.fill: parent
        enabled: header.foldable
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: header.clicked()
    }
}
