#pragma once

#include <QObject>

namespace Kivo {
namespace Models {

// The messages of one conversation.
class ChatModel : public QObject
{
    Q_OBJECT

public:
    explicit ChatModel(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Models
} // namespace Kivo
