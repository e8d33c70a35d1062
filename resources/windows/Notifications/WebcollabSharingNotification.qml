import QtQuick 2.15

// Tells the user, for a moment, that the desktop is now shared.
Rectangle {
    width: 370
    height: 80
    color: qomxStyle.colors["whiteBackground"]
    opacity: 0.7

    Text {
        objectName: "sharingText"
        anchors.fill: parent
        anchors.leftMargin: 30
        anchors.rightMargin: 30
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        lineHeight: 1.5
        font.family: qomxStyle.fontFamily
        color: qomxStyle.colors["blackText"]
        text: qsTr("You are now sharing your desktop. Stop the sharing from the communications window.")
              + rootView.languageChangeProperty
    }
}
