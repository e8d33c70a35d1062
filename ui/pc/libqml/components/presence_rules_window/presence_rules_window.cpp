#include "libqml/components/presence_rules_window/presence_rules_window.h"

#include "Providers/factory.h"
#include "Utils/presence_helper.h"
#include "Utils/presence_rules_ui_helper.h"
#include "Utils/themed_style_sheet.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/utils/style.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Services/PresenceRulesData.h>
#include <Kivo/Services/PresenceRulesHandler.h>

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QQmlContext>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace Ui {

// The window's form, laid out as the form designer would.
class PresenceRulesDialog
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* statusLabel = nullptr;
    QHBoxLayout* buttonLayout = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void setupUi(QWidget* form)
    {
        form->setObjectName("PresenceRulesDialog");
        form->setMinimumSize(MinimumWidth, 260);
        form->setMaximumSize(MinimumWidth, 600);
        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setObjectName("verticalLayout");
        statusLabel = new QLabel(form);
        statusLabel->setObjectName("statusLabel");
        statusLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        statusLabel->setWordWrap(true);
        verticalLayout->addWidget(statusLabel);
        buttonLayout = new QHBoxLayout();
        buttonLayout->setObjectName("buttonLayout");
        buttonLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        okButton = new QPushButton(form);
        okButton->setObjectName("okButton");
        okButton->setEnabled(false);
        okButton->setDefault(true);
        buttonLayout->addWidget(okButton);
        cancelButton = new QPushButton(form);
        cancelButton->setObjectName("cancelButton");
        buttonLayout->addWidget(cancelButton);
        verticalLayout->addLayout(buttonLayout);
        retranslateUi(form);
    }

    void retranslateUi(QWidget* form)
    {
        form->setWindowTitle(QCoreApplication::translate("PresenceRulesDialog", "Configure Presence"));
        okButton->setText(QCoreApplication::translate("PresenceRulesDialog", "OK"));
        cancelButton->setText(QCoreApplication::translate("PresenceRulesDialog", "Cancel"));
    }

    // The rules scene is 400 pixels wide; the form holds it with its margins.
    static constexpr int MinimumWidth = 420;
};

} // namespace Ui

namespace QML {

namespace {

constexpr const char* StyleSheetKey = "qml/presence_rules_dialog/css";
constexpr int SceneWidth = 400;
constexpr int SceneHeight = 180;

} // namespace

PresenceRulesWindow::PresenceRulesWindow(Kivo::Services::PresenceRulesHandler* handler, Providers::Factory* factory,
                                         QWidget* parent)
    : Window(false, parent)
    , m_Handler(handler)
    , m_Factory(factory)
    , m_UiHelper(new Utils::PresenceRulesUiHelper(this))
    , m_RulesView(new View(this))
    , m_Ui(std::make_unique<Ui::PresenceRulesDialog>())
{
    if (m_Handler)
        m_Handler->setTransactionState(Kivo::Services::PresenceRulesHandler::None);
    setTitle(tr("Configure Presence"));
    // The form, not the base's own scene, fills this window.
    view()->hide();
    m_Ui->setupUi(this);

    m_RulesView->setResizeMode(QQuickWidget::SizeRootObjectToView);
    m_RulesView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_RulesView->rootContext()->setContextProperty(Constants::ContextProperty::RootWindow, this);
    m_RulesView->setAcceptDrops(false);
    m_RulesView->setSource(QUrl(QString::fromLatin1(Scene)));
    m_RulesView->setFixedSize(SceneWidth, SceneHeight);
    m_Ui->verticalLayout->insertWidget(0, m_RulesView);
    m_Ui->okButton->setEnabled(false);
    setFocus();

    const QString css = Utils::themedStyleSheet(StyleSheetKey);
    for (QWidget* widget : {static_cast<QWidget*>(m_Ui->statusLabel), static_cast<QWidget*>(m_Ui->okButton),
                            static_cast<QWidget*>(m_Ui->cancelButton)})
        widget->setStyleSheet(css);
    m_Ui->verticalLayout->setSpacing(4);
    m_Ui->buttonLayout->setSpacing(10);
    // One white surface behind the scene, the status line and the buttons, as in every window.
    if (const Style* style = Style::instance()) {
        QPalette surface = palette();
        surface.setColor(QPalette::Window, style->color(QStringLiteral("whiteBackground")));
        setPalette(surface);
        setAutoFillBackground(true);
        m_RulesView->setClearColor(surface.color(QPalette::Window));
    }

    CHECKED_CONNECT(m_Ui->cancelButton, SIGNAL(clicked()), this, SLOT(close()));
    if (m_Handler) {
        CHECKED_CONNECT(m_Ui->okButton, SIGNAL(clicked()), m_Handler, SLOT(setPresenceRules()));
        CHECKED_CONNECT(m_Handler, SIGNAL(transactionStateChanged()), this, SLOT(cbTransactionStateChanged()));
    }
    // Fixed at the size its content asks for: no empty band below the buttons.
    adjustSize();
    setResizable(false);
}

PresenceRulesWindow::~PresenceRulesWindow()
{
    // The scene binds to this window: it goes first.
    delete m_RulesView;
}

QObject* PresenceRulesWindow::presenceRulesHandler() const
{
    return m_Handler;
}

QObject* PresenceRulesWindow::presenceRulesUiHelper() const
{
    return m_UiHelper;
}

QString PresenceRulesWindow::statusText() const
{
    return m_Ui->statusLabel->text();
}

bool PresenceRulesWindow::isSaveEnabled() const
{
    return m_Ui->okButton->isEnabled();
}

QString PresenceRulesWindow::getPresenceStateAsString(int state) const
{
    Utils::PresenceHelper* helper = m_Factory ? m_Factory->presenceHelper() : nullptr;
    if (!helper)
        return QString();
    // The helper's text of the internal presence is "Busy" for it too: two rows would read alike.
    if (state == Kivo::Services::PresenceRulesData::DoNotDisturb)
        return tr("Do Not Disturb");
    return helper->availabilityText(Kivo::Services::PresenceRulesData::PresenceStateToIMPState(state));
}

void PresenceRulesWindow::setSaveEnabled(bool enabled)
{
    m_Ui->okButton->setEnabled(enabled);
}

void PresenceRulesWindow::cbTransactionStateChanged()
{
    if (transactionState() == Kivo::Services::PresenceRulesHandler::Saved) {
        close();
        return;
    }
    updateStatus();
}

int PresenceRulesWindow::transactionState() const
{
    return m_Handler ? m_Handler->transactionState() : int(Kivo::Services::PresenceRulesHandler::None);
}

void PresenceRulesWindow::updateStatus()
{
    m_Ui->statusLabel->setText(m_UiHelper->statusText(transactionState()));
}

QSize PresenceRulesWindow::minimumWindowSize() const
{
    return QSize(Ui::PresenceRulesDialog::MinimumWidth, 260);
}

QSize PresenceRulesWindow::maximumWindowSize() const
{
    return QSize(Ui::PresenceRulesDialog::MinimumWidth, 600);
}

void PresenceRulesWindow::retranslate()
{
    m_Ui->retranslateUi(this);
    setTitle(tr("Configure Presence"));
    updateStatus();
}

void PresenceRulesWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Window::changeEvent(event);
}

void PresenceRulesWindow::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    const bool vertical = angle.y() != 0;
    emit wheel(vertical ? angle.y() : angle.x(), vertical ? Qt::Vertical : Qt::Horizontal);
}

} // namespace QML
