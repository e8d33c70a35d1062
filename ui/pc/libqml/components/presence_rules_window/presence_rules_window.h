#pragma once

#include "libqml/window/qml_window.h"

#include <QPointer>
#include <memory>

class QLabel;
class QPushButton;

namespace Kivo {
namespace Services {
class PresenceRulesHandler;
}
} // namespace Kivo
namespace Providers {
class Factory;
}
namespace Ui {
class PresenceRulesDialog;
}
namespace Utils {
class PresenceRulesUiHelper;
}

namespace QML {

class View;

// The "Configure Presence" window: for each presence state of the user one rule (none,
// forward calls to a number, silent alert), saved on the server through the presence-rules
// handler. A form with a status line and OK / Cancel below a scene of the rules.
class PresenceRulesWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QObject* presenceRulesHandler READ presenceRulesHandler CONSTANT)
    Q_PROPERTY(QObject* presenceRulesUiHelper READ presenceRulesUiHelper CONSTANT)

public:
    static constexpr const char* Scene = "qrc:/windows/PresenceRulesWindow/PresenceRulesDataContainer.qml";

    PresenceRulesWindow(Kivo::Services::PresenceRulesHandler* handler, Providers::Factory* factory, QWidget* parent);
    ~PresenceRulesWindow() override;

    QObject* presenceRulesHandler() const;
    QObject* presenceRulesUiHelper() const;
    View* rulesView() const { return m_RulesView; }
    QString statusText() const;
    bool isSaveEnabled() const;

    QSize minimumWindowSize() const override;
    QSize maximumWindowSize() const override;

    Q_INVOKABLE QString getPresenceStateAsString(int state) const;
    Q_INVOKABLE void setSaveEnabled(bool enabled);

signals:
    void wheel(int delta, int orientation);

public slots:
    void cbTransactionStateChanged();

protected:
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int transactionState() const;
    void updateStatus();
    void retranslate();

    QPointer<Kivo::Services::PresenceRulesHandler> m_Handler;
    QPointer<Providers::Factory> m_Factory;
    Utils::PresenceRulesUiHelper* m_UiHelper;
    View* m_RulesView;
    std::unique_ptr<Ui::PresenceRulesDialog> m_Ui;
};

} // namespace QML
