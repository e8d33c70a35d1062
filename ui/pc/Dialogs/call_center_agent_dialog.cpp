#include "Dialogs/call_center_agent_dialog.h"

#include "Utils/themed_style_sheet.h"
#include "Widgets/cutting_label.h"
#include "common/connect_check.h"
#include "common/logging.h"

#include <Kivo/Models/CallCenterAgentModel.h>
#include <Kivo/Services/CallCenterAgentHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QScrollArea>
#include <QSpacerItem>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace Ui {

// The dialog's form, laid out as the form designer would.
class CallCenterAgentDialog
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QGroupBox* groupBox = nullptr;
    QVBoxLayout* groupBoxLayout = nullptr;
    QWidget* acdArea = nullptr;
    QVBoxLayout* acdAreaLayout = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QComboBox* acdStatusComboBox = nullptr;
    QLabel* acdStatus = nullptr;
    QFrame* line = nullptr;
    QScrollArea* scrollArea = nullptr;
    QWidget* scrollAreaWidgetContents = nullptr;
    QLabel* noQueueLabel = nullptr;
    QLabel* publishStatus = nullptr;
    QDialogButtonBox* buttonBox = nullptr;

    void setupUi(QWidget* form)
    {
        form->setObjectName("CallCenterAgentDialog");
        form->resize(350, 260);
        form->setMinimumSize(350, 260);
        form->setMaximumSize(350, 600);
        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setObjectName("verticalLayout");
        verticalLayout->setContentsMargins(10, 10, 10, 10);

        groupBox = new QGroupBox(form);
        groupBox->setObjectName("groupBox");
        groupBoxLayout = new QVBoxLayout(groupBox);
        groupBoxLayout->setObjectName("groupBoxLayout");
        groupBoxLayout->setSpacing(10);
        groupBoxLayout->setContentsMargins(10, 10, 10, 10);

        acdArea = new QWidget(groupBox);
        acdArea->setObjectName("acdArea");
        acdAreaLayout = new QVBoxLayout(acdArea);
        acdAreaLayout->setObjectName("acdAreaLayout");
        acdAreaLayout->setContentsMargins(0, 0, 0, 0);
        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setObjectName("horizontalLayout");
        horizontalLayout->setSpacing(0);
        acdStatusComboBox = new QComboBox(acdArea);
        acdStatusComboBox->setObjectName("acdStatusComboBox");
        horizontalLayout->addWidget(acdStatusComboBox);
        horizontalLayout->addItem(new QSpacerItem(200, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        acdAreaLayout->addLayout(horizontalLayout);
        acdStatus = new QLabel(acdArea);
        acdStatus->setObjectName("acdStatus");
        acdStatus->setWordWrap(true);
        acdAreaLayout->addWidget(acdStatus);
        line = new QFrame(acdArea);
        line->setObjectName("line");
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        acdAreaLayout->addWidget(line);
        groupBoxLayout->addWidget(acdArea);

        scrollArea = new QScrollArea(groupBox);
        scrollArea->setObjectName("scrollArea");
        scrollArea->setFrameShape(QFrame::NoFrame);
        scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scrollArea->setWidgetResizable(true);
        scrollAreaWidgetContents = new QWidget();
        scrollAreaWidgetContents->setObjectName("scrollAreaWidgetContents");
        scrollArea->setWidget(scrollAreaWidgetContents);
        groupBoxLayout->addWidget(scrollArea, 1);

        noQueueLabel = new QLabel(groupBox);
        noQueueLabel->setObjectName("noQueueLabel");
        noQueueLabel->setWordWrap(true);
        groupBoxLayout->addWidget(noQueueLabel);
        publishStatus = new QLabel(groupBox);
        publishStatus->setObjectName("publishStatus");
        publishStatus->setWordWrap(true);
        groupBoxLayout->addWidget(publishStatus);
        groupBoxLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::MinimumExpanding));
        verticalLayout->addWidget(groupBox);

        buttonBox = new QDialogButtonBox(form);
        buttonBox->setObjectName("buttonBox");
        buttonBox->setStandardButtons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        verticalLayout->addWidget(buttonBox);
        retranslateUi(form);
    }

    void retranslateUi(QWidget* form)
    {
        form->setWindowTitle(QCoreApplication::translate("CallCenterAgentDialog", "Queues"));
    }
};

} // namespace Ui

