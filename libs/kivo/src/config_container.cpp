#include <Kivo/ConfigContainer.h>
#include <Kivo/Utils/Path.h>

#include "kivo_log.h"

#include <Tesk/Bytes.h>
#include <Tesk/Crypto/Blowfish.h>
#include <Tesk/StoredFile.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace Kivo {

namespace {

using Tesk::Core::Logging::LevelError;
using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

const QString FilePrefix = QStringLiteral("config");
const QString FileSuffix = QStringLiteral(".xml");

} // namespace

ConfigContainer::ConfigContainer(QObject* parent)
    : QObject(parent)
{
}

void ConfigContainer::setDecryptor(Tesk::Crypto::Blowfish* decryptor)
{
    m_Decryptor = decryptor;
}

void ConfigContainer::setSearchFolders(const QStringList& folders)
{
    m_SearchFolders = folders;
}

QStringList ConfigContainer::searchFolders() const
{
    if (!m_SearchFolders.isEmpty())
        return m_SearchFolders;
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {Utils::Path::writableDataPath(), programFolder, QDir::cleanPath(programFolder + "/..")};
}

bool ConfigContainer::isConfigFileName(const QString& fileName)
{
    return fileName.size() >= FilePrefix.size() + FileSuffix.size() && fileName.startsWith(FilePrefix)
           && fileName.endsWith(FileSuffix);
}

QStringList ConfigContainer::configNames() const
{
    QStringList names;
    for (const Configuration::Config* config : m_Configs)
        names.append(config->getName());
    return names;
}

Configuration::Config* ConfigContainer::currentConfig() const
{
    return m_Current.data();
}

Configuration::Config* ConfigContainer::config(const QString& name) const
{
    for (Configuration::Config* config : m_Configs) {
        if (config->getName() == name)
            return config;
    }
    return nullptr;
}

bool ConfigContainer::setCurrentConfig(const QString& name)
{
    Configuration::Config* chosen = config(name);
    if (!chosen) {
        KIVO_LOG(LevelWarning) << "No configuration named " << name << "; keeping the current one";
        return false;
    }
    if (chosen != m_Current) {
        m_Current = chosen;
        emit currentConfigChanged();
    }
    return true;
}

bool ConfigContainer::readFile(const QString& path, Configuration::Config::Document& document) const
{
    // Logged when refused: a pipe, a device, a link to one, or too large.
    QByteArray encrypted;
    if (Tesk::StoredFile::read(path, MaxFileSize, encrypted) != Tesk::StoredFile::ReadResult::Read)
        return false;
    const Tesk::Bytes plain = m_Decryptor->Decrypt(Tesk::Bytes(encrypted));
    if (plain.isNull()) {
        KIVO_LOG(LevelError) << "Configuration file " << path << " skipped: it does not decrypt";
        return false;
    }
    QString error;
    if (!Configuration::Config::parse(plain.toByteArray(), document, &error)) {
        KIVO_LOG(LevelError) << "Configuration file " << path << " skipped: it is not a configuration ("
                             << error << ")";
        return false;
    }
    return true;
}

void ConfigContainer::reloadConfigFiles()
{
    QList<QPair<QString, Configuration::Config::Document>> found;
    if (!m_Decryptor) {
        KIVO_LOG(LevelError) << "Configuration files not read: there is no decryptor";
    } else {
        QSet<QString> seenFolders;
        QHash<QString, QString> pathOfName;
        for (const QString& folder : searchFolders()) {
            const QString canonical = QFileInfo(folder).canonicalFilePath();
            if (canonical.isEmpty() || seenFolders.contains(canonical))
                continue;
            seenFolders.insert(canonical);
            const QFileInfoList entries = QDir(canonical).entryInfoList(QDir::Files, QDir::Name);
            for (const QFileInfo& entry : entries) {
                if (!isConfigFileName(entry.fileName()))
                    continue;
                Configuration::Config::Document document;
                if (!readFile(entry.absoluteFilePath(), document))
                    continue;
                if (pathOfName.contains(document.name)) {
                    KIVO_LOG(LevelWarning) << "Configuration file " << entry.absoluteFilePath()
                                           << " skipped: the configuration " << document.name
                                           << " was read from " << pathOfName.value(document.name);
                    continue;
                }
                pathOfName.insert(document.name, entry.absoluteFilePath());
                found.append({entry.absoluteFilePath(), document});
                KIVO_LOG(LevelInfo) << "Configuration " << document.name << " read from "
                                    << entry.absoluteFilePath();
            }
        }
    }

    QList<Configuration::Config*> configs;
    for (const auto& [path, document] : found) {
        Configuration::Config* existing = config(document.name);
        if (existing) {
            m_Configs.removeOne(existing);
            existing->update(path, document);
            configs.append(existing);
        } else {
            configs.append(new Configuration::Config(path, document, this));
        }
    }
    // Late deletion: a caller up the stack may still hold one of them.
    for (Configuration::Config* gone : qAsConst(m_Configs))
        gone->deleteLater();
    m_Configs = configs;

    Configuration::Config* const previous = m_Current;
    if (!m_Current || !m_Configs.contains(m_Current))
        m_Current = m_Configs.value(0, nullptr);
    emit configsChanged();
    if (m_Current != previous)
        emit currentConfigChanged();
}

} // namespace Kivo
