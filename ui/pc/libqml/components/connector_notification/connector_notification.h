#pragma once

#include "libqml/window/qml_window.h"

#include <QPointer>

class QAbstractItemModel;

namespace QML {

// The "New Add-ins" window over the client API's list of connectors awaiting a decision.
// It is shown while the list has rows and hides itself when the last one is answered.
class ConnectorNotification : public Window
{
    Q_OBJECT
    Q_PROPERTY(QAbstractItemModel* addinsModel READ addinsModel CONSTANT)

public:
    static constexpr int FixedWidth = 360;
    static constexpr int FixedHeight = 200;

    explicit ConnectorNotification(QAbstractItemModel* model, QWidget* parent = nullptr);

    QAbstractItemModel* addinsModel() const { return m_Model; }

    QSize minimumWindowSize() const override;
    QSize maximumWindowSize() const override;

public slots:
    void onModelChanged();

private:
    QPointer<QAbstractItemModel> m_Model;
};

} // namespace QML
