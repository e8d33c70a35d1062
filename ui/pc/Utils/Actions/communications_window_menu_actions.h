#pragma once

#include <QObject>

namespace Utils {
namespace Actions {

// The menu actions of one communications window.
class CommunicationsWindowMenuActions : public QObject
{
    Q_OBJECT

public:
    explicit CommunicationsWindowMenuActions(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Actions
} // namespace Utils
