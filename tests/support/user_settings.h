#pragma once

#include <Kivo/Settings.h>

#include <QVariant>
#include <QVariantMap>

namespace TestSupport {

// The user's settings; under an Environment they live in its data folder.
inline QVariant userSetting(const char* key)
{
    return Kivo::Settings(Kivo::Settings::UserSettings).value(key);
}

inline void writeUserSettings(const QVariantMap& values)
{
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

} // namespace TestSupport
