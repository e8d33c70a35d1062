#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Sessions {
class SessionManagerBase;
}
namespace Services {

// The configured web button of the main window: its link, with the user's details filled
// in, and whether the link opens outside the program.
//
// Configuration: item 412 holds the link, as text or per language
// (<value language="en">...</value>); item 413 on opens it directly, item 414 on inside the
// main window (else in the browser); item 415 is the button's tool tip, like the link.
// The link may carry "%USER%" (the signed-in user), "%NAME%" (the user's display name)
// and "%LANG%" (the active language), each filled in encoded for a URL.
class WebButtonHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool direct READ getDirect CONSTANT)
    Q_PROPERTY(bool targetMain READ isTargetMain CONSTANT)
    Q_PROPERTY(bool isReady READ isReady NOTIFY errorChanged)
    Q_PROPERTY(int error READ error NOTIFY errorChanged)
    Q_PROPERTY(QString tooltip READ tooltip NOTIFY languageChanged)

public:
    static constexpr int LinkItem = 412;
    static constexpr int DirectItem = 413;
    static constexpr int TargetMainItem = 414;
    static constexpr int TooltipItem = 415;
    // What went wrong with the button: nothing, no link configured, or its page did not load.
    enum Error
    {
        NoError = 0,
        ConfigurationError = 1,
        LoadError = 2
    };
    Q_ENUM(Error)

    WebButtonHandler(Sessions::SessionManagerBase* session, const Configuration::Config* config,
                     Utils::SharedPointer<Contacts::Contacts> contacts, const QString& language, QObject* parent);

    // The configured link in the active language, as configured (placeholders unfilled).
    Q_INVOKABLE QString ConfigurationUrl() const;
    bool getDirect() const;
    bool isTargetMain() const;
    // A link is configured and its page did not fail.
    bool isReady() const { return error() == NoError; }
    int error() const;
    QString tooltip() const;
    // Fills the placeholders of `url` in place.
    void resolveUrl(QString& url) const;
    void setActiveLanguage(const QString& language);
    QString activeLanguage() const { return m_Language; }

public slots:
    // The page of the link loaded, or failed to.
    void setContentLoaded(bool loaded);

signals:
    void errorChanged();
    void languageChanged();

private:
    QPointer<Sessions::SessionManagerBase> m_Session;
    QPointer<const Configuration::Config> m_Config;
    Utils::SharedPointer<Contacts::Contacts> m_Contacts;
    QString m_Language;
    bool m_LoadFailed = false;
};

} // namespace Services
} // namespace Kivo
