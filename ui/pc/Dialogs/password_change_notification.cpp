#include "Dialogs/password_change_notification.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Ui {

// The dialog's form, laid out as the form designer would.
class passwordChange
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* textLabel = nullptr;
    QWidget* inputWidget = nullptr;
    QVBoxLayout* verticalLayout_2 = nullptr;
    QHBoxLayout* horizontalLayout1 = nullptr;
    QLabel* oldPassLabel = nullptr;
    QLabel* warningLabel1 = nullptr;
    QLineEdit* oldPassEdit = nullptr;
    QLabel* newPassLabel = nullptr;
    QLineEdit* newPassEdit = nullptr;
    QHBoxLayout* horizontalLayout2 = nullptr;
    QLabel* newPassLabel2 = nullptr;
    QLabel* warningLabel2 = nullptr;
    QLineEdit* newPassEdit2 = nullptr;
    QDialogButtonBox* buttons = nullptr;

    void setupUi(QWidget* form)
    {
        form->setObjectName("passwordChange");
        form->resize(333, 220);
        form->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        form->setMinimumSize(333, 100);
        form->setMaximumSize(400, 250);

        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setObjectName("verticalLayout");
        verticalLayout->setSpacing(5);
        verticalLayout->setContentsMargins(10, 0, 10, 10);
        verticalLayout->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Expanding));

        textLabel = new QLabel(form);
        textLabel->setObjectName("textLabel");
        textLabel->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
        textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        textLabel->setWordWrap(true);
        // The engine's error message is shown as it came, never interpreted as markup.
        textLabel->setTextFormat(Qt::PlainText);
        verticalLayout->addWidget(textLabel, 1);

        inputWidget = new QWidget(form);
        inputWidget->setObjectName("inputWidget");
        verticalLayout_2 = new QVBoxLayout(inputWidget);
        verticalLayout_2->setObjectName("verticalLayout_2");
        verticalLayout_2->setSpacing(6);
        verticalLayout_2->setContentsMargins(0, 0, 0, 0);

        horizontalLayout1 =
            checkedRow("horizontalLayout1", oldPassLabel, "oldPassLabel", warningLabel1, "warningLabel1");
        oldPassEdit = passwordEdit("oldPassEdit");
        newPassLabel = label(inputWidget, "newPassLabel");
        verticalLayout_2->addWidget(newPassLabel);
        newPassEdit = passwordEdit("newPassEdit");
        horizontalLayout2 =
            checkedRow("horizontalLayout2", newPassLabel2, "newPassLabel2", warningLabel2, "warningLabel2");
        newPassEdit2 = passwordEdit("newPassEdit2");
        verticalLayout->addWidget(inputWidget);

        buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, form);
        buttons->setObjectName("buttons");
        verticalLayout->addWidget(buttons);

        retranslateUi(form);
    }

    void retranslateUi(QWidget*)
    {
        oldPassLabel->setText(QCoreApplication::translate("passwordChange", "Old Password"));
        warningLabel1->setText(QCoreApplication::translate("passwordChange", "(Check Password)"));
        newPassLabel->setText(QCoreApplication::translate("passwordChange", "New Password"));
        newPassLabel2->setText(QCoreApplication::translate("passwordChange", "Retype New Password"));
        warningLabel2->setText(QCoreApplication::translate("passwordChange", "(Check Password)"));
    }

private:
    static QLabel* label(QWidget* parent, const char* name)
    {
        auto* label = new QLabel(parent);
        label->setObjectName(name);
        return label;
    }

    // A field's caption with the warning that a failed check shows beside it.
    QHBoxLayout* checkedRow(const char* name, QLabel*& caption, const char* captionName, QLabel*& warning,
                            const char* warningName)
    {
        auto* row = new QHBoxLayout();
        row->setObjectName(name);
        caption = label(inputWidget, captionName);
        warning = label(inputWidget, warningName);
        QPalette palette = warning->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, QColor(255, 0, 0));
        palette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(255, 0, 0));
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
        warning->setPalette(palette);
        warning->hide();
        row->addWidget(caption);
        row->addWidget(warning, 1);
        verticalLayout_2->addLayout(row);
        return row;
    }

    QLineEdit* passwordEdit(const char* name)
    {
        auto* edit = new QLineEdit(inputWidget);
        edit->setObjectName(name);
        edit->setEchoMode(QLineEdit::Password);
        verticalLayout_2->addWidget(edit);
        return edit;
    }
};

} // namespace Ui

