#include "Dialogs/message_window.h"

#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/utils/style.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

namespace Dialogs {

namespace {

struct ButtonText
{
    QDialogButtonBox::StandardButton button;
    const char* text;
};

const ButtonText s_ButtonTexts[] = {
    {QDialogButtonBox::Ok, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "OK")},
    {QDialogButtonBox::Open, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Open")},
    {QDialogButtonBox::Save, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Save")},
    {QDialogButtonBox::Cancel, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Cancel")},
    {QDialogButtonBox::Close, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Close")},
    {QDialogButtonBox::Discard, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Discard")},
    {QDialogButtonBox::Apply, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Apply")},
    {QDialogButtonBox::Reset, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Reset")},
    {QDialogButtonBox::RestoreDefaults, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Restore Defaults")},
    {QDialogButtonBox::Help, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Help")},
    {QDialogButtonBox::SaveAll, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Save All")},
    {QDialogButtonBox::Yes, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Yes")},
    {QDialogButtonBox::YesToAll, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Yes to All")},
    {QDialogButtonBox::No, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "No")},
    {QDialogButtonBox::NoToAll, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "No to All")},
    {QDialogButtonBox::Abort, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Abort")},
    {QDialogButtonBox::Retry, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Retry")},
    {QDialogButtonBox::Ignore, QT_TRANSLATE_NOOP("Dialogs::MessageWindow", "Ignore")},
};

// The program's look for its message boxes: white, the style's text colour and font, the
// brand's buttons; a button that declines is grey. The keyboard focus is a ring, never
// another colour, so every box shows its buttons in the same colours.
const QString MessageCss = QStringLiteral(
    "QWidget#popupWindow, QDialog#messageWindowDialog { background: %%colors:whiteBackground%%; }"
    "QLabel#messageText, QCheckBox { color: %%colors:darkText%%; font-family: \"%%font:defaultFontFamily%%\";"
    " font-size: 13px; }"
    "QDialogButtonBox QPushButton { background: %%colors:defaultButton%%; color: %%colors:whiteText%%;"
    " font-family: \"%%font:defaultFontFamily%%\"; font-size: 13px; font-weight: bold;"
    " border: 2px solid %%colors:defaultButton%%; border-radius: 4px; min-width: 90px; min-height: 24px;"
    " padding: 0px 14px; }"
    "QDialogButtonBox QPushButton:hover { background: %%colors:hoverButton%%; border-color: %%colors:hoverButton%%; }"
    "QDialogButtonBox QPushButton#noButton, QDialogButtonBox QPushButton#cancelButton {"
    " background: %%colors:listSecondLineText%%; border-color: %%colors:listSecondLineText%%; }"
    "QDialogButtonBox QPushButton#noButton:hover, QDialogButtonBox QPushButton#cancelButton:hover {"
    " background: %%colors:darkText%%; border-color: %%colors:darkText%%; }"
    "QDialogButtonBox QPushButton:focus { border-color: %%colors:lightActiveBackground%%; }");

QString styledMessageCss()
{
    QString css = MessageCss;
    if (const QML::Style* style = QML::Style::instance())
        style->replaceCssWithStyle(css);
    return css;
}

// Filled only by windows in exec mode, emptied by the blocking operations.
QHash<const MessageWindow*, QDialogButtonBox::StandardButton>& clickedButtons()
{
    static QHash<const MessageWindow*, QDialogButtonBox::StandardButton> map;
    return map;
}

} // namespace

MessageWindow::MessageWindow(QWidget* parent, const QString& title, const QString& text, bool execMode,
                             StandardButtons buttons, bool alwaysOnTop, bool neverAskAgainVisible, bool modal)
    : PopupWindow(alwaysOnTop, parent)
{
    setCanMinimize(!modal);
    setCanMaximize(false);
    if (modal)
        setWindowModality(Qt::ApplicationModal);

    m_Dialog = new QDialog();
    setupForm();

    m_MessageText->setText(text);
    m_Dialog->setMinimumSize(350, 0);
    m_ButtonBox->setStandardButtons(buttons);

    m_NeverAskAgainBox->setVisible(neverAskAgainVisible);
    m_NeverAskAgainBox->setChecked(false);

    setAttribute(Qt::WA_DeleteOnClose);
    if (QPushButton* no = m_ButtonBox->button(QDialogButtonBox::No))
        no->setObjectName("noButton");
    if (QPushButton* cancel = m_ButtonBox->button(QDialogButtonBox::Cancel))
        cancel->setObjectName("cancelButton");

    setTitle(title);
    setCentralWidget(m_Dialog, 0);
    setResizable(false);

    CHECKED_CONNECT(m_ButtonBox, SIGNAL(accepted()), m_Dialog, SLOT(accept()));
    CHECKED_CONNECT(m_ButtonBox, SIGNAL(rejected()), m_Dialog, SLOT(reject()));
    CHECKED_CONNECT(m_Dialog, SIGNAL(accepted()), this, SLOT(dialogAccepted()));
    CHECKED_CONNECT(m_Dialog, SIGNAL(rejected()), this, SLOT(dialogRejected()));
    CHECKED_CONNECT(m_Dialog, SIGNAL(accepted()), this, SLOT(close()));
    CHECKED_CONNECT(m_Dialog, SIGNAL(rejected()), this, SLOT(close()));
    if (execMode)
        CHECKED_CONNECT(m_ButtonBox, SIGNAL(clicked(QAbstractButton*)), this, SLOT(clicked(QAbstractButton*)));
    CHECKED_CONNECT(m_NeverAskAgainBox, SIGNAL(stateChanged(int)), this, SLOT(newerAskAgainStateChanged(int)));

    setStyleSheet(styledMessageCss());
    translateTexts();
    adjustSize();
    resizeUpdate();
}

MessageWindow::~MessageWindow()
{
    // An entry left by a window deleted while a blocking call waited must not be read
    // later for another window built at the same address.
    clickedButtons().remove(this);
}

void MessageWindow::setupForm()
{
    m_Dialog->setObjectName("messageWindowDialog");
    m_Dialog->resize(179, 97);
    QSizePolicy policy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    m_Dialog->setSizePolicy(policy);
    m_Dialog->setMaximumSize(500, QWIDGETSIZE_MAX);

    auto* layout = new QVBoxLayout(m_Dialog);
    layout->setObjectName("verticalLayout");
    layout->setSpacing(12);
    layout->setContentsMargins(18, 18, 18, 14);

    auto* messageRow = new QHBoxLayout();
    messageRow->setObjectName("horizontalLayout");
    messageRow->setSpacing(2);
    m_Icon = new QLabel(m_Dialog);
    m_Icon->setObjectName("icon");
    // Shown only with a picture: an empty slot would push the text aside.
    m_Icon->hide();
    messageRow->addWidget(m_Icon);
    auto* textColumn = new QVBoxLayout();
    textColumn->setObjectName("verticalLayout_2");
    textColumn->setSpacing(3);
    textColumn->setContentsMargins(0, -1, -1, -1);
    m_MessageText = new QLabel(m_Dialog);
    m_MessageText->setObjectName("messageText");
    // Names, rooms and numbers from others are placed into these texts: never markup.
    m_MessageText->setTextFormat(Qt::PlainText);
    m_MessageText->setScaledContents(false);
    m_MessageText->setWordWrap(true);
    m_MessageText->setIndent(0);
    m_MessageText->setMinimumWidth(300);
    m_MessageText->setTextInteractionFlags(Qt::NoTextInteraction);
    textColumn->addWidget(m_MessageText);
    messageRow->addLayout(textColumn);
    layout->addLayout(messageRow, 1);

    auto* checkRow = new QHBoxLayout();
    checkRow->setObjectName("horizontalLayout_2");
    checkRow->setSpacing(0);
    checkRow->setContentsMargins(9, 9, -1, -1);
    m_NeverAskAgainBox = new QCheckBox(m_Dialog);
    m_NeverAskAgainBox->setObjectName("newerAskAgain");
    checkRow->addWidget(m_NeverAskAgainBox);
    checkRow->addItem(new QSpacerItem(0, 20, QSizePolicy::Minimum, QSizePolicy::Minimum));
    layout->addLayout(checkRow);

    auto* buttonRow = new QHBoxLayout();
    buttonRow->setObjectName("horizontalLayout_3");
    buttonRow->addItem(new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_ButtonBox = new QDialogButtonBox(m_Dialog);
    m_ButtonBox->setObjectName("buttonBox");
    m_ButtonBox->setCenterButtons(true);
    buttonRow->addWidget(m_ButtonBox);
    buttonRow->addItem(new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    layout->addLayout(buttonRow);
}

void MessageWindow::translateTexts()
{
    m_NeverAskAgainBox->setText(tr("Never ask again"));
    for (const ButtonText& entry : s_ButtonTexts) {
        if (QPushButton* button = m_ButtonBox->button(entry.button)) {
            button->setText(tr(entry.text));
            // The platform's stock pictures do not belong on the brand's buttons.
            button->setIcon(QIcon());
        }
    }
}

QPushButton* MessageWindow::addButton(const QString& text, QDialogButtonBox::ButtonRole role, bool isDefault)
{
    QPushButton* button = m_ButtonBox->addButton(text, role);
    if (isDefault)
        button->setDefault(true);
    return button;
}

bool MessageWindow::focusButton(StandardButton button)
{
    QPushButton* target = m_ButtonBox->button(button);
    if (!target)
        return false;
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

void MessageWindow::acceptAndClose()
{
    emit messageAccepted(false);
    close();
}

void MessageWindow::closeAfter(int ms)
{
    QTimer::singleShot(ms, this, &MessageWindow::closeMessage);
}

void MessageWindow::setVisible(bool visible)
{
    const bool appearing = visible && !isVisible();
    PopupWindow::setVisible(visible);
    // A message belongs over the window the user is looking at.
    if (appearing && !parentWidget()) {
        const QWidget* over = QApplication::activeWindow();
        if (over && over != this)
            move(over->frameGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void MessageWindow::clicked(QAbstractButton* button)
{
    clickedButtons().insert(this, m_ButtonBox->standardButton(button));
}

void MessageWindow::closeMessage()
{
    close();
}

void MessageWindow::newerAskAgainStateChanged(int state)
{
    m_NeverAskAgain = (state == Qt::Checked);
}

void MessageWindow::dialogRejected()
{
    emit messageRejected(m_NeverAskAgain);
    emit accepted(false, m_NeverAskAgain);
}

void MessageWindow::dialogAccepted()
{
    emit messageAccepted(m_NeverAskAgain);
    emit accepted(true, m_NeverAskAgain);
}

void MessageWindow::changeEvent(QEvent* event)
{
    // The button box resets its own texts after this window has seen the change: translate
    // once it has.
    if (event->type() == QEvent::LanguageChange)
        QMetaObject::invokeMethod(this, &MessageWindow::translateTexts, Qt::QueuedConnection);
    PopupWindow::changeEvent(event);
}

void MessageWindow::closeEvent(QCloseEvent* event)
{
    emit closed();
    PopupWindow::closeEvent(event);
    // A blocking caller waits on the inner dialog: closing the window by its frame, a
    // time-out or sign-out must end that wait too, without reporting a button.
    if (event->isAccepted() && m_Dialog->isVisible())
        m_Dialog->hide();
}

bool MessageWindow::hasClickedButton(const MessageWindow* window)
{
    return clickedButtons().contains(window);
}

int MessageWindow::runBlocking(MessageWindow* window, StandardButton* clickedButtonOut)
{
    const MessageWindow* key = window;
    QPointer<QDialog> dialog = window->m_Dialog;
    const int result = dialog->exec();
    const StandardButton clicked = clickedButtons().take(key);
    if (clickedButtonOut)
        *clickedButtonOut = clicked;
    if (!dialog)
        LOG_WARNING << "Message window was deleted while it waited for an answer";
    return result;
}

MessageWindow* MessageWindow::showInformation(const QString& title, const QString& text, bool alwaysOnTop,
                                              int delayMs, StandardButtons buttons, bool neverAskAgainVisible,
                                              QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, neverAskAgainVisible, false);
    QTimer::singleShot(delayMs, window, &Widgets::Window::showAndActivate);
    return window;
}

MessageWindow* MessageWindow::showWarning(const QString& title, const QString& text, bool alwaysOnTop,
                                          StandardButtons buttons, QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, false, false);
    window->show();
    return window;
}

MessageWindow* MessageWindow::showCritical(const QString& title, const QString& text, bool alwaysOnTop,
                                           StandardButtons buttons, QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, false, false);
    window->show();
    return window;
}

MessageWindow* MessageWindow::showQuestion(const QString& title, const QString& text, bool alwaysOnTop,
                                           StandardButtons buttons, bool neverAskAgainVisible, bool modal,
                                           QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, false, buttons, alwaysOnTop, neverAskAgainVisible, modal);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

int MessageWindow::information(const QString& title, const QString& text, bool alwaysOnTop, StandardButtons buttons,
                               StandardButton* clickedButtonOut, bool neverAskAgainVisible, bool modal, QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, neverAskAgainVisible, modal);
    window->show();
    return runBlocking(window, clickedButtonOut);
}

int MessageWindow::warning(const QString& title, const QString& text, bool alwaysOnTop, StandardButtons buttons,
                           StandardButton* clickedButtonOut, QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, false);
    window->show();
    return runBlocking(window, clickedButtonOut);
}

int MessageWindow::critical(const QString& title, const QString& text, bool alwaysOnTop, StandardButtons buttons,
                            StandardButton* clickedButtonOut, QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, false);
    window->show();
    return runBlocking(window, clickedButtonOut);
}

int MessageWindow::question(const QString& title, const QString& text, bool modal, bool alwaysOnTop,
                            StandardButtons buttons, StandardButton* clickedButtonOut, StandardButton focus,
                            QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, true, buttons, alwaysOnTop, false, modal);
    window->show();
    window->raise();
    window->activateWindow();
    window->focusButton(focus);
    return runBlocking(window, clickedButtonOut);
}

int MessageWindow::informationWithTimeout(const QString& title, const QString& text, int closeAfterMs,
                                          bool alwaysOnTop, QWidget* parent)
{
    auto* window = new MessageWindow(parent, title, text, true, QDialogButtonBox::Ok, alwaysOnTop, false, false);
    window->show();
    window->closeAfter(closeAfterMs);
    return runBlocking(window, nullptr);
}

} // namespace Dialogs
