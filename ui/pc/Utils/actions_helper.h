#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Actions {
class Provider;
}
} // namespace Kivo

namespace Utils {

// Names the engine's actions in the user's words.
class ActionsHelper : public QObject
{
    Q_OBJECT

public:
    // The active text wins over the add text; ids without a text give an empty one.
    static QString actionText(int id, Kivo::Actions::Provider* provider, bool add);

private:
    static bool isActiveInSource(int id, const Kivo::Actions::Provider* provider);
    static bool isActiveInSession(int id, const QObject* object);
};

} // namespace Utils
