#pragma once

#include <QObject>

namespace Kivo {
namespace MediaEngine {

// The call of a communication session.
class CallBasePtr : public QObject
{
    Q_OBJECT

public:
    explicit CallBasePtr(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace MediaEngine
} // namespace Kivo
