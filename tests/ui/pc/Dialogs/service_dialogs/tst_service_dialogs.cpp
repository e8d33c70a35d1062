// The service dialogs: every supplementary service in rows, and the call-centre agent's
// state and queues, each over the engine's answers and failures.
#include "Dialogs/call_center_agent_dialog.h"
#include "Dialogs/message_window.h"
#include "Dialogs/supplementary_services.h"
#include "../../services_fixture.h"
#include "support/shown_windows.h"
#include "support/test_environment.h"
#include "Widgets/cutting_label.h"

#include <Kivo/Services/CallCenterAgentHandler.h>
#include <Kivo/Simulation/Control.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardItemModel>

using Kivo::Controllers::SupplementaryService;

namespace {

// Stands for the supplementary-services controller: it records what the dialog asks and
// answers what the test tells it to.
class FakeServices : public QObject
{
    Q_OBJECT

public:
    int fetches = 0;
    QList<SupplementaryService> changes;

public slots:
    void fetchSupplementaryServices() { ++fetches; }
    void changeSupplementaryService(const Kivo::Controllers::SupplementaryService& service) { changes.append(service); }

signals:
    void supplementaryServices(const QList<Kivo::Controllers::SupplementaryService>& services);
    void supplementaryServiceChanged(const Kivo::Controllers::SupplementaryService& service);
    void failedToChangeSupplementaryService(const Kivo::Controllers::SupplementaryService& service);
    void fetchFailed(Kivo::Vyx::VyxComponent::Error error, QString text);
};

const QList<SupplementaryService> SomeServices = {
    SupplementaryService(SupplementaryService::CallForwardingAlways, true, "+15550100"),
    SupplementaryService(SupplementaryService::CallWaiting, false, QString()),
    SupplementaryService(SupplementaryService::RemoteOffice, false, "+15550199")};

// "check:<text>:<on>" or "field:<text>:<enabled>" per grid row.
QStringList rowsOf(const Dialogs::SupplementaryServices& dialog)
{
    QStringList rows;
    const auto* grid = dialog.findChild<QGridLayout*>("supplementaryServicesLayout");
    for (int index = 0; index < grid->count(); ++index) {
        QWidget* widget = grid->itemAt(index)->widget();
        if (auto* check = qobject_cast<QCheckBox*>(widget))
            rows << QStringLiteral("check:%1:%2").arg(check->text()).arg(check->isChecked());
        else if (auto* field = qobject_cast<QLineEdit*>(widget))
            rows << QStringLiteral("field:%1:%2").arg(field->text()).arg(field->isEnabled());
    }
    return rows;
}

QList<Dialogs::MessageWindow*> warnings()
{
    return TestSupport::shownWindows<Dialogs::MessageWindow>();
}

QString textOf(const Dialogs::MessageWindow* window)
{
    return window->findChild<QLabel*>("messageText")->text();
}

void closeWarnings()
{
    for (Dialogs::MessageWindow* window : warnings())
        window->close();
    QTRY_VERIFY(warnings().isEmpty());
}

QStringList comboEntries(const QComboBox* combo)
{
    QStringList entries;
    for (int row = 0; row < combo->count(); ++row)
        entries << (combo->itemData(row, Qt::AccessibleDescriptionRole).toString() == "separator" ? "-" : combo->itemText(row));
    return entries;
}

// The dialog of the signed-in user, once the engine answered.
std::unique_ptr<Dialogs::CallCenterAgentDialog> openAgentDialog(Kivo::Sessions::SessionManagerBase* session)
{
    auto dialog = std::make_unique<Dialogs::CallCenterAgentDialog>(session, false, nullptr);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->initWidget();
    static_cast<void>(QTest::qWaitFor([&dialog] { return dialog->isVisible(); }));
    return dialog;
}

} // namespace

class ServiceDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeWarnings(); }
    void rowsFollowTheServices();
    void secondDeliveryReplacesTheRows();
    void uncheckingDisablesTheNumber();
    void applySendsEveryService();
    void refusedChangeRestoresAndWarns();
    void fetchFailuresMakeOneReport_data();
    void fetchFailuresMakeOneReport();
    void agentStatesOffered_data();
    void agentStatesOffered();
    void agentQueues();
    void savingSendsStateReasonAndQueues();
    void cancelRestoresQueueChoices();
    void withoutHandlerTheFetchErrorShows();
};

