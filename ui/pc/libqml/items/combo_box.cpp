#include "libqml/items/combo_box.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>

namespace QML {

namespace {

bool isReturn(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
{
    // The entries take the style sheet's item rules (height, padding, hover) only through a
    // styled delegate.
    setItemDelegate(new QStyledItemDelegate(this));
    followModel();
}

void ComboBox::showPopup()
{
    if (count() > 0)
        QComboBox::showPopup();
}

void ComboBox::followModel()
{
    QAbstractItemModel* entries = model();
    connect(entries, &QAbstractItemModel::rowsInserted, this, &ComboBox::followItemCount, Qt::UniqueConnection);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, &ComboBox::followItemCount, Qt::UniqueConnection);
    connect(entries, &QAbstractItemModel::modelReset, this, &ComboBox::followItemCount, Qt::UniqueConnection);
    followItemCount();
}

void ComboBox::followItemCount()
{
    const bool hasItems = count() > 0;
    if (property("hasItems").isValid() && property("hasItems").toBool() == hasItems)
        return;
    setProperty("hasItems", hasItems);
    // A property the style sheet selects on takes effect once the widget is polished again.
    style()->unpolish(this);
    style()->polish(this);
}

bool ComboBox::event(QEvent* event)
{
    // The line edit of an editable box arrives as a child; it would show its own menu.
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
    }
    if (swallow(event))
        return true;
    return QComboBox::event(event);
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        event->accept();
        emit contextMenuRequested();
        return true;
    }
    // Typed text arrives in the line edit, which would take Return for itself.
    if (m_ReportsReturn && watched == lineEdit() && isReturn(event)) {
        emit keyReturn();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

bool ComboBox::swallow(QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        event->accept();
        emit contextMenuRequested();
        return true;
    }
    // Tab would otherwise move focus among the host's widgets, not the scene's items.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab) {
            emit keyTab();
            return true;
        }
        if (key == Qt::Key_Backtab) {
            emit keyBacktab();
            return true;
        }
    }
    if (m_ReportsReturn && isReturn(event)) {
        emit keyReturn();
        return true;
    }
    return false;
}

void ComboBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    emit focusIn();
}

void ComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    emit focusOut();
}

} // namespace QML
