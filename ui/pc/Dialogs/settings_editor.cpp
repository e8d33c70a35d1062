#include "Dialogs/settings_editor.h"

#include "common/connect_check.h"
#include "libqml/utils/style.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Dialogs {

namespace {

// The look of the product's settings dialogs, in the theme's colours: white surfaces, the
// brand colour for what is current or default, quiet dividers.
const char* const StyleSheet = R"(
* { font-family: "%%font:defaultFontFamily%%"; }
Dialogs--SettingsEditor, QScrollArea, QScrollArea > QWidget > QWidget, QTabWidget > QStackedWidget > QWidget {
    background: %%colors:whiteBackground%%;
}
QLabel, QCheckBox, QRadioButton { color: %%colors:darkText%%; }
QLabel:disabled, QCheckBox:disabled, QRadioButton:disabled { color: %%colors:lightText%%; }
QGroupBox { border: none; margin-top: 20px; padding: 2px 0 0 4px; }
QGroupBox::title { subcontrol-origin: margin; left: 2px; padding: 0; color: %%colors:loginHighlightText%%; }
QGroupBox::title:disabled { color: %%colors:lightText%%; }
QTabWidget::pane { border: 1px solid %%colors:mediumDivider%%; border-radius: 4px; top: -1px; padding: 4px 8px 8px 8px; }
QTabBar::tab {
    background: %%colors:lightBackground%%; color: %%colors:mediumText%%;
    border: 1px solid %%colors:mediumDivider%%; border-bottom: none;
    border-top-left-radius: 4px; border-top-right-radius: 4px;
    padding: 6px 14px; margin-right: 2px;
}
QTabBar::tab:selected { background: %%colors:whiteBackground%%; color: %%colors:darkText%%; border-top: 2px solid %%colors:activeBackground%%; }
QTabBar::tab:hover:!selected { color: %%colors:darkText%%; }
QTabBar::tab:disabled { color: %%colors:lightText%%; }
QPushButton {
    background: %%colors:whiteBackground%%; color: %%colors:darkText%%;
    border: 1px solid %%colors:mediumDivider%%; border-radius: 3px; padding: 5px 16px;
}
QPushButton:hover { border-color: %%colors:activeBackground%%; }
QPushButton:pressed { background: %%colors:lightActiveBackground%%; }
QPushButton:disabled { color: %%colors:lightText%%; border-color: %%colors:lightDivider%%; }
QPushButton:default { padding: 5px 26px; background: %%colors:defaultButton%%; color: %%colors:whiteText%%; border-color: %%colors:defaultButton%%; }
QPushButton:default:hover { background: %%colors:hoverButton%%; border-color: %%colors:hoverButton%%; }
QLineEdit {
    background: %%colors:inputFieldBackground%%; color: %%colors:darkText%%;
    border: 1px solid %%colors:mediumDivider%%; border-radius: 3px; padding: 4px 6px;
}
QLineEdit:focus { border-color: %%colors:activeBackground%%; }
QLineEdit:disabled, QLineEdit:read-only { background: %%colors:lightBackground%%; color: %%colors:mediumText%%; }
QListWidget { border: 1px solid %%colors:mediumDivider%%; border-radius: 3px; color: %%colors:darkText%%; }
QListWidget::item:selected { background: %%colors:lightActiveBackground%%; color: %%colors:darkText%%; }
)";

} // namespace

SettingsEditor::SettingsEditor(QWidget* parent, bool alwaysOnTop)
    : PopupWindow(alwaysOnTop, parent)
    // Without a parent until setCentralWidget puts the bar below the page.
    , m_ButtonsWidget(new QWidget)
    , m_OkButton(new QPushButton(m_ButtonsWidget))
    , m_CancelButton(new QPushButton(m_ButtonsWidget))
{
    setObjectName("settingsEditorWindow");

    auto* buttons = new QHBoxLayout(m_ButtonsWidget);
    buttons->addItem(new QSpacerItem(10, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    buttons->addWidget(m_OkButton);
    // Drawn as the window's main answer; a settings window has no Return default.
    m_OkButton->setDefault(true);
    buttons->addWidget(m_CancelButton);
    m_ButtonsWidget->setObjectName("settingsEditorButtons");
    m_CancelButton->setObjectName("cancelButton");
    retranslate();

    connect(m_OkButton, &QPushButton::clicked, this, &SettingsEditor::okPressed);
    connect(m_CancelButton, &QPushButton::clicked, this, &QWidget::close);
    // A dialog of settings is left with Esc as with Cancel.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    contentsLayout()->setContentsMargins(10, 0, 10, 20);
    applyStyle();
}

SettingsEditor::~SettingsEditor()
{
    // Never placed when no page arrived, so never adopted.
    if (!m_ButtonsWidget->parent())
        delete m_ButtonsWidget;
}

void SettingsEditor::setCentralWidget(QWidget* content, int)
{
    CHECKED_CONNECT(content, SIGNAL(enableSave(bool)), this, SLOT(enableSave(bool)));
    CHECKED_CONNECT(this, SIGNAL(saveSettings()), content, SIGNAL(saveSettings()));
    CHECKED_CONNECT(this, SIGNAL(cancelSettings()), content, SIGNAL(cancelSettings()));
    CHECKED_CONNECT(content, SIGNAL(qualityDetectionEnabled()), this, SLOT(cbQualityDetectionEnabled()));
    PopupWindow::setCentralWidget(content, 0);
    contentsLayout()->addWidget(m_ButtonsWidget);
}

void SettingsEditor::cbQualityDetectionEnabled()
{
    emit qualityDetectionEnabled();
}

void SettingsEditor::enableSave(bool)
{
}

void SettingsEditor::okPressed()
{
    if (m_Answered)
        return;
    m_Answered = true;
    emit saveSettings();
    close();
}

void SettingsEditor::closeEvent(QCloseEvent* event)
{
    // Closing is never refused: whatever closes the window answers the page.
    if (!m_Answered) {
        m_Answered = true;
        emit cancelSettings();
    }
    event->accept();
}

void SettingsEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    PopupWindow::changeEvent(event);
}

void SettingsEditor::applyStyle()
{
    const QML::Style* style = QML::Style::instance();
    QString sheet = QString::fromLatin1(StyleSheet);
    if (style && style->replaceCssWithStyle(sheet))
        setStyleSheet(sheet);
}

void SettingsEditor::retranslate()
{
    m_OkButton->setText(tr("OK"));
    m_CancelButton->setText(tr("Cancel"));
}

} // namespace Dialogs
