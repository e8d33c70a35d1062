#pragma once

// A secret store for tests: the secrets go to a file of the test's own, so that a test
// never touches the desktop's secret service and a restarted program finds what the first
// run kept. Install it before the engine's credentials are read:
//
//     TestSupport::FileSecretStore::install(dataFolder + "/secrets.ini");
//
// `Unavailable` stands for a desktop without a secret service.

#include <Kivo/Utils/Credentials/SecretStore.h>

#include <QSettings>
#include <QString>

#include <memory>

namespace TestSupport {

class FileSecretStore : public Kivo::Utils::Credentials::SecretStore
{
public:
    enum Availability
    {
        Available,
        Unavailable
    };

    explicit FileSecretStore(const QString& file, Availability availability = Available)
        : m_File(file)
        , m_Available(availability == Available)
    {
    }

    static void install(const QString& file, Availability availability = Available)
    {
        setFactory([file, availability] { return std::make_unique<FileSecretStore>(file, availability); });
    }

    static void uninstall() { setFactory(Factory()); }

    // What the store holds under the key; empty when nothing.
    static QString held(const QString& file, const QString& key)
    {
        return QSettings(file, QSettings::IniFormat).value(key).toString();
    }

    Result read(const QString& key, QString& secret) override
    {
        if (!m_Available)
            return Result::Unavailable;
        QSettings file(m_File, QSettings::IniFormat);
        if (!file.contains(key))
            return Result::NotFound;
        secret = file.value(key).toString();
        return Result::Done;
    }

    Result write(const QString& key, const QString& secret) override
    {
        if (!m_Available)
            return Result::Unavailable;
        QSettings(m_File, QSettings::IniFormat).setValue(key, secret);
        return Result::Done;
    }

    Result remove(const QString& key) override
    {
        if (!m_Available)
            return Result::Unavailable;
        QSettings file(m_File, QSettings::IniFormat);
        if (!file.contains(key))
            return Result::NotFound;
        file.remove(key);
        return Result::Done;
    }

private:
    QString m_File;
    bool m_Available;
};

} // namespace TestSupport
