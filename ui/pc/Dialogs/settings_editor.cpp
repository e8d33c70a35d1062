#include "Dialogs/settings_editor.h"

#include "common/connect_check.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Dialogs {

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

void SettingsEditor::retranslate()
{
    m_OkButton->setText(tr("OK"));
    m_CancelButton->setText(tr("Cancel"));
}

} // namespace Dialogs
