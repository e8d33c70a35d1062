#pragma once

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Controllers {
namespace Search {

// One search request: the typed text (a final "*" asks for every word that begins with
// it), at most how many results, from which result on, and the asker's own object.
class ContactSearchData
{
public:
    ContactSearchData() = default;
    ContactSearchData(const QString& text, quint32 maxResults, quint32 offset, QObject* context)
        : m_Text(text), m_MaxResults(maxResults), m_Offset(offset), m_Context(context)
    {
    }

    QString text() const { return m_Text; }
    quint32 maxResults() const { return m_MaxResults; }
    quint32 offset() const { return m_Offset; }
    QObject* context() const { return m_Context; }

private:
    QString m_Text;
    quint32 m_MaxResults = 0xFFFFFFFFu;
    quint32 m_Offset = 0;
    QPointer<QObject> m_Context;
};

// One person found in a directory. What the directory knows beyond the fields below comes
// under its own attribute names in additionalData ("emailAddress", "department", "mobile",
// "extension" ...).
class ContactSearchResult
{
public:
    QString uri() const { return m_Uri; }
    QString displayName() const { return m_DisplayName; }
    QString firstName() const { return m_FirstName; }
    QString lastName() const { return m_LastName; }
    QString hiraganafirstName() const { return m_HiraganaFirstName; }
    QString hiraganalastName() const { return m_HiraganaLastName; }
    QString jid() const { return m_Jid; }
    QString phone() const { return m_Phone; }
    QString corvantiumuid() const { return m_Uid; }
    QMap<QString, QString> additionalData() const { return m_AdditionalData; }

    void setUri(const QString& uri) { m_Uri = uri; }
    void setDisplayName(const QString& name) { m_DisplayName = name; }
    void setFirstName(const QString& name) { m_FirstName = name; }
    void setLastName(const QString& name) { m_LastName = name; }
    void setHiraganaNames(const QString& first, const QString& last)
    {
        m_HiraganaFirstName = first;
        m_HiraganaLastName = last;
    }
    void setJid(const QString& jid) { m_Jid = jid; }
    void setPhone(const QString& phone) { m_Phone = phone; }
    void setCorvantiumuid(const QString& uid) { m_Uid = uid; }
    void setAdditionalData(const QString& name, const QString& value) { m_AdditionalData.insert(name, value); }

private:
    QString m_Uri;
    QString m_DisplayName;
    QString m_FirstName;
    QString m_LastName;
    QString m_HiraganaFirstName;
    QString m_HiraganaLastName;
    QString m_Jid;
    QString m_Phone;
    QString m_Uid;
    QMap<QString, QString> m_AdditionalData;
};

} // namespace Search
} // namespace Controllers
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Controllers::Search::ContactSearchResult)
Q_DECLARE_METATYPE(QList<Kivo::Controllers::Search::ContactSearchResult>)
