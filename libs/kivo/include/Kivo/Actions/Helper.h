#pragma once

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Actions {

// What the service's configuration allows the engine's actions to do beyond one person.
class Helper
{
public:
    explicit Helper(const Configuration::Config* config) : m_Config(config) {}

    // Whether the action `id` may bring several people together: into a communication going
    // on (`ongoing`) or into a new one, with video or without.
    bool isEnabledForGroup(int id, bool ongoing, bool video) const;

private:
    const Configuration::Config* m_Config;
};

} // namespace Actions
} // namespace Kivo
