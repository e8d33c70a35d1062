import QtQuick 2.0
import "../../../controls"

// The warning banner: one line per warning of errorInfoModel, with "More" for the long text.
Rectangle {
    id: banner

    color: qomxStyle.colors["errorBgColor"]
    height: rows.height

    Column {
        id: rows
        width: parent.width

        Repeater {
            model: errorInfoModel

            delegate: Item {
                objectName: "errorRow" + index
                width: rows.width
                height: 20

                Text {
                    objectName: "errorTitle"
                    textFormat: Text.PlainText
                    anchors.left: parent.left
                    anchors.leftMargin: 5
                    anchors.right: more.visible ? more.left : parent.right
                    anchors.rightMargin: 5
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.display
                    elide: Text.ElideRight
                    color: qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 11
                }

                LinkText {
                    id: more
                    objectName: "moreLink"
                    anchors.right: parent.right
                    anchors.rightMargin: 3
                    anchors.verticalCenter: parent.verticalCenter
                    visible: model.statusTip.length > 0
                    text: qsTr("More") + rootWindow.languageChangeProperty
                    onClicked: errorInfoModel.showExtendedInfo(index)
                }
            }
        }
    }
}
