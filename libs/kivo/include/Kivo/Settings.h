#pragma once

#include <QSettings>
#include <QString>

namespace Kivo {

namespace Utils {
namespace Credentials {
class CredentialsManager;
}
} // namespace Utils

// Persistent settings, one INI file per settings type. The folder of each type is set once
// at start-up with setPath(); until then the per-user types live in the data folder and
// the defaults in the program's "settings" folder.
class Settings : public QSettings
{
    Q_OBJECT

public:
    enum SettingsType
    {
        UserSettings = 0,        // the user's interface choices
        ApplicationSettings = 1, // sign-in, window placement, language (application_setting.ini)
        DefaultSettings = 2,     // shipped branding defaults, beside the program
        StyleSettings = 3,       // style sheets from the resources, read-only
        MediaSettings = 4        // audio and video processing
    };
    Q_ENUM(SettingsType)

    static constexpr int SettingsTypeCount = 5;

    explicit Settings(SettingsType type, QObject* parent = nullptr);
    // Writes what changed; a file that could not be written is logged.
    ~Settings() override;

    SettingsType type() const { return m_Type; }

    static void setPath(SettingsType type, const QString& folder);
    static QString path(SettingsType type);
    static QString fileNameFor(SettingsType type);
    // The folder joined with the file name: where a Settings of this type reads and writes.
    static QString filePathFor(SettingsType type);
    static bool isValidType(int type);

    // The user name of the last sign-in, as typed, or in its full form when `fullUri`;
    // empty without a credentials manager.
    static QString getLoginUsername(const Utils::Credentials::CredentialsManager* credentials, bool fullUri);
    static void setLoginUsername(Utils::Credentials::CredentialsManager* credentials, const QString& name);

private:
    SettingsType m_Type;
};

} // namespace Kivo