void ServiceDialogsTest::rowsFollowTheServices()
{
    TestSupport::Environment env;
    FakeServices services;
    Dialogs::SupplementaryServices dialog(&services, false);
    QCOMPARE(services.fetches, 1);
    QSignalSpy ready(&dialog, &Dialogs::SupplementaryServices::readyToShow);
    emit services.supplementaryServices({});
    QCOMPARE(ready.size(), 0);
    emit services.supplementaryServices(SomeServices);
    QCOMPARE(ready.size(), 1);
    // Only forwarding services and remote office have a number field.
    QCOMPARE(rowsOf(dialog), (QStringList{"check:Communication Forwarding Unconditional:1", "field:+15550100:1",
                                          "check:Communication Waiting:0", "check:Corvantium Remote Office:0",
                                          "field:+15550199:0"}));

    // A service the program has no name for is not offered as "Unknown service".
    QList<SupplementaryService> withUnknown = SomeServices;
    withUnknown.insert(1, SupplementaryService(SupplementaryService::Id(11), true, QString()));
    emit services.supplementaryServices(withUnknown);
    QCOMPARE(rowsOf(dialog).size(), 5);
    QVERIFY(!rowsOf(dialog).join(',').contains("Unknown service"));
}

void ServiceDialogsTest::secondDeliveryReplacesTheRows()
{
    TestSupport::Environment env;
    FakeServices services;
    Dialogs::SupplementaryServices dialog(&services, false);
    emit services.supplementaryServices(SomeServices);
    emit services.supplementaryServices({SomeServices.at(1)});
    QCOMPARE(rowsOf(dialog), (QStringList{"check:Communication Waiting:0"}));
    QCOMPARE(dialog.findChild<QGridLayout*>("supplementaryServicesLayout")->rowCount() >= 1, true);
    QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 1);
}

void ServiceDialogsTest::uncheckingDisablesTheNumber()
{
    TestSupport::Environment env;
    FakeServices services;
    Dialogs::SupplementaryServices dialog(&services, false);
    emit services.supplementaryServices(SomeServices);
    QCheckBox* always = dialog.findChildren<QCheckBox*>().first();
    auto* apply = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Apply);
    QVERIFY(!apply->isEnabled());
    always->click();
    QCOMPARE(rowsOf(dialog).mid(0, 2), (QStringList{"check:Communication Forwarding Unconditional:0", "field:+15550100:0"}));
    QVERIFY(apply->isEnabled());
    always->click();
    QCOMPARE(rowsOf(dialog).at(1), QString("field:+15550100:1"));
}

void ServiceDialogsTest::applySendsEveryService()
{
    TestSupport::Environment env;
    FakeServices services;
    Dialogs::SupplementaryServices dialog(&services, false);
    emit services.supplementaryServices(SomeServices);
    QLineEdit* always = dialog.findChildren<QLineEdit*>().first();
    always->clear();
    QTest::keyClicks(always, "+15550123");
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Apply)->click();
    // The unchanged ones too.
    QCOMPARE(services.changes,
             (QList<SupplementaryService>{SupplementaryService(SupplementaryService::CallForwardingAlways, true, "+15550123"),
                                          SomeServices.at(1), SomeServices.at(2)}));
}

void ServiceDialogsTest::refusedChangeRestoresAndWarns()
{
    TestSupport::Environment env;
    FakeServices services;
    Dialogs::SupplementaryServices dialog(&services, false);
    emit services.supplementaryServices(SomeServices);
    dialog.findChildren<QCheckBox*>().first()->click();
    dialog.findChildren<QLineEdit*>().first()->setText("+1 555 CALL");
    emit services.failedToChangeSupplementaryService(SomeServices.at(0));
    QCOMPARE(rowsOf(dialog).mid(0, 2), (QStringList{"check:Communication Forwarding Unconditional:1", "field:+15550100:1"}));
    QTRY_COMPARE(warnings().size(), 1);
    QCOMPARE(warnings().first()->windowTitle(), QString("Supplementary Service Failure"));
    QCOMPARE(textOf(warnings().first()),
             QString("Failed to change supplementary service: Communication Forwarding Unconditional"));
}

