#pragma once

#include "Widgets/popup_window.h"

#include <Kivo/Controllers/SupplementaryService.h>
#include <Kivo/Vyx/VyxComponent.h>

#include <QList>
#include <QPointer>

#include <memory>

class QTimer;

namespace Ui {
class SupplementaryServicesDialog;
}

namespace Dialogs {

// Every supplementary service of the account as the server reports it, a check box each and
// a number field for those that forward calls; Apply and OK send every service back. It
// talks to the controller through signals only, asks for the list at once and says
// readyToShow() when its rows stand.
class SupplementaryServices : public PopupWindow
{
    Q_OBJECT

public:
    static constexpr int ReportDelayMs = 2000;
    // The dynamic property of each row's widgets naming the service.
    static constexpr const char* ServiceIdProperty = "SupplementaryServiceId";

    SupplementaryServices(QObject* controller, bool alwaysOnTop);
    ~SupplementaryServices() override;

signals:
    void readyToShow();
    void fetchSupplementaryServices();
    void changeSupplementaryService(Kivo::Controllers::SupplementaryService service);

protected slots:
    void changed();
    void apply();
    void checkStateChanged(QWidget* widget);
    void supplementaryServices(QList<Kivo::Controllers::SupplementaryService> services);
    void supplementaryServiceChanged(Kivo::Controllers::SupplementaryService service);
    void failedToChangeSupplementaryService(Kivo::Controllers::SupplementaryService service);
    void fetchFailed(Kivo::Vyx::VyxComponent::Error error, QString text);
    void reportError();

protected:
    void changeEvent(QEvent* event) override;

private:
    void removeRows();
    // Puts the service's row back to `service`.
    void showService(const Kivo::Controllers::SupplementaryService& service);
    void retranslate();

    std::unique_ptr<Ui::SupplementaryServicesDialog> m_Form;
    QWidget* m_Content;
    QList<Kivo::Controllers::SupplementaryService> m_Services;
    QTimer* m_ReportTimer = nullptr;
    QString m_ErrorText;
};

} // namespace Dialogs
