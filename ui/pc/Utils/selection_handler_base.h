#pragma once

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QList>
#include <QObject>
#include <QPointer>
// Declares QList<QObject*> as a meta type; it must come before the property below uses it.
#include <QQmlContext>

namespace Kivo {
namespace Contacts {
class IContact;
}
} // namespace Kivo

namespace Utils {

// What a QML list view talks to for its selection: clicks with keyboard modifiers, the
// current row, keyboard stepping, and the selected engine objects handed back as objects or
// as drag data (contact ids). The rows come from an engine selection proxy; subclasses say
// which rows may be stepped onto and which role carries a row's object.
class SelectionHandlerBase : public QObject
{
    Q_OBJECT
    // Read afresh on every evaluation: QML is not told when it changes.
    Q_PROPERTY(QList<QObject*> selection READ selection CONSTANT)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)

public:
    // Roles of the engine's selection proxy that every handler reads.
    static constexpr int ItemKindRole = 316;
    static constexpr int ContactRole = 326;
    static constexpr int ParticipantRole = 327;
    static constexpr int CommsSessionRole = 348;
    static constexpr int TimelineEntryRole = 350;

    enum ItemKind
    {
        NoItem = 0,
        ContactItem = 1,
        ActiveCommunicationItem = 2,
        ParticipantItem = 3,
        TimelineEntryItem = 4
    };

    SelectionHandlerBase(QAbstractItemModel* model, QItemSelectionModel* selectionModel, QObject* parent);

    QList<QObject*> selection() const;
    int currentIndex() const;
    void setCurrentIndex(int row);

    Q_INVOKABLE void select(int index, int modifiers);
    Q_INVOKABLE void clearSelection();
    // The selected contacts' ids joined by "," (drag data); empty where rows carry no contacts.
    Q_INVOKABLE virtual QString selectionAsString() const = 0;
    // The role that carries a row's object.
    virtual int objectRole() const = 0;
    // Whether keyboard stepping may stop on the row.
    virtual bool isSelectableRow(const QModelIndex& index) const = 0;

    // Steps to the next selectable row above or below the current one; never wraps.
    void moveSelection(bool up);
    int lastModifiers() const { return m_LastModifiers; }
    void setSelection(const QList<QObject*>& objects);

signals:
    void currentIndexChanged();

protected:
    static int itemKind(const QModelIndex& index);
    QAbstractItemModel* model() const { return m_Model; }
    QItemSelectionModel* selectionModel() const { return m_SelectionModel; }
    // Deselects a selected row, selects another.
    void toggle(const QModelIndex& index);
    // The ids of the contacts, each converted to decimal, joined by "," without blanks.
    static QString joinIds(const QList<const Kivo::Contacts::IContact*>& contacts);

private:
    QPointer<QAbstractItemModel> m_Model;
    QPointer<QItemSelectionModel> m_SelectionModel;
    int m_LastModifiers = 0;
};

} // namespace Utils
