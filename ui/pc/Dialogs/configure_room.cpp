#include "Dialogs/configure_room.h"

#include "Dialogs/message_window.h"
#include "Models/Chat/room_members_model.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExpValidator>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Ui {

// The dialog's form, with the object names its style sheet and tests know.
class ConfigureRoomDialog
{
public:
    QVBoxLayout* mainLayout;
    QLabel* nameLabel;
    QLineEdit* nameEdit;
    QRadioButton* privateRoomButton;
    QRadioButton* publicRoomButton;
    QCheckBox* enableHistory;
    QWidget* membersWidget;
    QVBoxLayout* membersLayout;
    QLabel* removeParticipantsLabel;
    QListView* membersList;
    QPushButton* removeButton;
    QHBoxLayout* horizontalLayout;
    QPushButton* createButton;
    QPushButton* editButton;
    QPushButton* cancelButton;

    void setupUi(QWidget* dialog)
    {
        dialog->setObjectName(QStringLiteral("ConfigureRoomDialog"));
        dialog->resize(263, 424);
        dialog->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        dialog->setMaximumWidth(270);
        mainLayout = new QVBoxLayout(dialog);
        mainLayout->setObjectName(QStringLiteral("mainLayout"));
        mainLayout->setSizeConstraint(QLayout::SetMinimumSize);
        nameLabel = new QLabel(dialog);
        nameLabel->setObjectName(QStringLiteral("nameLabel"));
        mainLayout->addWidget(nameLabel);
        nameEdit = new QLineEdit(dialog);
        nameEdit->setObjectName(QStringLiteral("nameEdit"));
        nameEdit->setMaxLength(Dialogs::ConfigureRoom::MaximumNameLength);
        mainLayout->addWidget(nameEdit);
        mainLayout->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed));
        privateRoomButton = new QRadioButton(dialog);
        privateRoomButton->setObjectName(QStringLiteral("privateRoomButton"));
        privateRoomButton->setChecked(true);
        mainLayout->addWidget(privateRoomButton);
        publicRoomButton = new QRadioButton(dialog);
        publicRoomButton->setObjectName(QStringLiteral("publicRoomButton"));
        mainLayout->addWidget(publicRoomButton);
        mainLayout->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed));
        enableHistory = new QCheckBox(dialog);
        enableHistory->setObjectName(QStringLiteral("enableHistory"));
        mainLayout->addWidget(enableHistory);
        membersWidget = new QWidget(dialog);
        membersWidget->setObjectName(QStringLiteral("membersWidget"));
        membersLayout = new QVBoxLayout(membersWidget);
        membersLayout->setObjectName(QStringLiteral("membersLayout"));
        membersLayout->setContentsMargins(0, membersLayout->contentsMargins().top(), 0,
                                          membersLayout->contentsMargins().bottom());
        removeParticipantsLabel = new QLabel(membersWidget);
        removeParticipantsLabel->setObjectName(QStringLiteral("removeParticipantsLabel"));
        removeParticipantsLabel->setMargin(0);
        membersLayout->addWidget(removeParticipantsLabel);
        membersList = new QListView(membersWidget);
        membersList->setObjectName(QStringLiteral("membersList"));
        membersList->setMaximumSize(250, 130);
        membersLayout->addWidget(membersList);
        removeButton = new QPushButton(membersWidget);
        removeButton->setObjectName(QStringLiteral("removeButton"));
        membersLayout->addWidget(removeButton);
        mainLayout->addWidget(membersWidget);
        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Maximum, QSizePolicy::Minimum));
        createButton = new QPushButton(dialog);
        createButton->setObjectName(QStringLiteral("createButton"));
        horizontalLayout->addWidget(createButton);
        editButton = new QPushButton(dialog);
        editButton->setObjectName(QStringLiteral("editButton"));
        horizontalLayout->addWidget(editButton);
        cancelButton = new QPushButton(dialog);
        cancelButton->setObjectName(QStringLiteral("cancelButton"));
        horizontalLayout->addWidget(cancelButton);
        mainLayout->addLayout(horizontalLayout);
        retranslateUi(dialog);
    }

    void retranslateUi(QWidget* dialog)
    {
        dialog->setWindowTitle(QCoreApplication::translate("ConfigureRoomDialog", "Edit Room"));
        nameLabel->setText(QCoreApplication::translate("ConfigureRoomDialog", "Name"));
        privateRoomButton->setText(QCoreApplication::translate("ConfigureRoomDialog", "Private Room"));
        publicRoomButton->setText(QCoreApplication::translate("ConfigureRoomDialog", "Public Room"));
        enableHistory->setText(QCoreApplication::translate("ConfigureRoomDialog", "Enable History"));
        removeParticipantsLabel->setText(
            QCoreApplication::translate("ConfigureRoomDialog", "Remove participants from room:"));
        removeButton->setText(QCoreApplication::translate("ConfigureRoomDialog", "Remove"));
        createButton->setText(QCoreApplication::translate("ConfigureRoomDialog", "Create"));
        editButton->setText(QCoreApplication::translate("ConfigureRoomDialog", "Save"));
        cancelButton->setText(QCoreApplication::translate("ConfigureRoomDialog", "Cancel"));
    }
};

} // namespace Ui

