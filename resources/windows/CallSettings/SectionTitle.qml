import QtQuick 2.15

// A heading inside a call-settings page.
Text {
    textFormat: Text.PlainText
    color: qomxStyle.colors["darkText"]
    font.family: qomxStyle.fontFamily
    font.pixelSize: 13
    font.bold: true
}
