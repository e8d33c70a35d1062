#include "Dialogs/team_telephony_close_dialog.h"
#include "Utils/themed_style_sheet.h"
#include "common/connect_check.h"
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

// The dialog's form, laid out as the form designer would.
class ConfirmTeamTelephonyWindowClose
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* label = nullptr;
    QCheckBox* alwaysAskCheckBox = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QPushButton* yesButton = nullptr;
    QPushButton* noButton = nullptr;

    void setupUi(QWidget* form)
    {
        form->setObjectName("ConfirmTeamTelephonyWindowClose");
        form->setMaximumSize(500, 600);
        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setObjectName("verticalLayout");
        label = new QLabel(form);
        label->setObjectName("label");
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        verticalLayout->addWidget(label);
        verticalLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Fixed));
        alwaysAskCheckBox = new QCheckBox(form);
        alwaysAskCheckBox->setObjectName("alwaysAskCheckBox");
        alwaysAskCheckBox->setChecked(true);
        verticalLayout->addWidget(alwaysAskCheckBox);
        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setObjectName("horizontalLayout");
        horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        yesButton = new QPushButton(form);
        yesButton->setObjectName("yesButton");
        horizontalLayout->addWidget(yesButton);
        noButton = new QPushButton(form);
        noButton->setObjectName("noButton");
        horizontalLayout->addWidget(noButton);
        verticalLayout->addLayout(horizontalLayout);
        retranslateUi(form);
    }

    void retranslateUi(QWidget* form)
    {
        form->setWindowTitle(QCoreApplication::translate("ConfirmTeamTelephonyWindowClose", "Warning"));
        alwaysAskCheckBox->setText(QCoreApplication::translate("ConfirmTeamTelephonyWindowClose",
                                                               "Always ask before closing the TeamTelephony window"));
        yesButton->setText(QCoreApplication::translate("ConfirmTeamTelephonyWindowClose", "Yes"));
        noButton->setText(QCoreApplication::translate("ConfirmTeamTelephonyWindowClose", "No"));
    }
};

} // namespace Ui

namespace Dialogs {

TeamTelephonyCloseDialog::TeamTelephonyCloseDialog(bool alwaysOnTop, QWidget* parent)
    : Widgets::Window(parent, alwaysOnTop)
    , m_Form(std::make_unique<Ui::ConfirmTeamTelephonyWindowClose>())
{
    setStyleSheet(Utils::themedStyleSheet(Utils::ServiceDialogStyleSheet));
    m_Form->setupUi(this);
    setCanMaximize(false);
    setResizable(false);
    retranslate();
    CHECKED_CONNECT(m_Form->yesButton, SIGNAL(clicked()), this, SLOT(dialogAccepted()));
    CHECKED_CONNECT(m_Form->noButton, SIGNAL(clicked()), this, SLOT(close()));
}

TeamTelephonyCloseDialog::~TeamTelephonyCloseDialog() = default;

void TeamTelephonyCloseDialog::retranslate()
{
    m_Form->retranslateUi(this);
    setTitle(windowTitle());
    m_Form->label->setText(
        tr("By closing this window, you will no longer be able to receive team call status updates. To open the "
           "window again, go to Preferences > Team Telephony.\n\nAre you sure you want to close the window?"));
}

void TeamTelephonyCloseDialog::dialogAccepted()
{
    Kivo::Settings(Kivo::Settings::UserSettings)
        .setValue(Constants::SettingsKey::CloseTeamTelephonyWindow, m_Form->alwaysAskCheckBox->isChecked());
    emit accepted();
    close();
}

void TeamTelephonyCloseDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Widgets::Window::changeEvent(event);
}

} // namespace Dialogs
