#pragma once

#include <QString>
#include <QStringList>

namespace Utils {

// One key of the registry, addressed by its native path ("HKEY_CLASSES_ROOT\qomx\DefaultIcon").
// This platform has no registry, so every key lives in one file that the desk-phone plug-in
// reads too: $TELVARION_REGISTRY_FILE, else $XDG_CONFIG_HOME/Telvarion/registry.ini, else
// ~/.config/Telvarion/registry.ini. Sections are keys by native path; values are written
// quoted (\" and \\ escaped); "Default", the key's default value, is stored under "@". Key
// paths and value names compare without regard to case.
//
// Every call reads the file afresh and every change rewrites it at once, so separate
// Registry objects and processes see one another's values.
class Registry
{
public:
    explicit Registry(const QString& keyPath);

    static QString filePath();

    QString keyPath() const { return m_KeyPath; }
    // Empty when the file, the key or the value is missing.
    QString value(const QString& name) const;
    bool contains(const QString& name) const;
    // False when the file could not be written.
    bool setValue(const QString& name, const QString& value);
    // Removes the sub-key (this key itself for an empty name) with everything below it.
    bool remove(const QString& subKey = QString());
    // The sub-keys' names directly below this key.
    QStringList childKeys() const;

private:
    QString m_KeyPath;
};

} // namespace Utils
