#pragma once

#include <Kivo/Actions/ActionData.h>

#include <QList>
#include <QObject>

namespace Kivo {
namespace Actions {

// Something the engine's actions can be applied to; the program's action sources derive
// from it and say which actions they offer.
class Source : public QObject
{
    Q_OBJECT

public:
    explicit Source(QObject* parent = nullptr) : QObject(parent) {}

    virtual QList<ActionData> actionsData() const = 0;
    // Tells the engine which kind of source it is.
    virtual int sourceType() const = 0;
};

} // namespace Actions
} // namespace Kivo
