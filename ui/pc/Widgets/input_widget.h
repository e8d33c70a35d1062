#pragma once

#include "libqml/window/qml_window.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace Widgets {

// A small one-line text dialog: a label, a line edit, OK and Cancel. Emits the trimmed
// text when the user confirms a non-empty one.
class InputWidget : public QML::Window
{
    Q_OBJECT

public:
    InputWidget(const QString& text, bool alwaysOnTop, QWidget* parent = nullptr);

    bool isAcceptAllowed() const { return m_AcceptAllowed; }
    // While not allowed (for example offline) OK stays disabled whatever the text.
    void setAcceptAllowed(bool allowed);
    void setMaxLength(int length);
    void setLabelText(const QString& text);
    QString helpContext() const override;

signals:
    void accepted(const QString& text);

public slots:
    void textEdited(const QString& text);
    void accepted();

private:
    QLabel* m_NameLabel;
    QLineEdit* m_NameEdit;
    QDialogButtonBox* m_ButtonBox;
    bool m_AcceptAllowed = true;
};

} // namespace Widgets
