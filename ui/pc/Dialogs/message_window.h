#pragma once

#include "Widgets/popup_window.h"

#include <QDialogButtonBox>
#include <QVariant>

class QAbstractButton;
class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;

namespace Dialogs {

// The program's message box: a text, an optional "Never ask again" box and a row of
// buttons. The caller stores a "Never ask again" choice under its own key.
class MessageWindow : public PopupWindow
{
    Q_OBJECT

public:
    using StandardButton = QDialogButtonBox::StandardButton;
    using StandardButtons = QDialogButtonBox::StandardButtons;

    MessageWindow(QWidget* parent, const QString& title, const QString& text, bool execMode,
                  StandardButtons buttons, bool alwaysOnTop, bool neverAskAgainVisible, bool modal);
    ~MessageWindow() override;

    QPushButton* addButton(const QString& text, QDialogButtonBox::ButtonRole role, bool isDefault);
    bool focusButton(StandardButton button);
    QVariant data() const { return m_Data; }
    void setData(const QVariant& data) { m_Data = data; }
    bool neverAskAgain() const { return m_NeverAskAgain; }
    QDialog* dialog() const { return m_Dialog; }

    void acceptAndClose();
    void closeAfter(int ms);
    void setVisible(bool visible) override;

    static MessageWindow* showInformation(const QString& title, const QString& text, bool alwaysOnTop,
                                          int delayMs = 0, StandardButtons buttons = QDialogButtonBox::Ok,
                                          bool neverAskAgainVisible = false, QWidget* parent = nullptr);
    static MessageWindow* showWarning(const QString& title, const QString& text, bool alwaysOnTop,
                                      StandardButtons buttons = QDialogButtonBox::Ok, QWidget* parent = nullptr);
    static MessageWindow* showCritical(const QString& title, const QString& text, bool alwaysOnTop,
                                       StandardButtons buttons = QDialogButtonBox::Ok, QWidget* parent = nullptr);
    static MessageWindow* showQuestion(const QString& title, const QString& text, bool alwaysOnTop,
                                       StandardButtons buttons = QDialogButtonBox::Yes | QDialogButtonBox::No,
                                       bool neverAskAgainVisible = false, bool modal = false,
                                       QWidget* parent = nullptr);

    // Blocking: each returns 1 when accepted and 0 otherwise; clickedButtonOut receives the
    // button clicked, or NoButton when the window closed without one.
    static int information(const QString& title, const QString& text, bool alwaysOnTop,
                           StandardButtons buttons = QDialogButtonBox::Ok, StandardButton* clickedButtonOut = nullptr,
                           bool neverAskAgainVisible = false, bool modal = false, QWidget* parent = nullptr);
    static int warning(const QString& title, const QString& text, bool alwaysOnTop,
                       StandardButtons buttons = QDialogButtonBox::Ok, StandardButton* clickedButtonOut = nullptr,
                       QWidget* parent = nullptr);
    static int critical(const QString& title, const QString& text, bool alwaysOnTop,
                        StandardButtons buttons = QDialogButtonBox::Ok, StandardButton* clickedButtonOut = nullptr,
                        QWidget* parent = nullptr);
    static int question(const QString& title, const QString& text, bool modal, bool alwaysOnTop,
                        StandardButtons buttons = QDialogButtonBox::Yes | QDialogButtonBox::No,
                        StandardButton* clickedButtonOut = nullptr, StandardButton focus = QDialogButtonBox::NoButton,
                        QWidget* parent = nullptr);
    static int informationWithTimeout(const QString& title, const QString& text, int closeAfterMs,
                                      bool alwaysOnTop, QWidget* parent = nullptr);

    // Whether a button clicked in the window waits to be collected by a blocking operation.
    static bool hasClickedButton(const MessageWindow* window);

signals:
    void messageRejected(bool neverAskAgain);
    void messageAccepted(bool neverAskAgain);
    void accepted(bool accepted, bool neverAskAgain);
    void closed();

protected slots:
    void clicked(QAbstractButton* button);
    void closeMessage();
    void newerAskAgainStateChanged(int state);
    void dialogRejected();
    void dialogAccepted();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setupForm();
    void translateTexts();
    // Runs the inner dialog; the window may be deleted meanwhile (by its parent going away
    // on sign-out), so it is not touched after the dialog returns.
    static int runBlocking(MessageWindow* window, StandardButton* clickedButtonOut);

    QDialog* m_Dialog = nullptr;
    QLabel* m_Icon = nullptr;
    QLabel* m_MessageText = nullptr;
    QCheckBox* m_NeverAskAgainBox = nullptr;
    QDialogButtonBox* m_ButtonBox = nullptr;
    bool m_NeverAskAgain = false;
    QVariant m_Data;
};

} // namespace Dialogs
