#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QBoxLayout;
class QLayout;
class QWidget;

namespace QML {

// The one-pixel dividers between the columns of a window's panes. Dividers are plain
// widgets of the handler's parent widget, styled from a template with the style's colour
// tokens; they are made as needed and reused every time the panes are laid out again.
class BorderWidgetHandler : public QObject
{
    Q_OBJECT

public:
    BorderWidgetHandler(const QString& styleSheetTemplate, QObject* parent);

    // Takes every divider out of the layout and hides it; none counts as used.
    void resetWidgets(QLayout* layout);
    // Puts the next unused divider (a new one when all are used) into the layout at index.
    void insertWidgetToLayout(QBoxLayout* layout, int index);
    bool contains(const QWidget* widget) const;
    int usedCount() const { return m_Used; }

public slots:
    void onStyleChanged();

private:
    QWidget* parentWidget() const;

    int m_Used = 0;
    QList<QPointer<QWidget>> m_Widgets;
    const QString m_Template;
    QString m_StyleSheet;
};

} // namespace QML
