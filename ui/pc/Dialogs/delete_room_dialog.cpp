#include "Dialogs/delete_room_dialog.h"

#include "common/constants.h"

#include <Kivo/Settings.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Ui {

class ConfirmRoomDeletion
{
public:
    QVBoxLayout* verticalLayout;
    QLabel* label;
    QCheckBox* alwaysAskCheckBox;
    QHBoxLayout* horizontalLayout;
    QPushButton* yesButton;
    QPushButton* noButton;

    void setupUi(QWidget* dialog)
    {
        dialog->setObjectName(QStringLiteral("ConfirmRoomDeletion"));
        dialog->resize(292, 83);
        verticalLayout = new QVBoxLayout(dialog);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        label = new QLabel(dialog);
        label->setObjectName(QStringLiteral("label"));
        label->setTextFormat(Qt::PlainText);
        verticalLayout->addWidget(label);
        alwaysAskCheckBox = new QCheckBox(dialog);
        alwaysAskCheckBox->setObjectName(QStringLiteral("alwaysAskCheckBox"));
        alwaysAskCheckBox->setChecked(true);
        verticalLayout->addWidget(alwaysAskCheckBox);
        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        yesButton = new QPushButton(dialog);
        yesButton->setObjectName(QStringLiteral("yesButton"));
        horizontalLayout->addWidget(yesButton);
        noButton = new QPushButton(dialog);
        noButton->setObjectName(QStringLiteral("noButton"));
        horizontalLayout->addWidget(noButton);
        verticalLayout->addLayout(horizontalLayout);
        retranslateUi(dialog);
    }

    void retranslateUi(QWidget* dialog)
    {
        dialog->setWindowTitle(QCoreApplication::translate("ConfirmRoomDeletion", "Delete Room?"));
        label->setText(QCoreApplication::translate("ConfirmRoomDeletion", "Are you sure you want to delete ?"));
        alwaysAskCheckBox->setText(QCoreApplication::translate("ConfirmRoomDeletion", "Always ask before deleting room"));
        yesButton->setText(QCoreApplication::translate("ConfirmRoomDeletion", "Delete"));
        noButton->setText(QCoreApplication::translate("ConfirmRoomDeletion", "Cancel"));
    }
};

} // namespace Ui

namespace Dialogs {

DeleteRoomDialog::DeleteRoomDialog(const QString& roomJid, const QString& roomName, QWidget* parent)
    : Widgets::Window(parent)
    , m_Ui(std::make_unique<Ui::ConfirmRoomDeletion>())
    , m_RoomJid(roomJid)
    , m_RoomName(roomName)
{
    m_Ui->setupUi(this);
    setCanMaximize(false);
    setResizable(false);
    setQuestion();
    connect(m_Ui->yesButton, &QPushButton::clicked, this, &DeleteRoomDialog::checkAlwaysAskStatus);
    connect(m_Ui->noButton, &QPushButton::clicked, this, &DeleteRoomDialog::checkAlwaysAskStatus);
    connect(m_Ui->yesButton, &QPushButton::clicked, this, &DeleteRoomDialog::close);
    connect(m_Ui->noButton, &QPushButton::clicked, this, &DeleteRoomDialog::close);
    connect(m_Ui->yesButton, &QPushButton::clicked, this, qOverload<>(&DeleteRoomDialog::accepted));
}

DeleteRoomDialog::~DeleteRoomDialog() = default;

void DeleteRoomDialog::setQuestion()
{
    // The room's name is whatever its owner typed: the label shows it as text.
    m_Ui->label->setText(tr("Are you sure you want to delete %1?").arg(m_RoomName));
}

void DeleteRoomDialog::checkAlwaysAskStatus()
{
    Kivo::Settings(Kivo::Settings::UserSettings)
        .setValue(Constants::SettingsKey::ConfirmDeleteChatRoom, m_Ui->alwaysAskCheckBox->isChecked());
}

void DeleteRoomDialog::accepted()
{
    emit accepted(m_RoomJid);
}

void DeleteRoomDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_Ui->retranslateUi(this);
        setQuestion();
    }
    Widgets::Window::changeEvent(event);
}

} // namespace Dialogs
