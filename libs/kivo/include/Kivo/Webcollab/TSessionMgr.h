#pragma once

#include <Kivo/Webcollab/TContentItem.h>
#include <Kivo/Webcollab/TSessionUser.h>

#include <QObject>

namespace Kivo {
namespace Webcollab {

// The collaboration session of the older service: its local user, the floor and the
// content that participants open and close. One exists while a collaboration runs.
class TSessionMgr : public QObject
{
    Q_OBJECT

public:
    explicit TSessionMgr(const TSessionUser& localUser, QObject* parent = nullptr);
    ~TSessionMgr() override;

    // The running session, or null.
    static TSessionMgr* Get();

    TSessionUser localUser() const { return m_LocalUser; }
    bool holdsFloor() const { return m_HoldsFloor; }
    void setHoldsFloor(bool holds) { m_HoldsFloor = holds; }
    TContentItem activeContent() const { return m_ActiveContent; }

    // Binds content created elsewhere to this session; with the floor it also becomes
    // the group's active content.
    TContentItem resolveContent(const TContentItem& item);

    // Simulation: a participant opens or closes content.
    void openContent(const TContentItem& item);
    void closeContent(const TContentItem& item);

signals:
    void sigContentOpened(Kivo::Webcollab::TContentItem item);
    void sigContentClosed(Kivo::Webcollab::TContentItem item);

private:
    TSessionUser m_LocalUser;
    bool m_HoldsFloor = false;
    TContentItem m_ActiveContent;

    static TSessionMgr* s_Instance;
};

} // namespace Webcollab
} // namespace Kivo
