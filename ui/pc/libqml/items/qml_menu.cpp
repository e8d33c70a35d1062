#include "libqml/items/qml_menu.h"

#include <Kivo/Contacts/IContact.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QMenu>

namespace QML {

QmlMenu::QmlMenu(QQuickItem* parent)
    : QQuickItem(parent)
{
}

void QmlMenu::setMenu(QMenu* menu)
{
    if (m_Menu)
        disconnect(m_Menu, &QMenu::triggered, this, &QmlMenu::triggered);
    m_Menu = menu;
    emit menuChanged();
    if (m_Menu)
        connect(m_Menu, &QMenu::triggered, this, &QmlMenu::triggered);
}

void QmlMenu::setModel(QAbstractItemModel* model)
{
    if (model != m_Model) {
        if (m_Model)
            disconnect(m_Model, &QAbstractItemModel::dataChanged, this, &QmlMenu::dataChanged);
        m_Model = model;
        emit modelChanged();
        if (m_Model) {
            connect(m_Model, &QAbstractItemModel::dataChanged, this, &QmlMenu::dataChanged);
            m_ModelSet = true;
        }
    }
    dataChanged();
}

void QmlMenu::dataChanged()
{
    // A menu handed over from outside is shown as it is until a model takes it over.
    if (!m_Menu || !m_ModelSet)
        return;
    m_Menu->clear();
    if (!m_Model)
        return;
    for (int row = 0; row < m_Model->rowCount(); ++row) {
        const QModelIndex index = m_Model->index(row, 0);
        const bool checked = index.data(CheckedRole).toBool();
        const QString text = index.data(Qt::DisplayRole).toString();

        if (!m_Suffix.isEmpty() && text == m_InCallClassification) {
            QAction* action = m_Menu->addAction(text + QLatin1Char(' ') + m_Suffix);
            action->setData(text);
            action->setCheckable(true);
            action->setChecked(checked);
            continue;
        }

        QAction* action = m_Menu->addAction(text);
        const auto* contact = qobject_cast<const Kivo::Contacts::IContact*>(index.data(ContactRole).value<QObject*>());
        if (contact) {
            if (m_UseUiName && !contact->getDisplayName().isEmpty())
                action->setText(contact->getDisplayName());
            action->setData(contact->getId());
        }
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

void QmlMenu::showPopup(const QPoint& point)
{
    QWidget* activeWindow = QApplication::activeWindow();
    if (!activeWindow)
        return;
    const QPoint global = activeWindow->mapToGlobal(point);
    dataChanged();
    if (m_Menu)
        m_Menu->popup(global);
}

} // namespace QML
