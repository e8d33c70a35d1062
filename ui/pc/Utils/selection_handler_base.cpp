#include "Utils/selection_handler_base.h"

#include "common/logging.h"

#include <Kivo/Contacts/IContact.h>

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QStringList>

namespace Utils {

SelectionHandlerBase::SelectionHandlerBase(QAbstractItemModel* model, QItemSelectionModel* selectionModel,
                                           QObject* parent)
    : QObject(parent)
    , m_Model(model)
    , m_SelectionModel(selectionModel)
{
    // Rows about to go would leave stale indexes behind: the whole selection goes first.
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, selectionModel, &QItemSelectionModel::clearSelection);
    connect(selectionModel, &QItemSelectionModel::currentChanged, this, &SelectionHandlerBase::currentIndexChanged);
}

QList<QObject*> SelectionHandlerBase::selection() const
{
    QList<QObject*> objects;
    if (!m_SelectionModel)
        return objects;
    const QModelIndexList indexes = m_SelectionModel->selectedIndexes();
    for (const QModelIndex& index : indexes) {
        if (itemKind(index) == NoItem)
            continue;
        QObject* object = index.data(objectRole()).value<QObject*>();
        if (object && !objects.contains(object))
            objects.append(object);
    }
    return objects;
}

int SelectionHandlerBase::currentIndex() const
{
    if (!m_SelectionModel)
        return -1;
    const QModelIndex current = m_SelectionModel->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void SelectionHandlerBase::setCurrentIndex(int row)
{
    if (!m_Model || !m_SelectionModel)
        return;
    const int count = m_Model->rowCount();
    // Nothing to land on; the step below would divide by the empty row count.
    if (count == 0)
        return;
    const QModelIndex index = m_Model->index(row, 0);
    if (index.isValid() && (index.flags() & Qt::ItemIsSelectable)) {
        m_SelectionModel->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        return;
    }
    // A header or a row outside the list: go on to a selectable row the way the view moved.
    moveSelection(row != (currentIndex() + 1) % count);
}

void SelectionHandlerBase::select(int index, int modifiers)
{
    m_LastModifiers = modifiers;
    if (!m_Model || !m_SelectionModel)
        return;
    const QModelIndex target = m_Model->index(index, 0);
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (modifiers & Qt::ShiftModifier) {
        const QModelIndex current = m_SelectionModel->currentIndex();
        const QModelIndex anchor = current.isValid() ? current : m_Model->index(0, 0);
        m_SelectionModel->select(QItemSelection(anchor, target),
                                 ctrl ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
        // A range keeps its anchor as the current row.
        if (m_SelectionModel->selectedIndexes().size() == 1)
            m_SelectionModel->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
        return;
    }
    if (ctrl)
        toggle(target);
    else
        m_SelectionModel->select(target, QItemSelectionModel::ClearAndSelect);
    m_SelectionModel->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
}

void SelectionHandlerBase::clearSelection()
{
    if (m_SelectionModel)
        m_SelectionModel->clear();
}

void SelectionHandlerBase::moveSelection(bool up)
{
    if (!m_Model || !m_SelectionModel)
        return;
    const int count = m_Model->rowCount();
    if (count == 0)
        return;
    const QModelIndex current = m_SelectionModel->currentIndex();
    const int step = up ? -1 : 1;
    for (int row = (current.isValid() ? current.row() : 0) + step; row >= 0 && row < count; row += step) {
        if (isSelectableRow(m_Model->index(row, 0))) {
            select(row, 0);
            return;
        }
    }
}

void SelectionHandlerBase::setSelection(const QList<QObject*>& objects)
{
    if (!m_Model || !m_SelectionModel || m_Model->rowCount() == 0)
        return;
    m_SelectionModel->clearSelection();
    const int count = m_Model->rowCount();
    for (int row = 0; row < count; ++row) {
        const QModelIndex index = m_Model->index(row, 0);
        if (!index.isValid() || itemKind(index) == NoItem)
            continue;
        if (objects.contains(index.data(objectRole()).value<QObject*>())) {
            LOG_DEBUG << "Selecting index: " << row;
            toggle(index);
        }
    }
}

int SelectionHandlerBase::itemKind(const QModelIndex& index)
{
    return index.data(ItemKindRole).toInt();
}

QString SelectionHandlerBase::joinIds(const QList<const Kivo::Contacts::IContact*>& contacts)
{
    QStringList ids;
    ids.reserve(contacts.size());
    for (const Kivo::Contacts::IContact* contact : contacts)
        ids.append(QString::number(contact->getId()));
    return ids.join(QLatin1Char(','));
}

void SelectionHandlerBase::toggle(const QModelIndex& index)
{
    m_SelectionModel->select(index, m_SelectionModel->isSelected(index) ? QItemSelectionModel::Deselect
                                                                        : QItemSelectionModel::Select);
}

} // namespace Utils
