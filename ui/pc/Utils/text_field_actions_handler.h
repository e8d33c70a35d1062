#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;

namespace Utils {

// The context menu of a scene's text fields: the scene reports the selection of its focused
// field, and each menu entry becomes a signal the scene turns into the field's own action.
class TextFieldActionsHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString selectedText READ selectedText WRITE setSelectedText NOTIFY selectedTextChanged)

public:
    explicit TextFieldActionsHandler(QObject* parent = nullptr);

    QString selectedText() const { return m_SelectedText; }
    void setSelectedText(const QString& text);

    // The entries in menu order, children of `parent`; a password field never gives its text away.
    QList<QAction*> createMenu(QObject* parent, bool isPassword);

signals:
    void copy();
    void cut();
    void paste();
    void selectAll();
    void selectedTextChanged();

private:
    QString m_SelectedText;
};

} // namespace Utils
