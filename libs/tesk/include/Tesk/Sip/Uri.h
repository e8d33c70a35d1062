#pragma once

#include <Tesk/Bytes.h>
#include <Tesk/Core/RefCountable.h>
#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QList>
#include <QPair>
#include <QString>

namespace Tesk {
namespace Sip {

class Uri;
using UriPtr = Core::Refcounting::SmartPtr<Uri>;

// A SIP address as it appears in name-addr or addr-spec form:
//   "Display Name" <sip:user:password@host:port;uri-params?headers>;field-params
//   Display Name <sips:user@host>
//   sip:user@host, tel:+4930123, user@host (taken as sip)
// Parts are kept as written: escaped user names stay escaped (see UrlDecode).
class Uri : public Core::RefCountable
{
public:
    using Parameter = QPair<Bytes, Bytes>;

    Uri();

    // A new URI, or a null pointer (and a logged error) when `text` is not a SIP address.
    static UriPtr parse(const Bytes& text);
    static UriPtr parse(const QString& text);

    // With `withDisplayName`, the name-addr form ("Name" <sip:...>) when there is a
    // display name; otherwise the bare URI (scheme, user, host, port, URI parameters, headers).
    QString toString(bool withDisplayName) const;

    // Null when the address has no display name (an empty quoted name is empty, not null).
    const Bytes& DisplayName() const { return m_DisplayName; }
    const Bytes& Username() const { return m_Username; }
    const Bytes& Password() const { return m_Password; }
    const Bytes& Scheme() const { return m_Scheme; }
    const Bytes& Host() const { return m_Host; }
    int Port() const { return m_Port; } // 0 when not given
    const QList<Parameter>& Parameters() const { return m_Parameters; }
    const Bytes& Headers() const { return m_Headers; }
    // Parameters after the closing '>' (for example tag).
    const QList<Parameter>& FieldParameters() const { return m_FieldParameters; }
    // The value of a URI parameter (case-insensitive name), null when absent.
    Bytes parameter(const char* name) const;

private:
    bool parseAddress(const QByteArray& address);

    Bytes m_DisplayName;
    Bytes m_Scheme;
    Bytes m_Username;
    Bytes m_Password;
    Bytes m_Host;
    int m_Port = 0;
    QList<Parameter> m_Parameters;
    Bytes m_Headers;
    QList<Parameter> m_FieldParameters;
};

// Decodes %XX escapes; a '%' not followed by two hex digits stays as it is, and '+' is kept
// (phone numbers in SIP addresses carry it).
Bytes UrlDecode(const Bytes& text);

} // namespace Sip
} // namespace Tesk
