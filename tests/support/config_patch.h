#pragma once

#include <Kivo/Configuration/Config.h>

#include <QHash>
#include <QVariant>

// Sets items of a configuration for one scope, then puts the configuration back.
class ConfigPatch
{
public:
    ConfigPatch(Kivo::Configuration::Config* config, const QHash<int, QVariant>& items)
        : m_Config(config)
    {
        m_Original.name = config->getName();
        for (int item : config->itemNumbers())
            m_Original.items.insert(item, config->value(item));
        Kivo::Configuration::Config::Document changed = m_Original;
        for (auto it = items.begin(); it != items.end(); ++it)
            changed.items.insert(it.key(), it.value());
        config->update(config->getPath(), changed);
    }
    ~ConfigPatch() { m_Config->update(m_Config->getPath(), m_Original); }
    ConfigPatch(const ConfigPatch&) = delete;
    ConfigPatch& operator=(const ConfigPatch&) = delete;

private:
    Kivo::Configuration::Config* m_Config;
    Kivo::Configuration::Config::Document m_Original;
};