namespace Dialogs {

namespace {

using Kivo::Services::CallCenterAgentHandler;
using Kivo::Services::CallCenterAgentQueue;

constexpr int QueueSpacing = 10;
constexpr int QueueMargins = 5;

} // namespace

CallCenterAgentDialog::CallCenterAgentDialog(Kivo::Sessions::SessionManagerBase* session, bool alwaysOnTop,
                                             QWidget* parent)
    : Widgets::Window(parent, alwaysOnTop, true)
    , m_Form(std::make_unique<Ui::CallCenterAgentDialog>())
    , m_Handler(session ? session->getCallCenterAgentHandler() : nullptr)
{
    setCanMaximize(false);
    // Before the form: the button box reads from it whether its buttons carry icons.
    setStyleSheet(Utils::themedStyleSheet(Utils::ServiceDialogStyleSheet));
    m_Form->setupUi(this);
    setTitle(tr("Queues"));
    m_Form->buttonBox->button(QDialogButtonBox::Save)->setText(tr("Save"));
    m_Form->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    // Grey in the style sheet, as every declining button.
    if (QPushButton* cancel = m_Form->buttonBox->button(QDialogButtonBox::Cancel)) {
        cancel->setObjectName(QStringLiteral("cancelButton"));
        cancel->style()->unpolish(cancel);
        cancel->style()->polish(cancel);
    }
    m_Form->publishStatus->hide();
    CHECKED_CONNECT(m_Form->buttonBox->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), this, SLOT(close()));
    CHECKED_CONNECT(m_Form->buttonBox->button(QDialogButtonBox::Save), SIGNAL(clicked()), this,
                    SLOT(publishCallCenterAgentDetails()));
    CHECKED_CONNECT(m_Form->acdStatusComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(setCurrentACDStatusText(int)));
}

CallCenterAgentDialog::~CallCenterAgentDialog() = default;

void CallCenterAgentDialog::initWidget()
{
    if (!m_Handler) {
        // Nobody to ask: the user learns it as a fetch error instead of waiting for nothing.
        LOG_WARNING << "No call-centre agent handler";
        onErrorReceivingCallCenterAgentData();
        return;
    }
    m_Model = new Kivo::Models::CallCenterAgentModel(this);
    CHECKED_CONNECT(m_Handler, SIGNAL(callCenterQueuesParsed(QList<Kivo::Services::CallCenterAgentQueue*>)), m_Model,
                    SLOT(callCenterDetailsReceived(QList<Kivo::Services::CallCenterAgentQueue*>)));
    CHECKED_CONNECT(m_Handler, SIGNAL(callCenterAgentQueueNameReceived(const QString&, const QString&)), m_Model,
                    SLOT(onCallCenterAgentQueueNameReceived(const QString&, const QString&)));
    CHECKED_CONNECT(m_Handler, SIGNAL(errorReceivingCallCenterAgentData()), this, SLOT(onErrorReceivingCallCenterAgentData()));
    CHECKED_CONNECT(m_Handler, SIGNAL(allQueueNamesReceived()), this, SLOT(onAllQueueNamesReceived()));
    CHECKED_CONNECT(m_Handler, SIGNAL(callCenterAgentDataPublished(bool)), this, SLOT(onCallCenterAgentDataPublished(bool)));
    fillStateCombo();
    m_Handler->fetchCallCenterAgentDetails();
}

QString CallCenterAgentDialog::unavailableName() const
{
    return m_Handler ? m_Handler->getACDStatusMap().value(CallCenterAgentHandler::Unavailable) : QString();
}

void CallCenterAgentDialog::fillStateCombo()
{
    if (!m_Handler)
        return;
    if (m_Handler->getIsOnlyBasicAgent()) {
        useBasicLayout();
        return;
    }
    const bool codesRequired = m_Handler->getAgentUnavailableCodesRequired();
    const QMap<CallCenterAgentHandler::ACDStates, QString> states = m_Handler->getACDStatusMap();
    const QString sentences[] = {tr("You have signed in, but are not yet ready to receive calls."),
                                 tr("You are ready to receive calls."),
                                 tr("You are not available to receive calls."),
                                 tr("You are wrapping up and not available to receive calls."),
                                 tr("You are signed out and will not receive calls.")};
    QStringList entries;
    for (auto it = states.begin(); it != states.end(); ++it) {
        const int state = it.key();
        if (state >= CallCenterAgentHandler::SignIn && state <= CallCenterAgentHandler::SignOut)
            m_StatusDescriptions.insert(it.value(), sentences[state]);
        if (!(state == CallCenterAgentHandler::Unavailable && codesRequired))
            entries.append(it.value());
    }
    int separator = -1;
    const QMap<QString, QString> codes = m_Handler->getACDUnavailableCodes();
    if (!codes.isEmpty()) {
        separator = entries.size();
        const QString unavailable = states.value(CallCenterAgentHandler::Unavailable);
        for (const QString& description : codes)
            entries.append(QStringLiteral("%1: %2").arg(unavailable, description));
    }
    auto* model = new QStandardItemModel(m_Form->acdStatusComboBox);
    for (const QString& entry : entries)
        model->appendRow(new QStandardItem(entry));
    m_Form->acdStatusComboBox->setModel(model);
    if (separator >= 0)
        m_Form->acdStatusComboBox->insertSeparator(separator);
}

