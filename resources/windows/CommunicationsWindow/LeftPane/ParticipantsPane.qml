import QtQuick 2.15

// The participants of a conference or group chat.
Rectangle {
    width: 200
    height: 150
    color: qomxStyle.colors["whiteBackground"]
}
