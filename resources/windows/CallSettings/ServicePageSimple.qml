import QtQuick 2.15
import "../../controls"

// A service that is only on or off (do not disturb, hiding the number): one check box that
// goes to the server as soon as it is clicked.
Item {
    id: page

    property string serviceName
    property alias title: header.title
    property alias description: header.description
    property string checkText
    property var service: null
    property bool lookedUp: false
    property bool pushing: false
    property string status: ""
    property bool statusIsError: false

    function pageActivated() {
        service = typeof ss_ctrl2 !== "undefined" && ss_ctrl2 ? ss_ctrl2.getServiceByName(serviceName) : null
        lookedUp = true
        if (!service)
            return
        if (service.activity === 0 && service.state === -1) {
            setStatus(qsTr("Fetching service state..."), false)
            box.visible = false
            service.fetch()
        } else {
            showService()
        }
    }

    function setStatus(text, error) {
        status = text
        statusIsError = error
    }

    function showService() {
        box.visible = service.state >= 0
        box.checked = service.state === 1
        if (!statusIsError)
            setStatus("", false)
    }

    Connections {
        target: page.service
        ignoreUnknownSignals: true
        function onReady() {
            page.pushing = false
            page.showService()
        }
        function onError(text) {
            var what = page.pushing ? qsTr("Service update error") : qsTr("Service fetch error")
            var message = text.length > 0 ? what + ": " + text : what
            page.setStatus(message, true)
            dialog.showErrorMessage(message)
            if (page.pushing) {
                page.pushing = false
                page.service.rollback()
            }
        }
    }

    PageHeader {
        id: header
    }

    Checkbox {
        id: box
        objectName: "serviceBox"
        anchors { left: parent.left; top: header.bottom; topMargin: 16 }
        visible: false
        enabled: page.service !== null && page.service.activity === 0
        text: page.checkText
        onToggled: {
            page.setStatus(qsTr("Saving..."), false)
            page.pushing = true
            page.service.setState(checked ? 1 : 0)
            page.service.push()
        }
    }

    Text {
        objectName: "serviceStatus"
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; top: header.bottom; topMargin: box.visible ? 44 : 16 }
        wrapMode: Text.WordWrap
        text: page.lookedUp && !page.service ? qsTr("Service is not available for this account") : page.status
        color: page.statusIsError ? qomxStyle.colors["errorText"] : qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }
}
