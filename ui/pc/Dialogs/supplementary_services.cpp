#include "Dialogs/supplementary_services.h"

#include "Dialogs/message_window.h"
#include "Utils/string_helper.h"
#include "Utils/themed_style_sheet.h"
#include "common/connect_check.h"
#include "common/logging.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QSignalMapper>
#include <QTimer>
#include <QVBoxLayout>

namespace Ui {

// The dialog's form, laid out as the form designer would.
class SupplementaryServicesDialog
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QGridLayout* supplementaryServicesLayout = nullptr;
    QDialogButtonBox* buttonBox = nullptr;

    void setupUi(QWidget* form)
    {
        form->setObjectName("supplementaryServicesDialog");
        form->resize(237, 31);
        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setObjectName("verticalLayout");
        verticalLayout->setContentsMargins(10, 10, 10, 10);
        supplementaryServicesLayout = new QGridLayout();
        supplementaryServicesLayout->setObjectName("supplementaryServicesLayout");
        supplementaryServicesLayout->setVerticalSpacing(6);
        verticalLayout->addLayout(supplementaryServicesLayout);
        buttonBox = new QDialogButtonBox(form);
        buttonBox->setObjectName("buttonBox");
        buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel);
        verticalLayout->addWidget(buttonBox);
        retranslateUi(form);
    }

    void retranslateUi(QWidget* form)
    {
        form->setWindowTitle(QCoreApplication::translate("supplementaryServicesDialog", "Supplementary Services"));
    }
};

} // namespace Ui

