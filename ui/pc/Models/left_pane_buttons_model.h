#pragma once

#include <QStringListModel>

namespace Models {

// The buttons of the main window's left pane.
class LeftPaneButtonsModel : public QStringListModel
{
    Q_OBJECT

public:
    explicit LeftPaneButtonsModel(QObject* parent = nullptr) : QStringListModel(parent) {}
};

} // namespace Models
