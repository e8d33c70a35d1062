#pragma once

#include <QStringListModel>

namespace Kivo {
namespace Models {

// The configured web buttons by group.
class WebButtonGroups : public QStringListModel
{
    Q_OBJECT

public:
    explicit WebButtonGroups(QObject* parent = nullptr) : QStringListModel(parent) {}
};

} // namespace Models
} // namespace Kivo
