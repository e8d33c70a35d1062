#pragma once

#include "libqml/window/qml_window.h"

#include <QAbstractItemModel>

namespace QML {

// Diagnostic window listing the session's sub-sessions, each of which can be stopped or started.
class SessionDebugWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QAbstractItemModel* sessionModel READ sessionModel NOTIFY modelChanged)

public:
    explicit SessionDebugWindow(QWidget* parent = nullptr);

    QAbstractItemModel* sessionModel() const { return m_Model; }
    bool loadScene();

signals:
    void modelChanged(QAbstractItemModel* model);

public slots:
    void setModel(QAbstractItemModel* model = nullptr);

private:
    QAbstractItemModel* m_Model = nullptr;
};

} // namespace QML
