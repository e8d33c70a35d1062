// The account's settings on the REST interface as the engine offers them: supplementary
// services, Anywhere, simultaneous ring, the call-centre agent and presence rules, each
// answered later, refused with the server's reason, and nothing stored that it refused.
#include <Kivo/Controllers/CorvantiumAnywhereController.h>
#include <Kivo/Controllers/RzlLocation.h>
#include <Kivo/Controllers/SimultaneousRingController.h>
#include <Kivo/Controllers/VyxServiceObject.h>
#include <Kivo/Controllers/VyxSupplementaryServicesController2.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/MediaEngine/Spirit/CallDebugInfo.h>
#include <Kivo/MediaEngine/Spirit/MediaHandler.h>
#include <Kivo/MediaEngine/WebRTC/CallDebugInfo.h>
#include <Kivo/Models/CallCenterAgentModel.h>
#include <Kivo/Services/CallCenterAgentHandler.h>
#include <Kivo/Services/PresenceRulesHandler.h>
#include <Kivo/Services/PresenceRulesModel.h>
#include <Kivo/Simulation/Control.h>

#include "service_accounts.h"

using namespace Kivo::Controllers;
using Kivo::Simulation::Control;
using Kivo::Simulation::ServiceFailure;
using Kivo::Simulation::ServiceRequest;
using Kivo::Vyx::VyxComponent;

namespace {

Kivo::Simulation::SupplementaryServiceRecord stored(Kivo::Simulation::Service& service, int id)
{
    const Kivo::Simulation::AccountServices account = service.servicesOf("ada@test.example");
    for (const auto& record : *account.supplementary) {
        if (record.id == id)
            return record;
    }
    return {};
}

// Asks for the list of services and waits for the server's answer.
bool listFetched(VyxSupplementaryServicesController2& controller)
{
    QSignalSpy ready(&controller, &VyxSupplementaryServicesController2::servicesReady);
    controller.fetchServicesList();
    return ready.wait();
}

using FetchFailedInfo = void (VyxSupplementaryServicesController2::*)(VyxComponent::Error, const Kivo::Vyx::VyxErrorInfo&);
using FetchFailedText = void (VyxSupplementaryServicesController2::*)(VyxComponent::Error, QString);

} // namespace

class ServiceSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void accountDataLeavesOutWhatIsNotValid();
    void serviceListArrivesAsObjects();
    void pushedServiceRoundTrips();
    void badNumbersAreRefusedAndNothingStored_data();
    void badNumbersAreRefusedAndNothingStored();
    void rollbackShowsTheServerStateAgain();
    void dialogChangesReportTheServiceAsItWas();
    void listFailuresCarryTheServerReason();
    void anywhereLocationsChangeOnTheServer();
    void simultaneousRingSavesNumbersAndAddresses();
    void agentDetailsArriveQueuesThenNames();
    void agentChangesAreCheckedByTheServer_data();
    void agentChangesAreCheckedByTheServer();
    void presenceRulesLoadAndSave();
    void callDebugInfoReadsAndChangesTheMedia();
};

void ServiceSettingsTest::accountDataLeavesOutWhatIsNotValid()
{
    SignedInService ada;
    const Kivo::Simulation::AccountServices services = ada.service.servicesOf("ADA@test.example");
    QVERIFY(services.supplementary);
    QList<int> ids;
    for (const auto& record : *services.supplementary)
        ids.append(record.id);
    // Service 42 does not exist; service 3's target is no number.
    QCOMPARE(ids, (QList<int>{0, 2, 18, 19}));
    QCOMPARE(services.presenceRules->size(), 1);
    QVERIFY(!ada.service.servicesOf("plain@test.example").supplementary);
}

void ServiceSettingsTest::serviceListArrivesAsObjects()
{
    SignedInService ada;
    VyxSupplementaryServicesController2 controller(&ada.service);
    QSignalSpy ready(&controller, &VyxSupplementaryServicesController2::servicesReady);
    controller.fetchServicesList();
    QVERIFY(!controller.isServicesListFetched());
    QVERIFY(ready.wait());
    QVERIFY(controller.isServicesListFetched());
    QVERIFY(controller.hasService(SupplementaryService::CallForwardingBusy));
    QVERIFY(!controller.hasService(SupplementaryService::CallForwardingNoReply));
    auto* busy = qobject_cast<VyxServiceObject*>(controller.getServiceByName("Call Forwarding Busy"));
    QVERIFY(busy);
    QCOMPARE(busy->getState(), 1);
    QCOMPARE(busy->getValue("forwardToPhoneNumber"), QString("+15550111"));
    QCOMPARE(controller.getService(SupplementaryService::RemoteOffice)->numberAttribute(),
             controller.getRemoteOfficeNumberAttribute());
}

