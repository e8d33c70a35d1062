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
// (<value language="en">...</value>); item 413 on opens it directly in the browser.
// The link may carry "%USER%" (the signed-in user), "%NAME%" (the user's display name)
// and "%LANG%" (the active language), each filled in encoded for a URL.
class WebButtonHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool direct READ getDirect CONSTANT)

public:
    static constexpr int LinkItem = 412;
    static constexpr int DirectItem = 413;

    WebButtonHandler(Sessions::SessionManagerBase* session, const Configuration::Config* config,
                     Utils::SharedPointer<Contacts::Contacts> contacts, const QString& language, QObject* parent);

    // The configured link in the active language, as configured (placeholders unfilled).
    Q_INVOKABLE QString ConfigurationUrl() const;
    bool getDirect() const;
    // Fills the placeholders of `url` in place.
    void resolveUrl(QString& url) const;
    void setActiveLanguage(const QString& language);
    QString activeLanguage() const { return m_Language; }

private:
    QPointer<Sessions::SessionManagerBase> m_Session;
    QPointer<const Configuration::Config> m_Config;
    Utils::SharedPointer<Contacts::Contacts> m_Contacts;
    QString m_Language;
};

} // namespace Services
} // namespace Kivo
