#include "Utils/registry.h"

#include "common/logging.h"

#include <Tesk/StoredFile.h>

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace Utils {

namespace {

constexpr const char* DefaultValueName = "Default";
constexpr const char* StoredDefaultName = "@";
// A few keys of a few values each: anything near this is not the registry file.
constexpr qint64 MaxFileSize = 1024 * 1024;

struct Value
{
    QString name;
    QString data;
};

struct Key
{
    QString path;
    QList<Value> values;
};

QString normalizedPath(QString path)
{
    path.replace('/', '\\');
    path = path.trimmed();
    while (path.endsWith('\\'))
        path.chop(1);
    return path;
}

QString storedName(const QString& name)
{
    return name.compare(DefaultValueName, Qt::CaseInsensitive) == 0 ? QString(StoredDefaultName) : name.trimmed();
}

// Names compare without case, as the registry's do; a later write of a name replaces it.
void setData(QList<Value>& values, const QString& name, const QString& data)
{
    auto existing = std::find_if(values.begin(), values.end(), [&](const Value& value) {
        return value.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (existing != values.end())
        existing->data = data;
    else
        values.append(Value{name, data});
}

QString unquoted(const QString& text)
{
    if (text.size() < 2 || !text.startsWith('"') || !text.endsWith('"'))
        return text;
    QString result;
    for (int i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && i + 2 < text.size() && (text[i + 1] == '"' || text[i + 1] == '\\'))
            ++i;
        result += text[i];
    }
    return result;
}

QString quoted(QString text)
{
    text.replace('\\', QLatin1String("\\\\"));
    text.replace('"', QLatin1String("\\\""));
    // A value is one line of the file.
    text.replace('\n', ' ');
    text.replace('\r', ' ');
    return '"' + text + '"';
}

QList<Key> readKeys()
{
    QList<Key> keys;
    QByteArray contents;
    if (Tesk::StoredFile::read(Registry::filePath(), MaxFileSize, contents) != Tesk::StoredFile::ReadResult::Read)
        return keys;
    QTextStream stream(&contents, QIODevice::ReadOnly);
    stream.setCodec("UTF-8");
    Key* current = nullptr;
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            current = nullptr;
            if (!line.endsWith(']')) {
                LOG_WARNING << "Skipping a malformed registry key line: " << line;
                continue;
            }
            keys.append(Key{normalizedPath(line.mid(1, line.size() - 2)), {}});
            current = &keys.last();
            continue;
        }
        const int equals = line.indexOf('=');
        if (!current || equals <= 0)
            continue;
        const QString name = line.left(equals).trimmed();
        const QString data = unquoted(line.mid(equals + 1).trimmed());
        setData(current->values, name, data);
    }
    return keys;
}

bool writeKeys(const QList<Key>& keys)
{
    const QString path = Registry::filePath();
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) {
        LOG_ERROR << "Cannot create the folder of the registry file " << path;
        return false;
    }
    QByteArray contents;
    QTextStream stream(&contents, QIODevice::WriteOnly);
    stream.setCodec("UTF-8");
    for (const Key& key : keys) {
        stream << '[' << key.path << "]\n";
        for (const Value& value : key.values)
            stream << value.name << '=' << quoted(value.data) << '\n';
        stream << '\n';
    }
    stream.flush();
    // A failure is logged, and the previous file stays whole.
    return Tesk::StoredFile::write(path, contents);
}

bool isAtOrBelow(const QString& path, const QString& key)
{
    return path.compare(key, Qt::CaseInsensitive) == 0
        || path.startsWith(key + '\\', Qt::CaseInsensitive);
}

const Value* findValue(const QList<Key>& keys, const QString& keyPath, const QString& name)
{
    const Value* found = nullptr;
    for (const Key& key : keys) {
        if (key.path.compare(keyPath, Qt::CaseInsensitive) != 0)
            continue;
        for (const Value& value : key.values) {
            if (value.name.compare(name, Qt::CaseInsensitive) == 0)
                found = &value;
        }
    }
    return found;
}

} // namespace

Registry::Registry(const QString& keyPath)
    : m_KeyPath(normalizedPath(keyPath))
{
}

QString Registry::filePath()
{
    const QString overridden = qEnvironmentVariable("TELVARION_REGISTRY_FILE");
    if (!overridden.isEmpty())
        return overridden;
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.startsWith('/'))
        return configHome + "/Telvarion/registry.ini";
    const QString home = QDir::homePath();
    return home.isEmpty() ? QString() : home + "/.config/Telvarion/registry.ini";
}

QString Registry::value(const QString& name) const
{
    const QList<Key> keys = readKeys();
    const Value* found = findValue(keys, m_KeyPath, storedName(name));
    return found ? found->data : QString();
}

bool Registry::contains(const QString& name) const
{
    return findValue(readKeys(), m_KeyPath, storedName(name)) != nullptr;
}

bool Registry::setValue(const QString& name, const QString& data)
{
    QList<Key> keys = readKeys();
    const QString stored = storedName(name);
    auto key = std::find_if(keys.begin(), keys.end(), [&](const Key& candidate) {
        return candidate.path.compare(m_KeyPath, Qt::CaseInsensitive) == 0;
    });
    if (key == keys.end()) {
        keys.append(Key{m_KeyPath, {}});
        key = keys.end() - 1;
    }
    setData(key->values, stored, data);
    return writeKeys(keys);
}

bool Registry::remove(const QString& subKey)
{
    const QString target = subKey.isEmpty() ? m_KeyPath : m_KeyPath + '\\' + normalizedPath(subKey);
    QList<Key> keys = readKeys();
    const int before = keys.size();
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [&](const Key& key) { return isAtOrBelow(key.path, target); }),
               keys.end());
    return keys.size() == before || writeKeys(keys);
}

QStringList Registry::childKeys() const
{
    QStringList children;
    const QString prefix = m_KeyPath + '\\';
    for (const Key& key : readKeys()) {
        if (!key.path.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QString child = key.path.mid(prefix.size()).section('\\', 0, 0);
        if (!children.contains(child, Qt::CaseInsensitive))
            children.append(child);
    }
    return children;
}

} // namespace Utils
