// A client of its own for the add-in link tests: it serves the add-ins on
// $TELVARION_API_SOCKET with the demo user signed in, says "ready" and runs until killed.

#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(1);
    Kivo::ApiProvider::Controller controller;
    controller.InitializeController();
    Kivo::Contacts::Contacts contacts;
    Kivo::Sessions::SessionManagerBase session;
    QObject::connect(&service, &Kivo::Simulation::Service::signedIn, &application, [&] {
        controller.Initialize(&contacts, &session, nullptr);
        std::puts("ready");
        std::fflush(stdout);
    });
    service.signIn("alice@demo.telvarion.net", "Demo-1234");
    return application.exec();
}
