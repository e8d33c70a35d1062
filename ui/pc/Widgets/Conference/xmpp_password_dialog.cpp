#include "Widgets/Conference/xmpp_password_dialog.h"

#include "common/connect_check.h"

#include <Kivo/Services/Xmpp/XmppJidValidator.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Ui {

// The prompt's form, laid out as the form designer would.
class ChatroomPassword
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* errorLabel = nullptr;
    QFormLayout* passwordLayout = nullptr;
    QLabel* label = nullptr;
    QLineEdit* passwordEdit = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void setupUi(QDialog* form)
    {
        form->setObjectName("ChatroomPassword");
        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setObjectName("verticalLayout");

        errorLabel = new QLabel(form);
        errorLabel->setObjectName("errorLabel");
        errorLabel->setWordWrap(true);
        errorLabel->setTextFormat(Qt::PlainText);
        verticalLayout->addWidget(errorLabel);
        verticalLayout->addItem(new QSpacerItem(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed));

        passwordLayout = new QFormLayout();
        passwordLayout->setObjectName("passwordLayout");
        label = new QLabel(form);
        label->setObjectName("label");
        passwordEdit = new QLineEdit(form);
        passwordEdit->setObjectName("passwordEdit");
        passwordEdit->setEchoMode(QLineEdit::Password);
        label->setBuddy(passwordEdit);
        passwordLayout->addRow(label, passwordEdit);
        verticalLayout->addLayout(passwordLayout);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setObjectName("horizontalLayout");
        horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        okButton = new QPushButton(form);
        okButton->setObjectName("okButton");
        horizontalLayout->addWidget(okButton);
        cancelButton = new QPushButton(form);
        cancelButton->setObjectName("cancelButton");
        horizontalLayout->addWidget(cancelButton);
        horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        verticalLayout->addLayout(horizontalLayout);

        // Return belongs to the password field, never to a default button.
        okButton->setAutoDefault(false);
        cancelButton->setAutoDefault(false);

        retranslateUi(form);
    }

    void retranslateUi(QDialog*)
    {
        errorLabel->setText(QCoreApplication::translate("ChatroomPassword", "Error:"));
        label->setText(QCoreApplication::translate("ChatroomPassword", "Password"));
        okButton->setText(QCoreApplication::translate("ChatroomPassword", "OK"));
        cancelButton->setText(QCoreApplication::translate("ChatroomPassword", "Cancel"));
    }
};

} // namespace Ui

namespace Widgets {
namespace Conference {

namespace {

constexpr int MinimumWidth = 250;

} // namespace

XmppPasswordDialog::XmppPasswordDialog(const QString& roomJid, int error, bool alwaysOnTop)
    : PopupWindow(alwaysOnTop, nullptr)
    , m_RoomJid(roomJid)
    , m_Error(error)
    , m_Form(std::make_unique<Ui::ChatroomPassword>())
    , m_Dialog(new QDialog(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Embedded in the window, not a window of its own; Esc closes the window unanswered.
    m_Dialog->setWindowFlags(Qt::Widget);
    m_Form->setupUi(m_Dialog);
    setCentralWidget(m_Dialog, 0);
    m_Form->errorLabel->setText(errorText());
    m_Form->okButton->setEnabled(false);
    m_Form->passwordEdit->setFocus();

    CHECKED_CONNECT(m_Form->okButton, SIGNAL(clicked()), this, SLOT(okClicked()));
    CHECKED_CONNECT(m_Form->passwordEdit, SIGNAL(returnPressed()), this, SLOT(okClicked()));
    CHECKED_CONNECT(m_Form->cancelButton, SIGNAL(clicked()), this, SLOT(cancelClicked()));
    CHECKED_CONNECT(m_Form->passwordEdit, SIGNAL(textEdited(const QString&)), this,
                    SLOT(passwordEdited(const QString&)));
    CHECKED_CONNECT(m_Dialog, SIGNAL(rejected()), this, SLOT(close()));

    const QString userPart = roomJid.section(QLatin1Char('@'), 0, 0);
    // Rooms of group chats started on the fly have no name worth showing.
    const bool adHoc = Kivo::Services::Xmpp::XmppJidValidator::getRoomType(userPart) == Kivo::Services::Xmpp::XmppJidValidator::AdHocRoom;
    setTitle(alwaysOnTop || adHoc ? tr("Group Chat") : roomJid);
    setMinimumWidth(MinimumWidth);
    adjustSize();
}

XmppPasswordDialog::~XmppPasswordDialog() = default;

QString XmppPasswordDialog::errorText() const
{
    switch (m_Error) {
    case PasswordRequired:
        return tr("A password is required to enter this room");
    case IncorrectPassword:
        return tr("Incorrect password");
    default:
        return QString();
    }
}

void XmppPasswordDialog::passwordEdited(const QString& pw)
{
    m_Form->okButton->setEnabled(!pw.isEmpty());
}

void XmppPasswordDialog::okClicked()
{
    const QString password = m_Form->passwordEdit->text();
    if (password.isEmpty())
        return;
    emit passwordEntered(m_RoomJid, password);
    close();
}

void XmppPasswordDialog::cancelClicked()
{
    emit passwordEnterCanceled(m_RoomJid);
    close();
}

void XmppPasswordDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_Form->retranslateUi(m_Dialog);
        m_Form->errorLabel->setText(errorText());
    }
    PopupWindow::changeEvent(event);
}

} // namespace Conference
} // namespace Widgets
