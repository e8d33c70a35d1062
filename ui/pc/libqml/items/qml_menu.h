#pragma once

#include <QAbstractItemModel>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QQuickItem>
#include <QString>

class QAction;

namespace QML {

// Pops a widget menu up from a scene, optionally filled from an item model.
class QmlMenu : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QAbstractItemModel* model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(QMenu* menu READ menu WRITE setMenu NOTIFY menuChanged)

public:
    // Roles of the models the menu reads.
    static constexpr int CheckedRole = 363;
    static constexpr int ContactRole = 326;

    explicit QmlMenu(QQuickItem* parent = nullptr);

    QAbstractItemModel* model() const { return m_Model; }
    QMenu* menu() const { return m_Menu; }
    void setMenu(QMenu* menu);

    Q_INVOKABLE void setModel(QAbstractItemModel* model);
    Q_INVOKABLE void showPopup(const QPoint& point);
    Q_INVOKABLE void setUseUiName(bool useUiName) { m_UseUiName = useUiName; }

signals:
    void modelChanged();
    void menuChanged();
    void triggered(QAction* action);

protected slots:
    void dataChanged();

protected:
    void setSuffix(const QString& suffix) { m_Suffix = suffix; }
    void setInCallClassification(const QString& text) { m_InCallClassification = text; }

private:
    QPointer<QMenu> m_Menu;
    QPointer<QAbstractItemModel> m_Model;
    QString m_Suffix;
    QString m_InCallClassification;
    bool m_ModelSet = false;
    bool m_UseUiName = false;
};

} // namespace QML
