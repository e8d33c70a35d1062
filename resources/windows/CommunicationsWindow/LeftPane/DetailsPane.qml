import QtQuick 2.15

// Dial-in information of a My Room conference.
Rectangle {
    width: 200
    height: 60
    color: qomxStyle.colors["whiteBackground"]
}
