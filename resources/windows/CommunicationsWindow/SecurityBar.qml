import QtQuick 2.15

// Call recording, the call's security classification and the chat's.
Rectangle {
    width: 420
    height: 20
    color: qomxStyle.colors["whiteBackground"]
}
