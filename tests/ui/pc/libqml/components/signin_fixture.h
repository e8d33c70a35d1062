#pragma once

// What the sign-in window tests share: service configurations written as the program
// finds them (encrypted with the built-in key) and a container that reads them.

#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/BuiltinKey.h>
#include <Kivo/Settings.h>

#include <Tesk/Bytes.h>
#include <Tesk/Crypto/Blowfish.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace SigninFixture {

inline QByteArray configDocument(const QString& name)
{
    return QStringLiteral("<configuration name=\"%1\"><item id=\"5\">true</item></configuration>").arg(name).toUtf8();
}

class Configurations
{
public:
    Configurations()
    {
        Tesk::Bytes key;
        key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
        QVERIFY(m_Cipher.Initialize(key, Kivo::Configuration::BuiltinKeyMode));
        m_Container.setDecryptor(&m_Cipher);
        m_Container.setSearchFolders({m_Folder.path()});
    }

    // Writes one encrypted configuration file per name and reads them in.
    void write(const QStringList& names)
    {
        int number = 0;
        for (const QString& name : names) {
            QFile file(QDir(m_Folder.path()).filePath(QStringLiteral("config%1.xml").arg(number++)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(m_Cipher.Encrypt(Tesk::Bytes(configDocument(name))).toByteArray());
        }
        m_Container.reloadConfigFiles();
    }

    Kivo::ConfigContainer* container() { return &m_Container; }
    Tesk::Crypto::Blowfish* cipher() { return &m_Cipher; }

private:
    QTemporaryDir m_Folder;
    Tesk::Crypto::Blowfish m_Cipher;
    Kivo::ConfigContainer m_Container;
};

// The branding defaults live beside the program; each test gets its own.
inline void useOwnDefaults(const QString& folder)
{
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, folder);
}

} // namespace SigninFixture
