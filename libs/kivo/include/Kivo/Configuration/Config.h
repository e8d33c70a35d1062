#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

class QByteArray;
class QFile;

namespace Kivo {
namespace Configuration {

// One service configuration: a name and numbered items. The plain document reads
//
//   <configuration name="Demo">
//     <item id="5">true</item>
//     <item id="72"><value language="en">+15550100</value></item>
//   </configuration>
//
// An item with text holds that text; an item with <value> children holds a list with one
// map per child (its attributes, and its text under "value"). Callers convert with
// toBool(), toInt() or toString() at the moment of use.
class Config : public QObject
{
    Q_OBJECT

public:
    struct Document
    {
        QString name;
        QHash<int, QVariant> items;
    };

    Config(const QString& path, const Document& document, QObject* parent = nullptr);

    // Reads a plain configuration document. Returns false and sets `error` (when given)
    // for anything that is not a well-formed configuration.
    static bool parse(const QByteArray& xml, Document& document, QString* error = nullptr);

    // Installs a configuration document delivered by device management: reads `source`
    // (cipher text when `sourceEncrypted`), checks it, and replaces `target` with it,
    // encrypted with the built-in key as the container expects. `ok` tells whether the
    // target was replaced; the configuration read is returned, or null on failure.
    static std::unique_ptr<Config> FileConfig(QFile& target, QFile& source, bool sourceEncrypted, bool* ok);

    QString getName() const { return m_Name; }
    // The file the configuration was read from.
    QString getPath() const { return m_Path; }

    // The item's value; an invalid QVariant when the configuration lacks the item.
    QVariant value(int item) const { return m_Items.value(item); }
    bool contains(int item) const { return m_Items.contains(item); }
    QList<int> itemNumbers() const;

    // Takes over a reloaded document of the same configuration; holders keep their pointer.
    void update(const QString& path, const Document& document);

signals:
    void configChanged();

private:
    QString m_Path;
    QString m_Name;
    QHash<int, QVariant> m_Items;
};

} // namespace Configuration
} // namespace Kivo
