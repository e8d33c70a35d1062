import QtQuick 2.0
import Torvex 1.0
import Marlowane 1.0 as M
import ".."
import "../../controls"

Window {
    id: logindialog

    // Mirrors of the window's properties.
    property string username: rootItem.username
    property string password: rootItem.password
    property string configName: rootItem.configName
    property int configIdx: rootItem.configIdx
    property string vyxAddress: rootItem.vyxAddress
    property bool showPwHelpLink: rootItem.showPwHelpLink
    property bool showPreferencesLink: rootItem.showPreferencesLink
    property bool showVyxField: rootItem.showVyxField

    readonly property string usernamePlaceholder: qsTr("Enter your username")
    readonly property string passwordPlaceholder: qsTr("Enter your password")
    readonly property bool signingInOrOut: state !== "signin"
    // The login URL is either fixed by the branding (field hidden) or typed in.
    readonly property bool urlGiven: !showVyxField || vyxField.text.length > 0
    readonly property bool credentialsFilled: userBox.text.length > 0 && passwordField.text.length > 0
    readonly property bool signinEnabled: credentialsFilled && userBox.text !== usernamePlaceholder
                                          && passwordField.text !== passwordPlaceholder && urlGiven
    property int configCount: rootItem.configsNum()
    property bool editingUsername: false

    signal signinClicked()
    signal cancelSigninClicked()
    signal closeClicked()
    signal showHelpClicked()
    signal showPwHelpClicked()

    width: 285
    height: 425
    color: qomxStyle.colors["loginBackground"]
    state: "signin"

    // The button, Return and Enter all end here; the fields leave both keys to the window.
    function activateSignin() {
        if (state === "signin" && signinEnabled) {
            console.log(">>> Signing in...")
            state = "signingin"
            signinClicked()
        } else if (state === "signingin") {
            console.log(">>> Cancelling signing in...")
            state = "signin"
            cancelSigninClicked()
        }
    }

    // Tab order: URL field, user name, password, the two check boxes, configuration box.
    function focusChain() {
        return [vyxField, userSlot, passwordField, rememberBox, autologinBox, configBox]
    }

    function canFocus(item) {
        if (item === userSlot)
            return credentials.visible && urlGiven
        if (item === passwordField)
            return credentials.visible && passwordField.visible && passwordField.enabled
        return item.visible && item.enabled
    }

    function giveFocus(item) {
        if (item === userSlot) {
            editingUsername = true
            userBox.focus = true
        } else if (item === configBox) {
            configBox.focus = true
        } else {
            item.forceActiveFocus()
        }
    }

    function moveFocus(from, forward) {
        var chain = focusChain()
        var index = chain.indexOf(from)
        for (var step = 1; step <= chain.length; ++step) {
            var next = chain[(index + (forward ? step : chain.length - step) + chain.length) % chain.length]
            if (canFocus(next)) {
                giveFocus(next)
                return
            }
        }
    }

    // Shown for input, the caret waits in the first field still to fill.
    function focusFirstEmptyField() {
        if (state !== "signin")
            return
        if (showVyxField && vyxField.text.length === 0)
            vyxField.forceActiveFocus()
        else if (userBox.text.length === 0)
            giveFocus(userSlot)
        else if (passwordField.enabled)
            passwordField.forceActiveFocus()
    }

    function reportSelection(text) {
        textFieldActionsHandler.selectedText = text
    }

    Binding { target: rootItem; property: "vyxAddress"; value: vyxField.text }
    Binding { target: rootItem; property: "username"; value: userBox.text }
    Binding { target: rootItem; property: "password"; value: passwordField.text }

    Connections {
        target: rootItem
        function onUsernameChanged() { if (userBox.text !== rootItem.username) userBox.text = rootItem.username }
        function onPasswordChanged() { if (passwordField.text !== rootItem.password) passwordField.text = rootItem.password }
        function onVyxAddressChanged() { if (vyxField.text !== rootItem.vyxAddress) vyxField.text = rootItem.vyxAddress }
        function onVyxAddressChangedExternally() { vyxField.cursorPosition = 0 }
        function onRememberPasswordChanged() { rememberBox.checked = rootItem.rememberPasswordChecked }
        function onAutologinChanged() { autologinBox.checked = rootItem.autologinChecked }
        function onConfigsModelChanged() { logindialog.configCount = rootItem.configsNum() }
        // Coming back to the input state, the fields take the caret once they are shown.
        function onShowSignin() {
            if (logindialog.state === "signin")
                logindialog.focusFirstEmptyField()
            else
                logindialog.state = "signin"
        }
        function onShowSigningin() { logindialog.state = "signingin" }
        function onShowSigningout() { logindialog.state = "signingout" }
    }

    Connections {
        target: rootView
        function onVisibleChanged() { if (rootView.visible) logindialog.focusFirstEmptyField() }
    }

    Connections {
        target: textFieldActionsHandler
        function onCopy() {
            if (vyxField.activeFocus)
                vyxField.copy()
            else if (userBox.focus)
                userBox.copy()
        }
        function onCut() {
            if (vyxField.activeFocus)
                vyxField.cut()
            else if (userBox.focus)
                userBox.cut()
        }
        function onPaste() {
            if (vyxField.activeFocus)
                vyxField.paste()
            else if (userBox.focus)
                userBox.paste()
            else if (passwordField.activeFocus)
                passwordField.paste()
        }
        function onSelectAll() {
            if (vyxField.activeFocus)
                vyxField.selectAll()
            else if (userBox.focus)
                userBox.selectAll()
            else if (passwordField.activeFocus)
                passwordField.selectAll()
        }
    }

    Keys.onReturnPressed: activateSignin()
    Keys.onEnterPressed: activateSignin()

    Image {
        id: banner
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        source: "qrc:/windows/LoginWindow/login_window_bg.png"
    }

    BackgroundTextInput {
        id: vyxField
        objectName: "urlField"
        x: 30
        y: 110
        width: 225
        height: 26
        framed: true
        visible: logindialog.showVyxField && opacity > 0
        placeholderText: qsTr("Enter login URL to access client") + rootWindow.languageChangeProperty
        onRightClicked: rootWindow.openTextFieldMenu(false)
        onSelectedTextChanged: if (activeFocus) logindialog.reportSelection(selectedText)
        onActiveFocusChanged: logindialog.reportSelection(activeFocus ? selectedText : "")
        Keys.onTabPressed: logindialog.moveFocus(vyxField, true)
        Keys.onBacktabPressed: logindialog.moveFocus(vyxField, false)
    }

    Rectangle {
        id: credentials
        x: 30
        y: logindialog.showVyxField ? 146 : 136
        width: 225
        height: 60
        radius: 3
        visible: opacity > 0
        color: qomxStyle.colors["inputFieldBackground"]
        border.width: 1
        border.color: qomxStyle.colors["loginDivider"]

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            onClicked: rootWindow.openTextFieldMenu(false)
        }

        Item {
            id: userSlot
            objectName: "userName"
            x: 1
            y: 1
            width: parent.width - 2
            height: 28
            visible: opacity > 0

            Text {
                textFormat: Text.PlainText
                anchors.fill: parent
                anchors.leftMargin: 8
                verticalAlignment: Text.AlignVCenter
                text: logindialog.usernamePlaceholder + rootWindow.languageChangeProperty
                visible: !userBox.visible
                color: qomxStyle.colors["lightText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 12
            }

            MouseArea {
                anchors.fill: parent
                enabled: !userBox.visible && logindialog.urlGiven
                onClicked: logindialog.giveFocus(userSlot)
            }

            LoginComboBox {
                id: userBox
                anchors.fill: parent
                editable: true
                visible: logindialog.urlGiven && (text.length > 0 || logindialog.editingUsername)
                Component.onCompleted: {
                    setModel(usernamesFilterModel)
                    setMaximumWidth(width)
                }
                onFocusChanged: {
                    if (!focus && text.length === 0)
                        logindialog.editingUsername = false
                    logindialog.reportSelection(focus ? selectedText : "")
                }
                onSelectedTextChanged: if (focus) logindialog.reportSelection(selectedText)
                onKeyTab: logindialog.moveFocus(userSlot, true)
                onKeyBacktab: logindialog.moveFocus(userSlot, false)
                onKeyReturn: logindialog.activateSignin()
                onRightClicked: rootWindow.openTextFieldMenu(false)
            }
        }

        Rectangle {
            x: 1
            y: 30
            width: parent.width - 2
            height: 1
            color: qomxStyle.colors["loginDivider"]
        }

        BackgroundTextInput {
            id: passwordField
            objectName: "passwordField"
            x: 1
            y: 31
            width: parent.width - 2
            height: 28
            visible: opacity > 0
            enabled: logindialog.urlGiven
            echoMode: TextInput.Password
            passwordCharacter: "*"
            placeholderText: logindialog.passwordPlaceholder + rootWindow.languageChangeProperty
            placeholderWhileFocused: false
            onRightClicked: rootWindow.openTextFieldMenu(true)
            // A password's text never reaches the clipboard.
            onActiveFocusChanged: if (activeFocus) logindialog.reportSelection("")
            Keys.onTabPressed: logindialog.moveFocus(passwordField, true)
            Keys.onBacktabPressed: logindialog.moveFocus(passwordField, false)
        }
    }

    LinkText {
        id: pwLink
        anchors.right: credentials.right
        y: credentials.y + credentials.height + 4
        visible: logindialog.showPwHelpLink && opacity > 0
        text: qsTr("Forgot Password?") + rootWindow.languageChangeProperty
        onClicked: logindialog.showPwHelpClicked()
    }

    Checkbox {
        id: rememberBox
        objectName: "rememberBox"
        x: 30
        y: credentials.y + credentials.height + 22
        visible: opacity > 0
        enabled: logindialog.credentialsFilled && rootItem.passwordsCanBeKept
        text: qsTr("Remember password") + rootWindow.languageChangeProperty
        onEnabledChanged: rootItem.rememberPasswordChecked = enabled ? checked : false
        onToggled: rootItem.rememberPasswordChecked = checked
        Keys.onTabPressed: logindialog.moveFocus(rememberBox, true)
        Keys.onBacktabPressed: logindialog.moveFocus(rememberBox, false)
    }

    Checkbox {
        id: autologinBox
        objectName: "autologinBox"
        x: 30
        y: rememberBox.y + 22
        visible: opacity > 0
        enabled: logindialog.credentialsFilled && rememberBox.checked && rootItem.passwordsCanBeKept
        text: qsTr("Sign in automatically") + rootWindow.languageChangeProperty
        // Without a remembered password there is nothing to sign in with: never ticked then.
        onEnabledChanged: if (!enabled) { checked = false; rootItem.autologinChecked = false }
        onToggled: rootItem.autologinChecked = checked
        Keys.onTabPressed: logindialog.moveFocus(autologinBox, true)
        Keys.onBacktabPressed: logindialog.moveFocus(autologinBox, false)
    }

    // Without a password store the two boxes stay off; resting on them says why.
    MouseArea {
        id: passwordStoreHint
        objectName: "passwordStoreHint"
        x: rememberBox.x
        y: rememberBox.y
        width: Math.max(rememberBox.width, autologinBox.width)
        height: autologinBox.y + autologinBox.height - rememberBox.y
        visible: !rootItem.passwordsCanBeKept && rememberBox.visible
        hoverEnabled: true
        acceptedButtons: Qt.NoButton
        onEntered: passwordStoreTip.showToolTip(rootItem.passwordsNotKeptReason, 300)
        onExited: passwordStoreTip.hideToolTip()
        M.ToolTip { id: passwordStoreTip }
    }

    LoginComboBox {
        id: configBox
        x: 30
        y: autologinBox.y + 26
        width: 225
        height: 24
        editable: false
        visible: opacity > 0 && logindialog.configCount > 1
        Component.onCompleted: setModel(configsFilterModel)
        onActivatedIdxChanged: {
            rootItem.configIdx = currentIdx
            rootItem.configName = text
        }
        onKeyTab: logindialog.moveFocus(configBox, true)
        onKeyBacktab: logindialog.moveFocus(configBox, false)
    }

    // Shades the credentials until a login URL is typed.
    Rectangle {
        id: shadow
        x: credentials.x - 4
        y: credentials.y - 4
        width: credentials.width + 8
        height: (configBox.visible ? configBox.y + configBox.height : credentials.y + credentials.height) - y + 4
        radius: 14
        opacity: 0.9
        visible: logindialog.showVyxField && vyxField.text.length === 0 && !logindialog.signingInOrOut
        color: qomxStyle.colors["inputFieldBackground"]

        MouseArea {
            anchors.fill: parent
        }
    }

    TextButton {
        id: signinButton
        objectName: "signinButton"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 50
        anchors.rightMargin: 50
        y: pwLink.height + (configBox.visible ? 310 : 286)
        height: 30
        enabled: logindialog.signinEnabled
        onClicked: logindialog.activateSignin()
    }

    Item {
        id: waitArea
        anchors.fill: parent
        visible: logindialog.signingInOrOut

        Item {
            id: spinner
            readonly property string themeAnimation: "qrc:/loading_icon.gif"
            readonly property bool themed: qmlHelper.checkResource(themeAnimation)
            width: 32
            height: 32
            anchors.horizontalCenter: parent.horizontalCenter
            y: 165

            AnimatedImage {
                anchors.centerIn: parent
                visible: spinner.themed
                source: spinner.themed ? spinner.themeAnimation : ""
                // The window stays, hidden, while the user is signed in: no frames for nobody.
                playing: visible && waitArea.visible && rootView.visible
            }

            Image {
                anchors.fill: parent
                visible: !spinner.themed
                source: "qrc:/windows/LoginWindow/loading_icon.png"
                RotationAnimation on rotation {
                    objectName: "spinnerAnimation"
                    running: waitArea.visible && !spinner.themed && rootView.visible
                    from: 0
                    to: 360
                    duration: 1000
                    loops: Animation.Infinite
                }
            }
        }

        Text {
            id: waitText
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            y: 220
            color: qomxStyle.colors["loginDarkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 13
            text: {
                var language = rootWindow.languageChangeProperty
                switch (rootItem.loginState) {
                case LoginWindow.DetectingProxy:
                    return qsTr("Fetching Proxy Settings...") + language
                case LoginWindow.SigningIn:
                    return qsTr("Signing In...") + language
                case LoginWindow.SigningOut:
                    return qsTr("Signing Out...") + language
                default:
                    return ""
                }
            }
        }
    }

    Row {
        id: infoRow
        x: 20
        y: 350
        spacing: 6

        Text {
            textFormat: Text.PlainText
            anchors.verticalCenter: parent.verticalCenter
            text: rootItem.versionInfo
            color: qomxStyle.colors["loginDarkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }

        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 3
            height: 3
            visible: helpLink.visible
            color: qomxStyle.colors["loginDarkText"]
        }

        LinkText {
            id: helpLink
            visible: rootItem.showHelpLink
            text: qsTr("Help") + rootWindow.languageChangeProperty
            onClicked: logindialog.showHelpClicked()
        }

        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 3
            height: 3
            visible: preferencesLink.visible
            color: qomxStyle.colors["loginDarkText"]
        }

        LinkText {
            id: preferencesLink
            objectName: "preferencesLink"
            visible: logindialog.showPreferencesLink
            text: qsTr("Preferences") + rootWindow.languageChangeProperty
            onClicked: rootItem.triggerPreferencesAction()
        }
    }

    Image {
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        source: "qrc:/windows/LoginWindow/bottom_logo.png"
    }

    states: [
        State {
            name: "signin"
            PropertyChanges { target: signinButton; text: qsTr("Sign In") + rootWindow.languageChangeProperty }
        },
        State {
            name: "signingin"
            PropertyChanges { target: signinButton; text: qsTr("Cancel") + rootWindow.languageChangeProperty }
            PropertyChanges { target: vyxField; opacity: 0 }
            PropertyChanges { target: credentials; opacity: 0 }
            PropertyChanges { target: userSlot; opacity: 0 }
            PropertyChanges { target: passwordField; opacity: 0 }
            PropertyChanges { target: pwLink; opacity: 0 }
            PropertyChanges { target: rememberBox; opacity: 0 }
            PropertyChanges { target: autologinBox; opacity: 0 }
            PropertyChanges { target: configBox; opacity: 0 }
        },
        State {
            name: "signingout"
            extend: "signingin"
            PropertyChanges { target: signinButton; text: qsTr("Signing Out") + rootWindow.languageChangeProperty; enabled: false }
        }
    ]

    transitions: [
        Transition {
            to: "signingin,signingout"
            ParallelAnimation {
                NumberAnimation {
                    targets: [vyxField, credentials, userSlot, passwordField, pwLink, rememberBox, autologinBox, configBox]
                    property: "opacity"
                    duration: 350
                }
                SequentialAnimation {
                    NumberAnimation { target: signinButton; property: "textOpacity"; to: 0; duration: 350 }
                    PropertyAction { target: signinButton; property: "text" }
                    NumberAnimation { target: signinButton; property: "textOpacity"; to: 1; duration: 350 }
                }
            }
        },
        Transition {
            to: "signin"
            SequentialAnimation {
                ParallelAnimation {
                    NumberAnimation { target: vyxField; property: "opacity"; duration: 350 }
                    SequentialAnimation {
                        PauseAnimation { duration: 200 }
                        NumberAnimation { targets: [credentials, pwLink]; property: "opacity"; duration: 200 }
                    }
                    SequentialAnimation {
                        PauseAnimation { duration: 400 }
                        NumberAnimation { targets: [userSlot, passwordField]; property: "opacity"; duration: 100 }
                    }
                    SequentialAnimation {
                        PauseAnimation { duration: 200 }
                        NumberAnimation { targets: [rememberBox, autologinBox]; property: "opacity"; duration: 400 }
                    }
                    SequentialAnimation {
                        PauseAnimation { duration: 200 }
                        NumberAnimation { target: configBox; property: "opacity"; duration: 400 }
                    }
                    SequentialAnimation {
                        NumberAnimation { target: signinButton; property: "textOpacity"; to: 0; duration: 300 }
                        PropertyAction { target: signinButton; property: "text" }
                        NumberAnimation { target: signinButton; property: "textOpacity"; to: 1; duration: 300 }
                    }
                }
                ScriptAction { script: logindialog.focusFirstEmptyField() }
            }
        }
    ]
}
