#pragma once

#include <Tesk/Sip/Uri.h>

#include <QString>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Utils {

// Reads the addresses that calls, links and users give, and says how to show and compare them.
class SipUriParser
{
public:
    // The simulated service needs nothing of the configuration to read addresses.
    explicit SipUriParser(const Configuration::Config* config);

    // The SIP URI that reaches `target`: a "sip:", "sips:" or "tel:" URI stays as it is, an
    // address gets the "sip:" scheme, and a number or name becomes a user of `domain`.
    // Empty for an empty target.
    static QString parseUriTp(const QString& target, const QString& domain);

    // The address in `text`: a SIP or tel URI in any form the toolkit reads (with or without a
    // display name), a user@host address, or a phone number (as a tel: URI); null for
    // anything else.
    Tesk::Sip::UriPtr parseUri(const QString& text) const;
    // The form in which two addresses of one person compare equal: "tel:" and the normalised
    // number for a phone number (also as the user part of a SIP address), else "sip:" with the
    // decoded user and the host in lower case, without display name, port or parameters. A
    // text that is no address is given back trimmed and in lower case.
    QString matchableUri(const QString& text) const;
    // The name to show for an address: its display name, else its decoded user part, else
    // its host; empty for a null address.
    QString displayNameFromUri(const Tesk::Sip::UriPtr& uri) const;
    // The same for an address in text; a text that is no address is shown as it is.
    QString displayNameFromUri(const QString& text) const;
};

} // namespace Utils
} // namespace Kivo
