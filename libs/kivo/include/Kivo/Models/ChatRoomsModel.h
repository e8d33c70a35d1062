#pragma once

#include <QStringListModel>

namespace Kivo {
namespace Models {

// The chat rooms the user knows.
class ChatRoomsModel : public QStringListModel
{
    Q_OBJECT

public:
    explicit ChatRoomsModel(QObject* parent = nullptr) : QStringListModel(parent) {}
};

} // namespace Models
} // namespace Kivo
