#pragma once

#include <QStringListModel>

namespace Kivo {
namespace Models {

// The contact groups as a list.
class Groups : public QStringListModel
{
    Q_OBJECT

public:
    explicit Groups(QObject* parent = nullptr) : QStringListModel(parent) {}
};

} // namespace Models
} // namespace Kivo
