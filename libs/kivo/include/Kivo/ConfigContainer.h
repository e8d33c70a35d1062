#pragma once

#include <Kivo/Configuration/Config.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace Tesk {
namespace Crypto {
class Blowfish;
}
} // namespace Tesk

namespace Kivo {

// The service configurations found on this machine: every file whose name starts with
// "config" and ends with ".xml" (exactly, case included) in the data folder, the program
// folder and the folder above it, decrypted with the decryptor given. A file that does not
// decrypt or is no configuration is left out with a log line; when two files carry the
// same name the one found first wins, so a user's copy overrides a shipped one.
class ConfigContainer : public QObject
{
    Q_OBJECT

public:
    // Configuration files are small; anything larger is not one.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    explicit ConfigContainer(QObject* parent = nullptr);

    // Not owned; must outlive the container's reloads. Takes effect at the next reload.
    void setDecryptor(Tesk::Crypto::Blowfish* decryptor);
    // Replaces the default folders (data, program, the folder above), in search order.
    void setSearchFolders(const QStringList& folders);
    QStringList searchFolders() const;
    static bool isConfigFileName(const QString& fileName);

    // Names in the order found.
    QStringList configNames() const;
    // The configuration chosen for sign-in; the first one found until another is chosen.
    Configuration::Config* currentConfig() const;
    Configuration::Config* config(const QString& name) const;
    // False, keeping the current one, for a name that is not among configNames().
    bool setCurrentConfig(const QString& name);

public slots:
    // Reads the files again. A configuration that is still there keeps its object (and its
    // holders their pointer) with the new items; one that is gone is deleted.
    void reloadConfigFiles();

signals:
    void configsChanged();
    void currentConfigChanged();

private:
    bool readFile(const QString& path, Configuration::Config::Document& document) const;

    Tesk::Crypto::Blowfish* m_Decryptor = nullptr;
    QStringList m_SearchFolders;
    QList<Configuration::Config*> m_Configs;
    QPointer<Configuration::Config> m_Current;
};

} // namespace Kivo
