#include "Dialogs/simple_credentials_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Ui {

// The dialog's form, laid out as the form designer would.
class credentialsDialog
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* usernameLabel = nullptr;
    QLineEdit* usernameEdit = nullptr;
    QLabel* passwordLabel = nullptr;
    QLineEdit* passwordEdit = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void setupUi(QDialog* dialog)
    {
        dialog->setObjectName("credentialsDialog");
        dialog->setMinimumSize(333, 220);
        dialog->setMaximumSize(400, 300);

        verticalLayout = new QVBoxLayout(dialog);
        verticalLayout->setObjectName("verticalLayout");

        titleLabel = new QLabel(dialog);
        titleLabel->setObjectName("titleLabel");
        titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        titleLabel->setWordWrap(true);
        titleLabel->setTextFormat(Qt::PlainText);
        verticalLayout->addWidget(titleLabel, 1);

        usernameLabel = new QLabel(dialog);
        usernameLabel->setObjectName("usernameLabel");
        verticalLayout->addWidget(usernameLabel);
        usernameEdit = new QLineEdit(dialog);
        usernameEdit->setObjectName("usernameEdit");
        verticalLayout->addWidget(usernameEdit);
        usernameLabel->setBuddy(usernameEdit);

        passwordLabel = new QLabel(dialog);
        passwordLabel->setObjectName("passwordLabel");
        verticalLayout->addWidget(passwordLabel);
        passwordEdit = new QLineEdit(dialog);
        passwordEdit->setObjectName("passwordEdit");
        passwordEdit->setEchoMode(QLineEdit::Password);
        verticalLayout->addWidget(passwordEdit);
        passwordLabel->setBuddy(passwordEdit);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setObjectName("horizontalLayout");
        horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        okButton = new QPushButton(dialog);
        okButton->setObjectName("okButton");
        horizontalLayout->addWidget(okButton);
        cancelButton = new QPushButton(dialog);
        cancelButton->setObjectName("cancelButton");
        horizontalLayout->addWidget(cancelButton);
        verticalLayout->addLayout(horizontalLayout);

        // Return is routed by the fields themselves, never to a default button.
        okButton->setAutoDefault(false);
        cancelButton->setAutoDefault(false);

        retranslateUi(dialog);
    }

    void retranslateUi(QDialog*)
    {
        usernameLabel->setText(QCoreApplication::translate("credentialsDialog", "Username"));
        passwordLabel->setText(QCoreApplication::translate("credentialsDialog", "Password"));
    }
};

} // namespace Ui

namespace Dialogs {

SimpleCredentialsDialog::SimpleCredentialsDialog(const QString& title, const QString& message,
                                                 const QString& userName, const QString& password, bool alwaysOnTop)
    : PopupWindow(alwaysOnTop, nullptr)
    , m_Form(std::make_unique<Ui::credentialsDialog>())
    , m_Dialog(new QDialog(this))
{
    setObjectName("credentialsDialog");
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setCanMinimize(false);
    setCanMaximize(false);
    setResizable(false);
    setTitle(title);

    // Embedded in the window, not a window of its own.
    m_Dialog->setWindowFlags(Qt::Widget);
    m_Form->setupUi(m_Dialog);
    m_Form->okButton->setText(tr("OK"));
    m_Form->cancelButton->setText(tr("Cancel"));
    m_Form->titleLabel->setText(message);
    m_Form->usernameEdit->setText(userName);
    m_Form->passwordEdit->setText(password);
    setCentralWidget(m_Dialog, 0);

    connect(m_Form->okButton, &QPushButton::clicked, m_Dialog, &QDialog::accept);
    connect(m_Form->cancelButton, &QPushButton::clicked, m_Dialog, &QDialog::reject);
    // Esc rejects the inner dialog too: every way it finishes closes the window.
    connect(m_Dialog, &QDialog::finished, this, &SimpleCredentialsDialog::onClicked);
    connect(m_Form->usernameEdit, &QLineEdit::returnPressed, m_Form->passwordEdit,
            [this] { m_Form->passwordEdit->setFocus(Qt::OtherFocusReason); });
    connect(m_Form->passwordEdit, &QLineEdit::returnPressed, m_Form->okButton, &QPushButton::click);

    adjustSize();
}

SimpleCredentialsDialog::~SimpleCredentialsDialog() = default;

void SimpleCredentialsDialog::onClicked()
{
    close();
}

bool SimpleCredentialsDialog::canClose()
{
    if (!m_Answered) {
        m_Answered = true;
        if (m_Dialog->result() == QDialog::Accepted)
            emit credentialsProvided(m_Form->usernameEdit->text(), m_Form->passwordEdit->text());
        else
            emit credentialsProvided(QString(), QString());
    }
    return true;
}

} // namespace Dialogs
