#include "Dialogs/simple_credentials_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Dialogs {

SimpleCredentialsDialog::SimpleCredentialsDialog(const QString& userName, const QString& realm, const QString& caption,
                                                 const QString& text, QWidget* parent)
    : QDialog(parent)
    , m_Realm(realm)
    , m_UserName(new QLineEdit(userName, this))
    , m_Password(new QLineEdit(this))
{
    setObjectName("credentialsDialog");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    m_Password->setEchoMode(QLineEdit::Password);

    auto* message = new QLabel(text, this);
    message->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Username"), m_UserName);
    form->addRow(tr("Password"), m_Password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, &SimpleCredentialsDialog::onAccepted);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void SimpleCredentialsDialog::onAccepted()
{
    emit credentialsProvided(m_UserName->text(), m_Password->text());
}

} // namespace Dialogs