namespace Dialogs {

namespace {

const char* const ErrorBorder = "QLineEdit {border: 2px solid red}";

void markField(QLineEdit* faulty, QLineEdit* cleared)
{
    faulty->setStyleSheet(ErrorBorder);
    cleared->setStyleSheet(QString());
}

} // namespace

PasswordChangeNotification::PasswordChangeNotification(const Kivo::Utils::Credentials::UserCredentials& credentials,
                                                       int credentialsType, bool alwaysOnTop)
    : PopupWindow(alwaysOnTop, nullptr)
    , m_Form(std::make_unique<Ui::passwordChange>())
    , m_Content(new QWidget(this))
    , m_Credentials(credentials)
    , m_CredentialsType(credentialsType)
{
    // A plain window, but one that stays on top when asked to: an application-modal
    // window behind a window kept on top would leave the program unusable.
    setWindowFlags(Qt::Window | (windowFlags() & Qt::WindowStaysOnTopHint));
    setWindowModality(Qt::ApplicationModal);
    setCanMinimize(false);
    setCanMaximize(false);
    setResizable(false);
    setTitle(tr("Password change notification"));

    m_Form->setupUi(m_Content);
    setCentralWidget(m_Content, 0);

    connect(m_Form->buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &PasswordChangeNotification::okClicked);
    connect(m_Form->buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this, &QWidget::close);
    connect(m_Form->oldPassEdit, &QLineEdit::returnPressed, m_Form->newPassEdit,
            [this] { m_Form->newPassEdit->setFocus(Qt::OtherFocusReason); });
    connect(m_Form->newPassEdit, &QLineEdit::returnPressed, m_Form->newPassEdit2,
            [this] { m_Form->newPassEdit2->setFocus(Qt::OtherFocusReason); });
    connect(m_Form->newPassEdit2, &QLineEdit::returnPressed, this, &PasswordChangeNotification::okClicked);

    // Esc is Cancel; while the request is out the answer is awaited like the buttons do.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (m_State != RequestSent)
            close();
    });
}

PasswordChangeNotification::~PasswordChangeNotification() = default;

QString PasswordChangeNotification::text() const
{
    return m_Form->textLabel->text();
}

void PasswordChangeNotification::showPasswordExpiring(const QString& text)
{
    m_Form->textLabel->setText(text);
    setState(Notice);
    show();
    activateWindow();
}

void PasswordChangeNotification::showPasswordExpired(const QString& text)
{
    m_Form->textLabel->setText(text);
    setState(PasswordEntry);
    show();
    activateWindow();
}

void PasswordChangeNotification::setState(int state)
{
    m_State = state;
    QPushButton* ok = m_Form->buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = m_Form->buttons->button(QDialogButtonBox::Cancel);
    ok->setEnabled(true);
    cancel->setEnabled(true);
    cancel->show();
    m_Form->inputWidget->hide();
    m_Form->verticalLayout->removeWidget(m_Form->inputWidget);
    resize(333, 200);

    switch (state) {
    case Notice:
        ok->setText(tr("Change Password"));
        break;
    case PasswordEntry:
        ok->setText(tr("OK"));
        m_Form->verticalLayout->insertWidget(2, m_Form->inputWidget);
        m_Form->inputWidget->show();
        resize(333, 230);
        break;
    case RequestSent:
        m_Form->textLabel->setText(tr("Sending request, please wait..."));
        ok->setEnabled(false);
        cancel->setEnabled(false);
        break;
    case ResultShown:
        m_Form->textLabel->clear();
        ok->setText(tr("Close"));
        cancel->hide();
        break;
    default:
        break;
    }
}

void PasswordChangeNotification::okClicked()
{
    if (m_State == Notice) {
        setState(PasswordEntry);
        m_Form->textLabel->setText(tr("Please input your new password"));
        return;
    }
    if (m_State != PasswordEntry) {
        close();
        return;
    }
    if (m_Form->oldPassEdit->text() != m_Credentials.getData(m_CredentialsType).getPassword()) {
        m_Form->warningLabel1->show();
        m_Form->warningLabel2->hide();
        markField(m_Form->oldPassEdit, m_Form->newPassEdit2);
        return;
    }
    if (m_Form->newPassEdit->text() != m_Form->newPassEdit2->text()) {
        m_Form->warningLabel2->show();
        m_Form->warningLabel1->hide();
        markField(m_Form->newPassEdit2, m_Form->oldPassEdit);
        return;
    }
    setState(RequestSent);
    emit sendCredentials(m_Form->oldPassEdit->text(), m_Form->newPassEdit2->text());
}

void PasswordChangeNotification::passwordChangeResult(bool success, const Kivo::Vyx::VyxErrorInfo& error)
{
    if (!success) {
        setState(ResultShown);
        m_Form->textLabel->setText(tr("Cannot change password:") + '\n' + error.message + '\n' + tr("Error Code:")
                                   + QString::number(error.code));
        return;
    }
    // Only the password changes: the rest of the record (device-management address and
    // display name) must survive being stored again.
    Kivo::Utils::Credentials::CredentialsData data = m_Credentials.getData(m_CredentialsType);
    data.setPassword(m_Form->newPassEdit2->text());
    m_Credentials.setData(m_CredentialsType, data);
    emit saveCredentials(m_Credentials);
    setState(ResultShown);
    m_Form->textLabel->setText(tr("The password has been changed successfully"));
}

} // namespace Dialogs
