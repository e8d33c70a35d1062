import QtQuick 2.15

// The shared desktop, as its viewer or its sharer sees it.
Rectangle {
    width: 420
    height: 275
    color: qomxStyle.colors["whiteBackground"]
}