void ServiceSettingsTest::pushedServiceRoundTrips()
{
    SignedInService ada;
    VyxSupplementaryServicesController2 controller(&ada.service);
    QVERIFY(listFetched(controller));
    VyxServiceObject* always = controller.getService(SupplementaryService::CallForwardingAlways);
    QSignalSpy answered(always, &VyxServiceObject::ready);
    QSignalSpy changed(&controller, &VyxSupplementaryServicesController2::supplementaryServiceChanged);
    always->setState(1);
    always->setValue(" +1 555 0122 ", "forwardToPhoneNumber");
    always->push();
    QCOMPARE(always->getActivity(), int(VyxServiceObject::Pushing));
    QVERIFY(answered.wait());
    QCOMPARE(always->getActivity(), int(VyxServiceObject::Idle));
    QCOMPARE(stored(ada.service, 0), (Kivo::Simulation::SupplementaryServiceRecord{0, true, "+1 555 0122"}));
    QCOMPARE(always->getValue("forwardToPhoneNumber"), QString("+1 555 0122"));
    QCOMPARE(changed.size(), 1);

    // Another device of the user switches it off: the next fetch brings it.
    Control(ada.service).injectSupplementaryService({0, false, "+15550199"});
    always->fetch();
    QVERIFY(answered.wait());
    QCOMPARE(always->getState(), 0);
    QCOMPARE(always->getValue("forwardToPhoneNumber"), QString("+15550199"));
}

void ServiceSettingsTest::badNumbersAreRefusedAndNothingStored_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("reason");
    QTest::newRow("letters") << "+1 555 CALL" << true << "Invalid phone number";
    QTest::newRow("control characters") << "+1555\x01" "0122" << true << "Invalid phone number";
    QTest::newRow("500 digits") << QString(500, '5') << true << "Invalid phone number";
    QTest::newRow("plus inside") << "555+0122" << false << "Invalid phone number";
    QTest::newRow("one digit") << "5" << true << "Invalid phone number";
    QTest::newRow("none while on") << "" << true << "A phone number is required";
}

void ServiceSettingsTest::badNumbersAreRefusedAndNothingStored()
{
    QFETCH(QString, number);
    QFETCH(bool, active);
    QFETCH(QString, reason);
    SignedInService ada;
    VyxSupplementaryServicesController2 controller(&ada.service);
    QVERIFY(listFetched(controller));
    VyxServiceObject* busy = controller.getService(SupplementaryService::CallForwardingBusy);
    QSignalSpy error(busy, &VyxServiceObject::error);
    busy->setState(active ? 1 : 0);
    busy->setValue(number, "forwardToPhoneNumber");
    busy->push();
    QVERIFY(error.wait());
    QCOMPARE(error.first().first().toString(), reason);
    QCOMPARE(stored(ada.service, 2), (Kivo::Simulation::SupplementaryServiceRecord{2, true, "+15550111"}));
}

void ServiceSettingsTest::rollbackShowsTheServerStateAgain()
{
    SignedInService ada;
    VyxSupplementaryServicesController2 controller(&ada.service);
    QVERIFY(listFetched(controller));
    VyxServiceObject* busy = controller.getService(SupplementaryService::CallForwardingBusy);
    busy->setState(0);
    busy->setValue("+15550999", "forwardToPhoneNumber");
    QSignalSpy answered(busy, &VyxServiceObject::ready);
    busy->rollback();
    QVERIFY(answered.wait());
    QCOMPARE(busy->getState(), 1);
    QCOMPARE(busy->getValue("forwardToPhoneNumber"), QString("+15550111"));

    // A window opened later starts from the server's state, not from edits never sent.
    busy->setState(0);
    controller.resetServices();
    QCOMPARE(busy->getState(), 1);
}