void CallCenterAgentDialog::selectCurrentState()
{
    QComboBox* combo = m_Form->acdStatusComboBox;
    if (!m_Handler || !combo->model() || combo->model()->rowCount() < 1)
        return;
    QString current = m_Handler->getCurrentACDStatus();
    const QString code = m_Handler->getCurrentACDUnavailableCode();
    if (!code.isEmpty())
        current = QStringLiteral("%1: %2").arg(current, m_Handler->getACDUnavailableCodes().value(code));
    combo->setCurrentIndex(combo->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setCurrentACDStatusText(combo->currentIndex());
}

void CallCenterAgentDialog::setCurrentACDStatusText(int index)
{
    const QString name = m_Form->acdStatusComboBox->itemText(index).section(QLatin1Char(':'), 0, 0);
    m_Form->acdStatus->setText(m_StatusDescriptions.value(name));
}

void CallCenterAgentDialog::fitToMinimum()
{
    setMaximumSize(minimumSize());
    adjustSize();
}

void CallCenterAgentDialog::useBasicLayout()
{
    m_Form->acdArea->hide();
    fitToMinimum();
}

void CallCenterAgentDialog::useErrorLayout()
{
    useBasicLayout();
    m_Form->buttonBox->button(QDialogButtonBox::Save)->hide();
    m_Form->scrollArea->hide();
    fitToMinimum();
}

void CallCenterAgentDialog::createQueueList()
{
    const int rows = m_Model ? m_Model->rowCount() : 0;
    if (rows == 0) {
        m_Form->scrollArea->hide();
        m_Form->noQueueLabel->setText(tr("No queues assigned"));
        m_Form->noQueueLabel->show();
        fitToMinimum();
        return;
    }
    setMaximumSize(minimumWidth(), 600);
    m_Form->noQueueLabel->hide();
    auto* contents = new QWidget();
    contents->setObjectName("queueList");
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(QueueMargins, QueueMargins, QueueMargins, QueueMargins);
    for (int row = 0; row < rows; ++row) {
        auto* queue = qobject_cast<CallCenterAgentQueue*>(
            m_Model->data(m_Model->index(row, 0), Kivo::Models::CallCenterAgentModel::QueueRole).value<QObject*>());
        if (!queue)
            continue;
        auto* grid = new QGridLayout();
        grid->setHorizontalSpacing(QueueSpacing);
        auto* labels = new QVBoxLayout();
        const QString name = queue->getQueueName().isEmpty() ? queue->getServiceUserId() : queue->getQueueName();
        for (const QString& text : {name, queue->getPhoneNumber()}) {
            auto* label = new Widgets::CuttingLabel();
            label->setTextFormat(Qt::PlainText);
            label->setText(text);
            labels->addWidget(label);
        }
        grid->addLayout(labels, 0, 0);
        auto* membership = new QComboBox();
        membership->setObjectName("membership_" + queue->getServiceUserId());
        membership->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        membership->addItem(tr("In"), QVariant::fromValue<QObject*>(queue));
        membership->addItem(tr("Out"), QVariant::fromValue<QObject*>(queue));
        membership->setEnabled(queue->getIsLogOffAllowed());
        membership->setCurrentIndex(queue->getAvailable() ? 0 : 1);
        CHECKED_CONNECT(membership, SIGNAL(currentIndexChanged(int)), this, SLOT(onQueueComboboxCurrentIndexChanged(int)));
        grid->addWidget(membership, 0, 1, Qt::AlignRight | Qt::AlignVCenter);
        layout->addLayout(grid);
    }
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::MinimumExpanding));
    // The scroll area deletes the content it had.
    m_Form->scrollArea->setWidget(contents);
    m_Form->scrollArea->show();
    adjustSize();
}

