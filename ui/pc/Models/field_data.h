#pragma once

#include <QObject>

namespace Models {

// One field of a contact card.
class FieldData : public QObject
{
    Q_OBJECT

public:
    explicit FieldData(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Models
