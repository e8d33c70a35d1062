import QtQuick 2.15

// A person's picture: the profile photo their presence publishes, while the user shows
// profile photos ("Show Profile Photos") where the scene has that switch, else the first
// letter of the name on a disc.
Rectangle {
    id: avatar

    // The presence object that carries the picture (avatarUrl); null for none.
    property var presence: null
    property string name: ""
    property bool round: true
    readonly property bool showsPhoto: photo.visible

    radius: round ? width / 2 : 0
    color: qomxStyle.colors["mediumDivider"]
    clip: true

    Text {
        textFormat: Text.PlainText
        anchors.centerIn: parent
        visible: !photo.visible
        text: (avatar.name || "?").charAt(0).toUpperCase()
        color: qomxStyle.colors["whiteText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: Math.round(avatar.height * 0.46)
        font.bold: true
    }
    Image {
        id: photo
        objectName: "avatarPhoto"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        smooth: true
        asynchronous: false
        // Scenes without the switch (a contact's own card) always show the photo.
        readonly property bool wanted: typeof profilePictureHelper === "undefined" || profilePictureHelper === null
                                       || profilePictureHelper.showProfilePictures
        source: wanted && avatar.presence ? avatar.presence.avatarUrl : ""
        visible: wanted && status === Image.Ready
    }
    // A ring of the background rounds the square photo off.
    Rectangle {
        visible: photo.visible && avatar.round
        anchors.centerIn: parent
        width: parent.width + 2 * border.width
        height: width
        radius: width / 2
        color: "transparent"
        border.width: Math.ceil(avatar.width * 0.21)
        border.color: avatar.parent && avatar.parent.color !== undefined ? avatar.parent.color : qomxStyle.colors["whiteBackground"]
    }
}
