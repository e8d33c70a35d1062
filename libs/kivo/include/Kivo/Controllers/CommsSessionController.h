#pragma once

#include <QObject>

namespace Kivo {
namespace Controllers {

// Makes and tracks the session's conversations.
class CommsSessionController : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void preferencesChanged();
    // A conversation asks for a page of the preferences window.
    void preferenceActivated(int page);
};

} // namespace Controllers
} // namespace Kivo
