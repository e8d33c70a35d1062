#pragma once

#include <QComboBox>

namespace QML {

// The widget combo box shown over a scene. Tab and Backtab are reported to the scene
// instead of moving focus, since the widget does not know the scene's focus chain.
// Where the scene owns Return and Enter as well, they are reported instead of taken.
// The widget's own context menu never shows; the request is reported for the scene's menu.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    void setReportsReturn(bool reports) { m_ReportsReturn = reports; }

    // An empty list has nothing to offer: no pop-up opens, and the "hasItems" property that
    // the style sheets read hides the arrow.
    void showPopup() override;
    // Call after giving the box another model, so that the arrow follows its rows.
    void followModel();

signals:
    void focusIn();
    void focusOut();
    void keyTab();
    void keyBacktab();
    void keyReturn();
    void contextMenuRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // True when the event was a context menu or a focus key and has been dealt with.
    bool swallow(QEvent* event);
    void followItemCount();

    bool m_ReportsReturn = false;
};

} // namespace QML