void ServiceDialogsTest::fetchFailuresMakeOneReport_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("report");
    QTest::newRow("server") << int(Kivo::Vyx::VyxComponent::ServerError) << "Maintenance"
                            << "Supplementary services fetch failed:\nMaintenance";
    QTest::newRow("network") << 3 << "ignored" << "Supplementary services fetch failed:\nNetwork error";
    QTest::newRow("unknown kind") << 6 << "ignored" << "Supplementary services fetch failed:";
}

void ServiceDialogsTest::fetchFailuresMakeOneReport()
{
    QFETCH(int, error);
    QFETCH(QString, text);
    QFETCH(QString, report);
    TestSupport::Environment env;
    FakeServices services;
    Dialogs::SupplementaryServices dialog(&services, false);
    QElapsedTimer sinceLast;
    for (int failure = 0; failure < 3; ++failure) {
        QTest::qWait(100);
        emit services.fetchFailed(static_cast<Kivo::Vyx::VyxComponent::Error>(error), text);
        sinceLast.start();
    }
    QTRY_COMPARE_WITH_TIMEOUT(warnings().size(), 1, 5000);
    QVERIFY(sinceLast.elapsed() >= Dialogs::SupplementaryServices::ReportDelayMs);
    QCOMPARE(warnings().first()->windowTitle(), QString("Vyx Communication Failure"));
    QCOMPARE(textOf(warnings().first()), report);
    QTest::qWait(100);
    QCOMPARE(warnings().size(), 1);
}

void ServiceDialogsTest::agentStatesOffered_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("codes optional") << "ada@services.example"
                                    << QStringList{"Sign-In", "Available", "Unavailable", "Wrap-Up", "Sign-Out", "-",
                                                   "Unavailable: Break", "Unavailable: Lunch"}
                                    << "Available" << "You are ready to receive calls.";
    QTest::newRow("codes required, unknown code")
        << "codes@services.example"
        << QStringList{"Sign-In", "Available", "Wrap-Up", "Sign-Out", "-", "Unavailable: Break", "Unavailable: Lunch"}
        << "" << "";
    QTest::newRow("away for lunch") << "lunch@services.example"
                                    << QStringList{"Sign-In", "Available", "Unavailable", "Wrap-Up", "Sign-Out", "-",
                                                   "Unavailable: Break", "Unavailable: Lunch"}
                                    << "Unavailable: Lunch" << "You are not available to receive calls.";
    QTest::newRow("basic agent") << "basic@services.example" << QStringList() << "" << "";
}

void ServiceDialogsTest::agentStatesOffered()
{
    QFETCH(QString, user);
    QFETCH(QStringList, entries);
    QFETCH(QString, current);
    QFETCH(QString, sentence);
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn(user);
    std::unique_ptr<Dialogs::CallCenterAgentDialog> dialog = openAgentDialog(signedIn.session.get());
    auto* combo = dialog->findChild<QComboBox*>("acdStatusComboBox");
    QCOMPARE(comboEntries(combo), entries);
    QCOMPARE(combo->currentText(), current);
    QCOMPARE(dialog->findChild<QLabel*>("acdStatus")->text(), sentence);
    QCOMPARE(dialog->findChild<QWidget*>("acdArea")->isVisibleTo(dialog.get()), !entries.isEmpty());
}

void ServiceDialogsTest::agentQueues()
{
    TestSupport::Environment env;
    {
        ServicesFixture::SignedIn signedIn;
        std::unique_ptr<Dialogs::CallCenterAgentDialog> dialog = openAgentDialog(signedIn.session.get());
        auto* sales = dialog->findChild<QComboBox*>("membership_sales@services.example");
        auto* night = dialog->findChild<QComboBox*>("membership_night@services.example");
        QVERIFY(sales && night);
        QVERIFY(sales->isEnabled());
        QCOMPARE(sales->currentText(), QString("In"));
        // Log-off not allowed, and a queue without a name shows its id.
        QVERIFY(!night->isEnabled());
        QStringList labels;
        for (const Widgets::CuttingLabel* label : dialog->findChild<QWidget*>("queueList")->findChildren<Widgets::CuttingLabel*>())
            labels << label->fullText();
        QCOMPARE(labels, (QStringList{"Sales", "+15550160", "night@services.example", "+15550161"}));
        QVERIFY(dialog->findChild<QLabel*>("noQueueLabel")->isHidden());
    }
    ServicesFixture::SignedIn lunch("lunch@services.example");
    std::unique_ptr<Dialogs::CallCenterAgentDialog> dialog = openAgentDialog(lunch.session.get());
    QCOMPARE(dialog->findChild<QLabel*>("noQueueLabel")->text(), QString("No queues assigned"));
    QVERIFY(dialog->findChild<QScrollArea*>("scrollArea")->isHidden());
    QCOMPARE(dialog->maximumSize(), dialog->minimumSize());
}

