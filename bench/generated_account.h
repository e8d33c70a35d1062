#pragma once

#include "time_until.h"

#include <Kivo/Simulation/Service.h>

#include <QProcess>
#include <QStringList>

#include <cstdio>

// Writes an account of the large-account generator (`arguments`) into `file`, loads it into
// the simulated service and signs `user` in; false, said on stderr, when the generator or
// the service refuses it.
inline bool signInGeneratedAccount(Kivo::Simulation::Service& service, QStringList arguments, const QString& file,
                                   const QString& user, const QString& password)
{
    arguments << file;
    if (QProcess::execute(QStringLiteral(KIVO_ACCOUNT_GENERATOR), arguments) != 0 || !service.loadAccountFile(file)) {
        std::fprintf(stderr, "no generated account\n");
        return false;
    }
    bool signedIn = false;
    const QMetaObject::Connection watch =
        QObject::connect(&service, &Kivo::Simulation::Service::signedIn, [&signedIn] { signedIn = true; });
    service.signIn(user, password);
    timeUntil([] {}, [&signedIn] { return signedIn; });
    QObject::disconnect(watch);
    return true;
}
