#pragma once

#include "Widgets/popup_window.h"

class QPushButton;

namespace Dialogs {

// Frame of a settings page: puts the page above an OK and a Cancel button and turns them
// into saveSettings() and cancelSettings(), which the page passes on to its handlers.
//
// The page must offer the signals enableSave(bool), saveSettings(), cancelSettings() and
// qualityDetectionEnabled(). OK emits saveSettings() once; every other way of closing
// (Cancel, the close box, Esc, a close() from outside) emits cancelSettings() once.
class SettingsEditor : public PopupWindow
{
    Q_OBJECT

public:
    SettingsEditor(QWidget* parent, bool alwaysOnTop);
    ~SettingsEditor() override;

    void setCentralWidget(QWidget* content, int bottomSpace) override;

signals:
    void qualityDetectionEnabled();
    void saveSettings();
    void cancelSettings();

protected slots:
    void cbQualityDetectionEnabled();
    // OK stays enabled whatever a handler reports: the window saves on OK regardless.
    void enableSave(bool enabled);
    void okPressed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyStyle();
    void retranslate();

    QWidget* m_ButtonsWidget;
    QPushButton* m_OkButton;
    QPushButton* m_CancelButton;
    // Set by OK or by the first close: a later close (the window is deleted only after the
    // event loop turns) must not answer the page a second time.
    bool m_Answered = false;
};

} // namespace Dialogs
