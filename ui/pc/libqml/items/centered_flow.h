#pragma once

#include "libqml/items/declarative_base_positioner.h"

// Lays its children out left to right in rows that wrap at its width, each row centred.
class CenteredFlow : public DeclarativeBasePositioner
{
    Q_OBJECT

public:
    explicit CenteredFlow(QQuickItem* parent = nullptr);

protected:
    void doPositioning(QSizeF* contentSize) override;
};
