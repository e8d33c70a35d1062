#pragma once

#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Webcollab {

// One piece of content of a collaboration session (a screen or application share).
class TContentItem
{
public:
    TContentItem() = default;
    TContentItem(const QString& id, const QString& contextId, const QString& creatorId)
        : m_Id(id)
        , m_ContextId(contextId)
        , m_CreatorId(creatorId)
    {
    }

    bool isValid() const { return !m_Id.isEmpty(); }
    QString id() const { return m_Id; }
    // The share context that the content belongs to.
    QString contextId() const { return m_ContextId; }
    // The session user who created (presents) the content.
    QString creatorId() const { return m_CreatorId; }

    bool operator==(const TContentItem& other) const { return m_Id == other.m_Id; }

private:
    QString m_Id;
    QString m_ContextId;
    QString m_CreatorId;
};

} // namespace Webcollab
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Webcollab::TContentItem)