void ServiceSettingsTest::dialogChangesReportTheServiceAsItWas()
{
    SignedInService ada;
    VyxSupplementaryServicesController2 controller(&ada.service);
    QSignalSpy list(&controller, &VyxSupplementaryServicesController2::supplementaryServices);
    controller.fetchSupplementaryServices();
    QVERIFY(list.wait());
    QCOMPARE(list.first().first().value<QList<SupplementaryService>>().size(), 4);

    QSignalSpy failed(&controller, &VyxSupplementaryServicesController2::failedToChangeSupplementaryService);
    QSignalSpy changed(&controller, &VyxSupplementaryServicesController2::supplementaryServiceChanged);
    controller.changeSupplementaryService(SupplementaryService(SupplementaryService::CallForwardingBusy, true, "busy"));
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().first().value<SupplementaryService>(),
             SupplementaryService(SupplementaryService::CallForwardingBusy, true, "+15550111"));

    controller.changeSupplementaryService(SupplementaryService(SupplementaryService::DoNotDisturb, true, "ignored"));
    QVERIFY(changed.wait());
    QCOMPARE(changed.first().first().value<SupplementaryService>(),
             SupplementaryService(SupplementaryService::DoNotDisturb, true, QString()));
}

void ServiceSettingsTest::listFailuresCarryTheServerReason()
{
    SignedInService ada;
    VyxSupplementaryServicesController2 controller(&ada.service);
    QSignalSpy withInfo(&controller, static_cast<FetchFailedInfo>(&VyxSupplementaryServicesController2::fetchFailed));
    QSignalSpy withText(&controller, static_cast<FetchFailedText>(&VyxSupplementaryServicesController2::fetchFailed));
    Control control(ada.service);
    QVERIFY(control.failNextServiceRequest(ServiceRequest::SupplementaryServices, {VyxComponent::ServerError, 503, "Maintenance"}));
    QVERIFY(control.failNextServiceRequest(ServiceRequest::SupplementaryServices, {3, 0, QString()}));
    QVERIFY(!control.failNextServiceRequest(ServiceRequest::SupplementaryServices, {0, 0, "no kind"}));
    controller.fetchServicesList();
    QVERIFY(withInfo.wait());
    QCOMPARE(withInfo.first().at(0).value<VyxComponent::Error>(), VyxComponent::ServerError);
    const auto info = withInfo.first().at(1).value<Kivo::Vyx::VyxErrorInfo>();
    QCOMPARE(info.code, 503);
    QCOMPARE(info.message, QString("Maintenance"));
    controller.fetchSupplementaryServices();
    QVERIFY(withText.wait());
    QCOMPARE(withText.first().at(0).value<VyxComponent::Error>(), VyxComponent::NetworkError);

    // Nobody signed in: the request never leaves, and still gets its answer.
    QSignalSpy signedOut(&ada.service, &Kivo::Simulation::Service::signedOut);
    ada.service.signOut();
    QVERIFY(signedOut.wait());
    controller.fetchServicesList();
    QVERIFY(withInfo.wait());
    QCOMPARE(withInfo.last().at(0).value<VyxComponent::Error>(), VyxComponent::NetworkError);
}

void ServiceSettingsTest::anywhereLocationsChangeOnTheServer()
{
    SignedInService ada;
    CorvantiumAnywhereController anywhere(&ada.service);
    QSignalSpy ready(&anywhere, &CorvantiumAnywhereController::serviceStatusReady);
    QSignalSpy failed(&anywhere, &CorvantiumAnywhereController::operationFailed);
    QSignalSpy removed(anywhere.getLocations(), &QAbstractItemModel::rowsRemoved);
    anywhere.updateLists();
    QVERIFY(ready.wait());
    QCOMPARE(anywhere.getLocations()->rowCount(), 1);

    anywhere.addLocation("+1 555 HOME");
    QVERIFY(failed.wait());
    QCOMPARE(anywhere.locationObjects().size(), 1);

    anywhere.addLocation(" +15550144 ");
    QVERIFY(ready.wait());
    QCOMPARE(anywhere.location(1)->getPhoneNumber(), QString("+15550144"));
    QVERIFY(anywhere.location(1)->getActive());

    // Switching a location off goes to the server at once.
    anywhere.location(0)->setActive(false);
    QVERIFY(ready.wait());
    QVERIFY(!ada.service.servicesOf("ada@test.example").anywhere->locations.at(0).active);

    anywhere.location(1)->setAnswerConfirmationRequired(true);
    anywhere.saveLocationDetails(1, false);
    QVERIFY(ready.wait());
    QVERIFY(ada.service.servicesOf("ada@test.example").anywhere->locations.at(1).answerConfirmation);

    const int removals = removed.size();
    anywhere.removeLocation(0);
    QVERIFY(ready.wait());
    QVERIFY(removed.size() > removals);
    QCOMPARE(anywhere.locationObjects().size(), 1);
    QCOMPARE(ada.service.servicesOf("ada@test.example").anywhere->locations.at(0).number, QString("+15550144"));
}