namespace Dialogs {

namespace {

const QString RoomName = QStringLiteral("muc#roomconfig_roomname");
const QString MembersOnly = QStringLiteral("muc#roomconfig_membersonly");
const QString MaxHistoryFetch = QStringLiteral("muc#maxhistoryfetch");
const QString PublicRoom = QStringLiteral("muc#roomconfig_publicroom");
const QString PersistentRoom = QStringLiteral("muc#roomconfig_persistentroom");
const QString PasswordProtected = QStringLiteral("muc#roomconfig_passwordprotectedroom");

} // namespace

ConfigureRoom::ConfigureRoom(const QString& roomJid, const QXmppDataForm& form, bool create, int maxHistory,
                             Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QWidget* parent)
    : Widgets::Window(parent)
    , m_Ui(std::make_unique<Ui::ConfigureRoomDialog>())
    , m_RoomJid(roomJid)
    , m_Form(form)
    , m_Create(create)
    , m_MaxHistory(maxHistory)
    , m_NameCleaner(QStringLiteral("[\\f|\\n|\\r|\\t|\\v]"), Qt::CaseSensitive, QRegExp::RegExp)
    , m_NameValidator(new QRegExpValidator(QRegExp(QStringLiteral("^[^\\f|\\n|\\r|\\t|\\v]+$"), Qt::CaseSensitive,
                                                   QRegExp::RegExp),
                                           this))
{
    m_Ui->setupUi(this);
    setCanMaximize(false);
    setResizable(false);
    retranslate();

    m_Members = new Models::Chat::RoomMembersModel(contacts, this);
    m_Ui->membersList->setModel(m_Members);
    m_Ui->membersWidget->setContentsMargins(0, 0, 0, 0);

    connect(m_Ui->createButton, &QPushButton::clicked, this, &ConfigureRoom::accepted);
    connect(m_Ui->editButton, &QPushButton::clicked, this, &ConfigureRoom::accepted);
    connect(m_Ui->cancelButton, &QPushButton::clicked, this, &ConfigureRoom::close);
    connect(m_Ui->removeButton, &QPushButton::clicked, this, &ConfigureRoom::removeClicked);
    connect(m_Ui->privateRoomButton, &QRadioButton::toggled, this, &ConfigureRoom::privateStatusChanged);

    if (m_Create) {
        m_Ui->editButton->hide();
        m_Ui->enableHistory->setChecked(true);
        m_Ui->membersWidget->hide();
        resize(m_Ui->mainLayout->sizeHint());
    } else {
        m_Ui->createButton->hide();
        readForm();
    }

    enableCreateIfValidName();
    connect(m_Ui->nameEdit, &QLineEdit::textEdited, this, &ConfigureRoom::enableCreateIfValidName);
}

ConfigureRoom::~ConfigureRoom() = default;

void ConfigureRoom::readForm()
{
    for (const QXmppDataForm::Field& field : m_Form.fields()) {
        if (field.key() == RoomName) {
            m_Ui->nameEdit->setText(field.value().toString());
        } else if (field.key() == MembersOnly) {
            const bool membersOnly = field.value().toBool();
            m_Ui->privateRoomButton->setChecked(membersOnly);
            m_Ui->publicRoomButton->setChecked(!membersOnly);
        } else if (field.key() == MaxHistoryFetch) {
            m_Ui->enableHistory->setChecked(field.value().toInt() >= 1);
        }
    }
}

void ConfigureRoom::retranslate()
{
    if (m_MaxHistory > 0)
        m_Ui->enableHistory->setToolTip(
            tr("If you enable the history anyone joining this room will see the last %1 messages sent").arg(m_MaxHistory));
    setTitle(m_Create ? tr("Create Room") : tr("Edit Room"));
}

QString ConfigureRoom::helpContext() const
{
    return m_Create ? QStringLiteral("createRoom") : QStringLiteral("editRoom");
}

void ConfigureRoom::setMembers(const QStringList& members)
{
    m_Members->addMembers(members);
}

void ConfigureRoom::enableCreateIfValidName()
{
    const QString text = m_Ui->nameEdit->text();
    QString cleaned = text;
    cleaned.replace(m_NameCleaner, QStringLiteral(" "));
    if (cleaned != text) {
        const int cursor = m_Ui->nameEdit->cursorPosition();
        m_Ui->nameEdit->setText(cleaned);
        m_Ui->nameEdit->setCursorPosition(cursor);
    }
    QString trimmed = cleaned.trimmed();
    int position = 0;
    const bool acceptable = m_NameValidator->validate(trimmed, position) == QValidator::Acceptable;
    m_Ui->createButton->setEnabled(acceptable && m_CanCreate);
    m_Ui->editButton->setEnabled(acceptable);
}

void ConfigureRoom::onXmppSessionStateChanged(const Kivo::Sessions::SubSession*, Kivo::Sessions::SubSession::State state)
{
    if (state == Kivo::Sessions::SubSession::Connected)
        enableCreate();
    else
        disableCreate();
}

void ConfigureRoom::enableCreate()
{
    m_CanCreate = true;
    enableCreateIfValidName();
}

void ConfigureRoom::disableCreate()
{
    m_CanCreate = false;
    m_Ui->createButton->setEnabled(false);
}

void ConfigureRoom::privateStatusChanged(bool checked)
{
    if (m_Create)
        return;
    m_Ui->membersWidget->setEnabled(checked);
    m_Ui->membersList->setModel(checked ? m_Members : nullptr);
}

void ConfigureRoom::removeClicked()
{
    emit removeParticipants(m_RoomJid, m_Members->checkedMembers());
    m_Members->removeCheckedMembers();
}

void ConfigureRoom::accepted()
{
    m_Accepted = true;
    bool wasMembersOnly = false;
    const bool membersOnly = m_Ui->privateRoomButton->isChecked();
    QList<QXmppDataForm::Field> fields = m_Form.fields();
    for (QXmppDataForm::Field& field : fields) {
        const QString key = field.key();
        if (key == RoomName) {
            field.setValue(m_Ui->nameEdit->text().trimmed());
        } else if (key == MembersOnly) {
            wasMembersOnly = field.value().toBool();
            field.setValue(membersOnly);
        } else if (key == MaxHistoryFetch) {
            field.setValue(m_Ui->enableHistory->isChecked() ? m_MaxHistory : 0);
        } else if (key == PublicRoom || key == PersistentRoom) {
            field.setValue(true);
        } else if (key == PasswordProtected) {
            field.setValue(false);
        }
    }
    m_Form.setFields(fields);
    m_Form.setType(QXmppDataForm::Submit);
    emit roomConfigAccepted(m_RoomJid, m_Form, m_Create);
    if (!m_Create && !wasMembersOnly && membersOnly)
        MessageWindow::showInformation(tr("Room Changed to Private Room"),
                                       tr("Chat room changed to private room, re-invite members to chat room."), false);
    close();
}

void ConfigureRoom::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_Ui->retranslateUi(this);
        retranslate();
    }
    Widgets::Window::changeEvent(event);
}

void ConfigureRoom::closeEvent(QCloseEvent* event)
{
    if (!m_Accepted)
        emit roomConfigCanceled(m_RoomJid);
    Widgets::Window::closeEvent(event);
}

} // namespace Dialogs
