#include "libqml/window/session_debug_window.h"

#include <QAbstractItemModel>

namespace QML {

SessionDebugWindow::SessionDebugWindow(QWidget* parent)
    : Window(false, parent)
{
    setTitle(tr("Session debug window"));
}

bool SessionDebugWindow::loadScene()
{
    return loadQML(QStringLiteral("qrc:/windows/SessionDebugWindow/SessionDebugWindow.qml"));
}

void SessionDebugWindow::setModel(QAbstractItemModel* model)
{
    if (model == m_Model)
        return;
    if (m_Model)
        m_Model->disconnect(this);
    m_Model = model;
    if (m_Model)
        connect(m_Model, &QObject::destroyed, this, [this] { setModel(); });
    emit modelChanged(model);
}

} // namespace QML
