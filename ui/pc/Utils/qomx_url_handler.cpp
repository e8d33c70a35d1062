#include "Utils/qomx_url_handler.h"

#include "common/logging.h"

namespace Utils {

QomxUrlHandler::QomxUrlHandler(const QString& link, QObject* parent)
    : QObject(parent)
    , m_Link(link)
{
}

void QomxUrlHandler::initialize(Kivo::Sessions::SessionManagerBase* session)
{
    if (!session) {
        LOG_INFO << "Keeping the link until signed in: " << m_Link;
        return;
    }
    LOG_INFO << "Link handed to the session: " << m_Link;
}

} // namespace Utils