namespace Dialogs {

namespace {

// The services the string helpers name: forwarding, identification, barring, waiting, do not
// disturb and remote office.
bool hasDisplayName(int id)
{
    return (id >= 0 && id <= 8) || (id >= 12 && id <= 19);
}

using Kivo::Controllers::SupplementaryService;

int serviceIdOf(const QObject* widget)
{
    bool valid = false;
    const int id = widget ? widget->property(SupplementaryServices::ServiceIdProperty).toInt(&valid) : -1;
    return valid ? id : -1;
}

} // namespace

SupplementaryServices::SupplementaryServices(QObject* controller, bool alwaysOnTop)
    : PopupWindow(alwaysOnTop, nullptr)
    , m_Form(std::make_unique<Ui::SupplementaryServicesDialog>())
    , m_Content(new QWidget(this))
{
    qRegisterMetaType<Kivo::Controllers::SupplementaryService>("Kivo::Controllers::SupplementaryService");
    qRegisterMetaType<QList<Kivo::Controllers::SupplementaryService>>("QList<Kivo::Controllers::SupplementaryService>");
    setWindowFlags(windowFlags() | Qt::Window);
    setWindowModality(Qt::WindowModal);
    setCanMinimize(true);
    setCanMaximize(false);
    setResizable(false);
    setTitle(tr("Supplementary Services"));

    // Before the form: the button box reads from it whether its buttons carry icons.
    setStyleSheet(Utils::themedStyleSheet(Utils::ServiceDialogStyleSheet));
    m_Form->setupUi(m_Content);
    setCentralWidget(m_Content, 0);

    QPushButton* ok = m_Form->buttonBox->button(QDialogButtonBox::Ok);
    QPushButton* applyButton = m_Form->buttonBox->button(QDialogButtonBox::Apply);
    QPushButton* cancel = m_Form->buttonBox->button(QDialogButtonBox::Cancel);
    // Grey in the style sheet, as every declining button.
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->style()->unpolish(cancel);
    cancel->style()->polish(cancel);
    CHECKED_CONNECT(ok, SIGNAL(clicked()), this, SLOT(apply()));
    CHECKED_CONNECT(ok, SIGNAL(clicked()), this, SLOT(close()));
    CHECKED_CONNECT(applyButton, SIGNAL(clicked()), this, SLOT(apply()));
    applyButton->setEnabled(false);
    CHECKED_CONNECT(cancel, SIGNAL(clicked()), this, SLOT(close()));

    if (controller) {
        CHECKED_CONNECT(this, SIGNAL(fetchSupplementaryServices()), controller, SLOT(fetchSupplementaryServices()));
        CHECKED_CONNECT(this, SIGNAL(changeSupplementaryService(Kivo::Controllers::SupplementaryService)), controller,
                        SLOT(changeSupplementaryService(Kivo::Controllers::SupplementaryService)));
        CHECKED_CONNECT(controller, SIGNAL(supplementaryServices(QList<Kivo::Controllers::SupplementaryService>)), this,
                        SLOT(supplementaryServices(QList<Kivo::Controllers::SupplementaryService>)));
        CHECKED_CONNECT(controller, SIGNAL(supplementaryServiceChanged(Kivo::Controllers::SupplementaryService)), this,
                        SLOT(supplementaryServiceChanged(Kivo::Controllers::SupplementaryService)));
        CHECKED_CONNECT(controller, SIGNAL(failedToChangeSupplementaryService(Kivo::Controllers::SupplementaryService)),
                        this, SLOT(failedToChangeSupplementaryService(Kivo::Controllers::SupplementaryService)));
        CHECKED_CONNECT(controller, SIGNAL(fetchFailed(Kivo::Vyx::VyxComponent::Error, QString)), this,
                        SLOT(fetchFailed(Kivo::Vyx::VyxComponent::Error, QString)));
    }
    emit fetchSupplementaryServices();
}

SupplementaryServices::~SupplementaryServices() = default;

void SupplementaryServices::removeRows()
{
    QGridLayout* grid = m_Form->supplementaryServicesLayout;
    while (QLayoutItem* item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (QSignalMapper* mapper : findChildren<QSignalMapper*>(QString(), Qt::FindDirectChildrenOnly))
        delete mapper;
}

void SupplementaryServices::supplementaryServices(QList<SupplementaryService> services)
{
    if (services != m_Services)
        m_Services = services;
    if (m_Services.isEmpty())
        return;
    // A second delivery replaces the rows instead of stacking new ones on the old.
    removeRows();
    QGridLayout* grid = m_Form->supplementaryServicesLayout;
    auto* mapper = new QSignalMapper(this);
    int row = 0;
    for (const SupplementaryService& service : qAsConst(m_Services)) {
        // A service the program has no name for would only read "Unknown service": not offered.
        if (!hasDisplayName(service.id()))
            continue;
        auto* check = new QCheckBox(Utils::StringHelper::supplementaryServiceName(service.id()), m_Content);
        check->setChecked(service.active());
        check->setProperty(ServiceIdProperty, int(service.id()));
        grid->addWidget(check, row++, 0);
        CHECKED_CONNECT(check, SIGNAL(stateChanged(int)), this, SLOT(changed()));
        if (!SupplementaryService::hasTarget(service.id()))
            continue;
        auto* number = new QLineEdit(service.target(), m_Content);
        number->setPlaceholderText(tr("Enter forwarding number"));
        number->setProperty(ServiceIdProperty, int(service.id()));
        number->setEnabled(service.active());
        grid->addWidget(number, row++, 0);
        CHECKED_CONNECT(number, SIGNAL(textEdited(const QString&)), this, SLOT(changed()));
        CHECKED_CONNECT(check, SIGNAL(stateChanged(int)), mapper, SLOT(map()));
        mapper->setMapping(check, number);
    }
    CHECKED_CONNECT(mapper, SIGNAL(mapped(QWidget*)), this, SLOT(checkStateChanged(QWidget*)));
    adjustSize();
    emit readyToShow();
}

void SupplementaryServices::checkStateChanged(QWidget* widget)
{
    if (auto* number = qobject_cast<QLineEdit*>(widget))
        number->setEnabled(!number->isEnabled());
}

void SupplementaryServices::changed()
{
    m_Form->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void SupplementaryServices::apply()
{
    QGridLayout* grid = m_Form->supplementaryServicesLayout;
    for (int index = 0; index < grid->count(); ++index) {
        const auto* check = qobject_cast<const QCheckBox*>(grid->itemAt(index)->widget());
        const int id = serviceIdOf(check);
        if (!check || id == -1)
            continue;
        QLayoutItem* next = grid->itemAt(index + 1);
        const auto* number = next ? qobject_cast<const QLineEdit*>(next->widget()) : nullptr;
        const QString target = number && serviceIdOf(number) == id ? number->text() : QString();
        emit changeSupplementaryService(SupplementaryService(static_cast<SupplementaryService::Id>(id), check->isChecked(), target));
    }
}

void SupplementaryServices::showService(const SupplementaryService& service)
{
    QGridLayout* grid = m_Form->supplementaryServicesLayout;
    for (int index = 0; index < grid->count(); ++index) {
        auto* check = qobject_cast<QCheckBox*>(grid->itemAt(index)->widget());
        if (!check || serviceIdOf(check) != service.id())
            continue;
        check->setChecked(service.active());
        QLayoutItem* next = grid->itemAt(index + 1);
        auto* number = next ? qobject_cast<QLineEdit*>(next->widget()) : nullptr;
        if (number && serviceIdOf(number) == service.id()) {
            number->setText(service.target());
            number->setEnabled(service.active());
        }
        return;
    }
}

void SupplementaryServices::supplementaryServiceChanged(SupplementaryService service)
{
    showService(service);
}

void SupplementaryServices::failedToChangeSupplementaryService(SupplementaryService service)
{
    showService(service);
    MessageWindow::showWarning(tr("Supplementary Service Failure"),
                               tr("Failed to change supplementary service: %1")
                                   .arg(Utils::StringHelper::supplementaryServiceName(service.id())),
                               false);
}

void SupplementaryServices::fetchFailed(Kivo::Vyx::VyxComponent::Error error, QString text)
{
    m_ErrorText = error == Kivo::Vyx::VyxComponent::ServerError ? text : Utils::StringHelper::conferenceErrorText(error);
    if (!m_ReportTimer) {
        m_ReportTimer = new QTimer(this);
        m_ReportTimer->setSingleShot(true);
        m_ReportTimer->setTimerType(Qt::PreciseTimer);
        m_ReportTimer->setInterval(ReportDelayMs);
        CHECKED_CONNECT(m_ReportTimer, SIGNAL(timeout()), this, SLOT(reportError()));
    }
    // Failures within the delay make one report.
    m_ReportTimer->start();
}

void SupplementaryServices::reportError()
{
    QString text = tr("Supplementary services fetch failed:") + QLatin1Char('\n');
    if (!m_ErrorText.isEmpty())
        text += m_ErrorText + QStringLiteral("\n\n");
    MessageWindow::showWarning(tr("Vyx Communication Failure"), text.trimmed(), false);
    m_ErrorText.clear();
}

void SupplementaryServices::retranslate()
{
    m_Form->retranslateUi(m_Content);
    setTitle(tr("Supplementary Services"));
    QGridLayout* grid = m_Form->supplementaryServicesLayout;
    for (int index = 0; index < grid->count(); ++index) {
        auto* check = qobject_cast<QCheckBox*>(grid->itemAt(index)->widget());
        const int id = serviceIdOf(check);
        if (check && id != -1)
            check->setText(Utils::StringHelper::supplementaryServiceName(id));
    }
}

void SupplementaryServices::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        return;
    }
    PopupWindow::changeEvent(event);
}

} // namespace Dialogs
