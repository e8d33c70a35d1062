#pragma once

#include <QMetaType>

namespace Utils {

// The page the call-settings window opens at, as the toolbar menu and the main window ask.
enum CallSettingsPage : int
{
    GeneralPage = 0,
    CorvantiumAnywherePage = 1,
    RemoteOfficePage = 2,
    SimultaneousRingPage = 3,
    CallForwardingPage = 4,
    DoNotDisturbPage = 5,
    HideNumberPage = 6
};

} // namespace Utils

Q_DECLARE_METATYPE(Utils::CallSettingsPage)