void ServiceSettingsTest::simultaneousRingSavesNumbersAndAddresses()
{
    SignedInService ada;
    SimultaneousRingController ring(&ada.service);
    QSignalSpy ready(&ring, &SimultaneousRingController::serviceStatusReady);
    QSignalSpy saved(&ring, &SimultaneousRingController::locationsSaved);
    QSignalSpy failed(&ring, &SimultaneousRingController::operationFailed);
    ring.updateLists();
    QVERIFY(ready.wait());
    QCOMPARE(ring.locationObjects().size(), 10);
    QVERIFY(ring.getDoNotRingActive());

    auto* second = qobject_cast<SimultaneousRingDetail*>(ring.locationObjects().at(1));
    second->setPhoneNumber("sip:desk@test.example");
    second->setActive(true);
    ring.setSimRingMainActive(true);
    ring.saveRingLocations();
    QVERIFY(saved.wait());
    const auto stored = *ada.service.servicesOf("ada@test.example").simultaneousRing;
    QVERIFY(stored.active);
    QCOMPARE(stored.locations.size(), 2);
    QCOMPARE(stored.locations.at(1).number, QString("sip:desk@test.example"));
    QVERIFY(stored.locations.at(1).answerConfirmation);

    qobject_cast<SimultaneousRingDetail*>(ring.locationObjects().at(2))->setPhoneNumber("ring me");
    ring.saveRingLocations();
    QVERIFY(failed.wait());
    QCOMPARE(ada.service.servicesOf("ada@test.example").simultaneousRing->locations.size(), 2);
}

void ServiceSettingsTest::agentDetailsArriveQueuesThenNames()
{
    SignedInService ada;
    Kivo::Services::CallCenterAgentHandler agent(&ada.service, "ada@test.example");
    QVERIFY(!agent.getIsOnlyBasicAgent());
    QCOMPARE(agent.getACDUnavailableCodes().value("LUN"), QString("Lunch"));
    QCOMPARE(agent.getDefaultUnavailableReason(), QString("BRK"));
    Kivo::Models::CallCenterAgentModel model;
    connect(&agent, &Kivo::Services::CallCenterAgentHandler::callCenterQueuesParsed, &model,
            &Kivo::Models::CallCenterAgentModel::callCenterDetailsReceived);
    connect(&agent, &Kivo::Services::CallCenterAgentHandler::callCenterAgentQueueNameReceived, &model,
            &Kivo::Models::CallCenterAgentModel::onCallCenterAgentQueueNameReceived);
    QSignalSpy names(&agent, &Kivo::Services::CallCenterAgentHandler::allQueueNamesReceived);
    agent.fetchCallCenterAgentDetails();
    QVERIFY(names.wait());
    QCOMPARE(agent.getCurrentACDStatus(), QString("Available"));
    QCOMPARE(model.rowCount(), 2);
    auto* sales = qobject_cast<Kivo::Services::CallCenterAgentQueue*>(
        model.data(model.index(0), Kivo::Models::CallCenterAgentModel::QueueRole).value<QObject*>());
    QCOMPARE(sales->getQueueName(), QString("Sales"));
    QVERIFY(sales->parent() == &model);

    Control(ada.service).failNextServiceRequest(ServiceRequest::CallCenterAgent, {3, 0, QString()});
    QSignalSpy error(&agent, &Kivo::Services::CallCenterAgentHandler::errorReceivingCallCenterAgentData);
    agent.fetchCallCenterAgentDetails();
    QVERIFY(error.wait());
}

void ServiceSettingsTest::agentChangesAreCheckedByTheServer_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("leaveNight");
    QTest::addColumn<bool>("published");
    QTest::addColumn<QString>("storedCode");
    QTest::newRow("unavailable for lunch") << "Unavailable" << "LUN" << false << true << "LUN";
    QTest::newRow("unknown code") << "Unavailable" << "NAP" << false << false << "";
    QTest::newRow("code while available") << "Available" << "LUN" << false << false << "";
    QTest::newRow("no such state") << "Asleep" << "" << false << false << "";
    QTest::newRow("leaving a queue that keeps its agents") << "" << "" << true << false << "";
}

