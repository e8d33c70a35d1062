#include "libqml/components/connector_notification/connector_notification.h"

#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/logging.h"

#include <QAbstractItemModel>

namespace QML {

ConnectorNotification::ConnectorNotification(QAbstractItemModel* model, QWidget* parent)
    : Window(true, parent)
    , m_Model(model)
{
    if (m_Model) {
        CHECKED_CONNECT(m_Model, SIGNAL(rowsInserted(QModelIndex, int, int)), SLOT(onModelChanged()));
        CHECKED_CONNECT(m_Model, SIGNAL(rowsRemoved(QModelIndex, int, int)), SLOT(onModelChanged()));
        // A reset can empty or fill the list as well.
        CHECKED_CONNECT(m_Model, SIGNAL(modelReset()), SLOT(onModelChanged()));
    } else {
        LOG_ERROR << "No add-ins model: the new add-ins window stays hidden";
    }
    setResizable(false);
    setWindowFlags(windowFlags() & ~Qt::WindowMinimizeButtonHint);
    setMinimumSize(minimumWindowSize());
    setMaximumSize(maximumWindowSize());
    setWantsFullscreen(false);
    setTitle(tr("New Add-ins"));
    ASSERT_RETURN(loadQML("qrc:/components/ConnectorList.qml"));
    onModelChanged();
}

QSize ConnectorNotification::minimumWindowSize() const
{
    return QSize(FixedWidth, FixedHeight);
}

QSize ConnectorNotification::maximumWindowSize() const
{
    return minimumWindowSize();
}

void ConnectorNotification::onModelChanged()
{
    TRACE_SCOPE;
    const bool hasRows = m_Model && m_Model->rowCount() > 0;
    setVisible(hasRows);
    if (hasRows)
        showAndActivate();
}

} // namespace QML