void ServiceDialogsTest::savingSendsStateReasonAndQueues()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    std::unique_ptr<Dialogs::CallCenterAgentDialog> dialog = openAgentDialog(signedIn.session.get());
    auto* combo = dialog->findChild<QComboBox*>("acdStatusComboBox");
    combo->setCurrentIndex(combo->findText("Unavailable: Lunch"));
    QCOMPARE(dialog->findChild<QLabel*>("acdStatus")->text(), QString("You are not available to receive calls."));
    dialog->findChild<QComboBox*>("membership_sales@services.example")->setCurrentIndex(1);
    // The server refuses the first attempt: the dialog stays to try again.
    Kivo::Simulation::Control(Kivo::Simulation::Service::shared())
        .failNextServiceRequest(Kivo::Simulation::ServiceRequest::CallCenterAgentChange, {5, 500, "Busy"});
    auto* save = dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save);
    save->click();
    QCOMPARE(dialog->findChild<QLabel*>("publishStatus")->text(), QString("Saving..."));
    QTRY_COMPARE(dialog->publishState(), int(Dialogs::CallCenterAgentDialog::SaveError));
    QVERIFY(dialog->isVisible());
    save->click();
    QTRY_VERIFY(!dialog->isVisible());
    const auto agent = *Kivo::Simulation::Service::shared().servicesOf("ada@services.example").agent;
    QCOMPARE(agent.state, 2);
    QCOMPARE(agent.unavailableCode, QString("LUN"));
    QVERIFY(!agent.queues.at(0).joined);
    QVERIFY(agent.queues.at(1).joined);
}

void ServiceDialogsTest::cancelRestoresQueueChoices()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    std::unique_ptr<Dialogs::CallCenterAgentDialog> dialog = openAgentDialog(signedIn.session.get());
    auto* sales = dialog->findChild<QComboBox*>("membership_sales@services.example");
    auto* queue = qobject_cast<Kivo::Services::CallCenterAgentQueue*>(sales->itemData(0).value<QObject*>());
    sales->setCurrentIndex(1);
    QVERIFY(!queue->getAvailable());
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    QVERIFY(!dialog->isVisible());
    // Nothing left behind to be sent with somebody else's Save.
    QVERIFY(queue->getAvailable());
    QVERIFY(Kivo::Simulation::Service::shared().servicesOf("ada@services.example").agent->queues.at(0).joined);
}

void ServiceDialogsTest::withoutHandlerTheFetchErrorShows()
{
    TestSupport::Environment env;
    {
        // An account that is no agent has no handler: the dialog says so instead of waiting.
        ServicesFixture::SignedIn none("none@services.example");
        std::unique_ptr<Dialogs::CallCenterAgentDialog> dialog = openAgentDialog(none.session.get());
        QCOMPARE(dialog->publishState(), int(Dialogs::CallCenterAgentDialog::FetchError));
        QVERIFY(dialog->findChild<QLabel*>("publishStatus")->text().startsWith("Error: There was an error getting"));
        QVERIFY(dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->isHidden());
        QVERIFY(dialog->findChild<QWidget*>("acdArea")->isHidden());
    }
    // A failed fetch looks the same.
    ServicesFixture::SignedIn signedIn;
    Kivo::Simulation::Control(Kivo::Simulation::Service::shared())
        .failNextServiceRequest(Kivo::Simulation::ServiceRequest::CallCenterAgent, {3, 0, QString()});
    std::unique_ptr<Dialogs::CallCenterAgentDialog> dialog = openAgentDialog(signedIn.session.get());
    QCOMPARE(dialog->publishState(), int(Dialogs::CallCenterAgentDialog::FetchError));
}

QTEST_MAIN(ServiceDialogsTest)
#include "tst_service_dialogs.moc"