void ServiceSettingsTest::agentChangesAreCheckedByTheServer()
{
    QFETCH(QString, status);
    QFETCH(QString, reason);
    QFETCH(bool, leaveNight);
    QFETCH(bool, published);
    QFETCH(QString, storedCode);
    SignedInService ada;
    Kivo::Services::CallCenterAgentHandler agent(&ada.service, "ada@test.example");
    Kivo::Services::CallCenterAgentQueue night("night@test.example", QString(), false, !leaveNight);
    QSignalSpy answer(&agent, &Kivo::Services::CallCenterAgentHandler::callCenterAgentDataPublished);
    agent.putCallCenterAgentDetails(status, reason, {&night});
    QVERIFY(answer.wait());
    QCOMPARE(answer.first().first().toBool(), published);
    const auto stored = *ada.service.servicesOf("ada@test.example").agent;
    QCOMPARE(stored.unavailableCode, storedCode);
    QCOMPARE(stored.state, published ? 2 : 1);
    QVERIFY(stored.queues.at(1).joined);
}

void ServiceSettingsTest::presenceRulesLoadAndSave()
{
    SignedInService ada;
    Kivo::Services::PresenceRulesHandler handler(&ada.service, nullptr, nullptr);
    QSignalSpy state(&handler, &Kivo::Services::PresenceRulesHandler::transactionStateChanged);
    handler.requestPresenceRules();
    QCOMPARE(handler.transactionState(), int(Kivo::Services::PresenceRulesHandler::Fetching));
    QTRY_COMPARE(handler.transactionState(), int(Kivo::Services::PresenceRulesHandler::Fetched));
    Kivo::Services::PresenceRulesModel* model = handler.rulesModel();
    // A rule for each presence state, the stored one for "busy".
    QCOMPARE(model->rowCount(), 5);
    auto* busy = qobject_cast<Kivo::Services::PresenceRule*>(model->get(2));
    QCOMPARE(busy->param(), QString("+15550101"));
    QVERIFY(model->hasActions());

    auto* away = qobject_cast<Kivo::Services::PresenceRule*>(model->get(1));
    away->setAction(Kivo::Services::PresenceRule::ForwardTo);
    QVERIFY(!model->hasActions());
    QVERIFY(model->rollbackInvalidData(1));
    QCOMPARE(away->action(), int(Kivo::Services::PresenceRule::NoRule));
    QVERIFY(!model->rollbackInvalidData(1));

    away->setAction(Kivo::Services::PresenceRule::SilentAlert);
    handler.setPresenceRules();
    QTRY_COMPARE(handler.transactionState(), int(Kivo::Services::PresenceRulesHandler::Saved));
    QCOMPARE(ada.service.servicesOf("ada@test.example").presenceRules->at(1).action, 2);

    Control(ada.service).failNextServiceRequest(ServiceRequest::PresenceRulesChange, {VyxComponent::ServerError, 500, "Broken"});
    handler.setPresenceRules();
    QTRY_COMPARE(handler.transactionState(), int(Kivo::Services::PresenceRulesHandler::ErrorSaving));
}

void ServiceSettingsTest::callDebugInfoReadsAndChangesTheMedia()
{
    Kivo::MediaEngine::CallBasePtr call(nullptr, 1, QStringLiteral("bob@test.example"), false, false, false);
    Kivo::MediaEngine::Spirit::MediaHandler media;
    call.setMediaHandler(&media);
    Kivo::MediaEngine::Spirit::CallDebugInfo spirit(&call);
    QCOMPARE(spirit.aecMode().toInt(), 3);
    QCOMPARE(spirit.property("voiceEncoderCodecName").toString(), QString("OPUS"));

    spirit.setProperty("acMicGain", 40);
    QVERIFY(spirit.lastError().isEmpty());
    QCOMPARE(media.value("acMicGain").toInt(), 40);
    spirit.setProperty("acMicGain", 140);
    QVERIFY(spirit.lastError().contains("out of range"));
    QCOMPARE(spirit.property("acMicGain").toInt(), 40);

    // Every property a scene reads exists; the WebRTC object finds no media of its kind.
    Kivo::MediaEngine::WebRTC::CallDebugInfo webRtc(&call);
    QVERIFY(!webRtc.lastError().isEmpty());
    QVERIFY(webRtc.metaObject()->indexOfProperty("recvFrameRate") >= 0);
    QVERIFY(!webRtc.property("recvFrameRate").isValid());
}

QTEST_GUILESS_MAIN(ServiceSettingsTest)
#include "tst_service_settings.moc"
