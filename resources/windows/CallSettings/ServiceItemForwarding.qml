import QtQuick 2.15
import "../../controls"

// One service that sends calls to a number: a line that says whether it is on and where
// calls go, and, while edited, a check box, the number and Save / Cancel. Every answer of
// the server arrives as the service object's ready() or error().
Item {
    id: item

    property string serviceName
    property string label
    property string numberAttribute: "forwardToPhoneNumber"
    property var service: null
    property bool lookedUp: false
    property bool editing: false
    property bool serviceActive: false
    property string number: ""
    property bool pushing: false
    property string status: ""
    property bool statusIsError: false

    signal editRequested()

    visible: service !== null
    width: parent ? parent.width : 400
    height: visible ? (editing ? 110 : 30) + (status.length > 0 ? 18 : 0) : 0
    clip: true

    function lookUp() {
        service = typeof ss_ctrl2 !== "undefined" && ss_ctrl2 ? ss_ctrl2.getServiceByName(serviceName) : null
        lookedUp = true
    }

    function setStatus(text, error) {
        status = text
        statusIsError = error
    }

    function pageActivated() {
        lookUp()
        if (!service)
            return
        if (service.activity === 0 && service.state === -1) {
            setStatus(qsTr("Fetching service state..."), false)
            service.fetch()
        } else {
            showService()
        }
    }

    function showService() {
        serviceActive = service.state === 1
        number = service.getValue(numberAttribute)
        if (!statusIsError)
            setStatus("", false)
    }

    function startEditing() {
        editRequested()
        enableBox.checked = serviceActive
        numberField.text = number
        editing = true
        setStatus("", false)
        numberField.forceActiveFocus()
    }

    function save() {
        var typed = numberField.text.trim()
        // An empty number always switches the service off.
        var on = enableBox.checked && typed.length > 0
        service.setState(on ? 1 : 0)
        service.setValue(typed, numberAttribute)
        pushing = true
        editing = false
        setStatus(qsTr("Saving..."), false)
        service.push()
    }

    Connections {
        target: item.service
        ignoreUnknownSignals: true
        function onReady() {
            item.pushing = false
            item.showService()
        }
        function onError(text) {
            var what = item.pushing ? qsTr("Service update error") : qsTr("Service fetch error")
            var message = text.length > 0 ? what + ": " + text : what
            item.setStatus(message, true)
            dialog.showErrorMessage(message)
            if (item.pushing) {
                item.pushing = false
                item.service.rollback()
            }
        }
    }

    Text {
        id: caption
        textFormat: Text.PlainText
        anchors { left: parent.left; top: parent.top }
        height: 30
        verticalAlignment: Text.AlignVCenter
        text: item.label
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
        font.bold: true
    }

    Text {
        objectName: "serviceSummary"
        textFormat: Text.PlainText
        anchors { left: caption.right; right: editButton.left; rightMargin: 8; top: parent.top }
        height: 30
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: (item.serviceActive ? qsTr("Enabled ") : qsTr("Disabled "))
              + (item.serviceActive && item.number.length > 0 ? qsTr("to ") + item.number : "")
        color: item.serviceActive ? qomxStyle.colors["highlightText"] : qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
    }

    Rectangle {
        id: editButton
        objectName: "editButton"
        anchors { right: parent.right; top: parent.top; topMargin: 3 }
        width: 24
        height: 24
        radius: 3
        visible: !item.editing
        color: editArea.containsMouse ? qomxStyle.colors["lightDivider"] : "transparent"

        Image {
            anchors.centerIn: parent
            width: 16
            height: 16
            source: "qrc:/windows/CallSettings/callsettings_pen"
        }

        MouseArea {
            id: editArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            enabled: item.service !== null && item.service.activity === 0
            onClicked: item.startEditing()
        }

        Rectangle {
            visible: editArea.containsMouse
            anchors { right: parent.right; top: parent.bottom; topMargin: 2 }
            width: tipText.implicitWidth + 12
            height: 20
            radius: 3
            color: qomxStyle.colors["darkBackground"]
            z: 10
            Text {
                id: tipText
                anchors.centerIn: parent
                text: qsTr("Edit")
                color: qomxStyle.colors["whiteText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
            }
        }
    }

    Column {
        anchors { left: parent.left; leftMargin: 12; right: parent.right; top: parent.top; topMargin: 34 }
        spacing: 8
        visible: item.editing

        Checkbox {
            id: enableBox
            objectName: "enableServiceBox"
            text: qsTr("Enable service")
            onToggled: saveButton.enabled = true
        }

        Row {
            spacing: 10

            BackgroundTextInput {
                id: numberField
                objectName: "numberField"
                width: 180
                height: 26
                framed: true
                placeholderText: qsTr("Phone number")
                onTextChanged: if (item.editing) saveButton.enabled = true
                onAccepted: if (saveButton.enabled) item.save()
            }

            TextButton {
                id: saveButton
                objectName: "saveButton"
                width: 80
                height: 26
                fontPixelSize: 12
                text: qsTr("Save")
                enabled: false
                onClicked: item.save()
            }

            TextButton {
                objectName: "cancelButton"
                width: 80
                height: 26
                fontPixelSize: 12
                text: qsTr("Cancel")
                normalColor: qomxStyle.colors["listSecondLineText"]
                hoverColor: qomxStyle.colors["darkText"]
                onClicked: item.editing = false
            }
        }
    }

    onEditingChanged: if (!editing) saveButton.enabled = false

    Text {
        objectName: "serviceStatus"
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 18
        visible: item.status.length > 0
        elide: Text.ElideRight
        text: item.status
        color: item.statusIsError ? qomxStyle.colors["errorText"] : qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
    }
}