void CallCenterAgentDialog::onQueueComboboxCurrentIndexChanged(int index)
{
    auto* combo = qobject_cast<QComboBox*>(sender());
    if (!combo)
        return;
    auto* queue = qobject_cast<CallCenterAgentQueue*>(combo->itemData(index).value<QObject*>());
    if (!queue)
        return;
    if (!m_ChangedQueues.contains(queue))
        m_ChangedQueues.insert(queue, queue->getAvailable());
    queue->setAvailable(index == 0);
}

void CallCenterAgentDialog::publishCallCenterAgentDetails()
{
    setPublishState(Saving);
    QString status = m_Form->acdStatusComboBox->isVisibleTo(this) ? m_Form->acdStatusComboBox->currentText() : QString();
    QString reason;
    if (!status.isEmpty()) {
        const QString separator = QStringLiteral(": ");
        if (status.contains(separator)) {
            const QString description = status.section(separator, 1);
            const QMap<QString, QString> codes = m_Handler ? m_Handler->getACDUnavailableCodes() : QMap<QString, QString>();
            for (auto it = codes.begin(); it != codes.end() && reason.isEmpty(); ++it) {
                if (it.value() == description)
                    reason = it.key();
            }
            status = unavailableName();
        } else if (status == unavailableName() && m_Handler) {
            reason = m_Handler->getDefaultUnavailableReason();
        }
    }
    if (!m_Handler) {
        LOG_WARNING << "No call-centre agent handler to publish to";
        setPublishState(SaveError);
        return;
    }
    m_Handler->putCallCenterAgentDetails(status, reason,
                                         m_Model ? m_Model->getCallCenterAgentQueues() : QList<CallCenterAgentQueue*>());
}

void CallCenterAgentDialog::onAllQueueNamesReceived()
{
    selectCurrentState();
    createQueueList();
    showAndActivate();
}

void CallCenterAgentDialog::onErrorReceivingCallCenterAgentData()
{
    setPublishState(FetchError);
    useErrorLayout();
    showAndActivate();
}

void CallCenterAgentDialog::onCallCenterAgentDataPublished(bool published)
{
    if (published) {
        m_ChangedQueues.clear();
        close();
        return;
    }
    setPublishState(SaveError);
}

void CallCenterAgentDialog::restoreQueueChoices()
{
    for (auto it = m_ChangedQueues.begin(); it != m_ChangedQueues.end(); ++it)
        it.key()->setAvailable(it.value());
    m_ChangedQueues.clear();
}

void CallCenterAgentDialog::setPublishState(int state)
{
    if (state == m_PublishState)
        return;
    m_PublishState = state;
    showPublishState();
}

void CallCenterAgentDialog::showPublishState()
{
    QLabel* line = m_Form->publishStatus;
    switch (m_PublishState) {
    case Saving:
        line->setText(tr("Saving..."));
        line->setStyleSheet(QStringLiteral("QLabel { color : green; }"));
        break;
    case FetchError:
        line->setText(tr("Error: There was an error getting the Call Center Agent content. Please try again later or "
                         "contact your system administrator"));
        line->setStyleSheet(QStringLiteral("QLabel { color : red; }"));
        break;
    case SaveError:
        line->setText(tr("Error: There was an error saving your changes. Please try again later or contact your system "
                         "administrator"));
        line->setStyleSheet(QStringLiteral("QLabel { color : red; }"));
        break;
    default:
        line->clear();
        break;
    }
    line->setVisible(!line->text().isEmpty());
}

void CallCenterAgentDialog::retranslate()
{
    m_Form->retranslateUi(this);
    m_Form->buttonBox->button(QDialogButtonBox::Save)->setText(tr("Save"));
    m_Form->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    setTitle(tr("Queues"));
    const int index = m_Form->acdStatusComboBox->currentIndex();
    fillStateCombo();
    if (index != -1) {
        m_Form->acdStatusComboBox->setCurrentIndex(index);
        setCurrentACDStatusText(index);
    }
    if (m_Model)
        createQueueList();
    showPublishState();
}

void CallCenterAgentDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Widgets::Window::changeEvent(event);
}

void CallCenterAgentDialog::closeEvent(QCloseEvent* event)
{
    Widgets::Window::closeEvent(event);
    // Choices not saved stay behind in no queue object, to be sent by nobody later.
    if (event->isAccepted())
        restoreQueueChoices();
}

} // namespace Dialogs
