#include <Kivo/Services/PresenceRulesData.h>
#include <Kivo/Services/PresenceRulesModel.h>

namespace Kivo {
namespace Services {

PresenceRule::PresenceRule(const Simulation::PresenceRuleRecord& record, QObject* parent)
    : QObject(parent)
    , m_Record(record)
{
}

bool PresenceRule::isValid() const
{
    if (m_Record.action == NoRule || m_Record.action == SilentAlert)
        return true;
    return m_Record.action == ForwardTo && Simulation::isDialableNumber(m_Record.param);
}

void PresenceRule::setAction(int action)
{
    if (action == m_Record.action || action < NoRule || action > SilentAlert)
        return;
    m_Record.action = action;
    emit ruleChanged();
}

void PresenceRule::setParam(const QString& param)
{
    if (param == m_Record.param)
        return;
    m_Record.param = param;
    emit ruleChanged();
}

void PresenceRule::reset(const Simulation::PresenceRuleRecord& record)
{
    if (record == m_Record)
        return;
    m_Record = record;
    emit ruleChanged();
}

PresenceRulesModel::PresenceRulesModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int PresenceRulesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Rules.size();
}

QVariant PresenceRulesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Rules.size())
        return QVariant();
    const PresenceRule* rule = m_Rules.at(index.row());
    switch (role) {
    case StateRole:
        return rule->state();
    case ActionRole:
        return rule->action();
    case ParamRole:
        return rule->param();
    case RuleRole:
        return QVariant::fromValue<QObject*>(m_Rules.at(index.row()));
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> PresenceRulesModel::roleNames() const
{
    return {{StateRole, "state"}, {ActionRole, "action"}, {ParamRole, "param"}, {RuleRole, "rule"}};
}

QObject* PresenceRulesModel::get(int row) const
{
    return m_Rules.value(row);
}

bool PresenceRulesModel::hasActions() const
{
    if (m_Rules.isEmpty())
        return false;
    for (const PresenceRule* rule : m_Rules) {
        if (!rule->isValid())
            return false;
    }
    return true;
}

bool PresenceRulesModel::rollbackInvalidData(int row)
{
    PresenceRule* rule = m_Rules.value(row);
    if (!rule || rule->isValid())
        return false;
    rule->reset(m_Stored.value(row));
    return true;
}

QList<Simulation::PresenceRuleRecord> PresenceRulesModel::records() const
{
    QList<Simulation::PresenceRuleRecord> records;
    for (const PresenceRule* rule : m_Rules)
        records.append(rule->record());
    return records;
}

void PresenceRulesModel::setStored(const QList<Simulation::PresenceRuleRecord>& stored)
{
    QList<Simulation::PresenceRuleRecord> rules;
    for (int state = PresenceRulesData::Available; state <= PresenceRulesData::Offline; ++state) {
        Simulation::PresenceRuleRecord rule;
        rule.state = state;
        for (const Simulation::PresenceRuleRecord& given : stored) {
            if (given.state == state)
                rule = given;
        }
        rules.append(rule);
    }
    m_Stored = rules;
    if (m_Rules.size() != rules.size()) {
        beginResetModel();
        qDeleteAll(m_Rules);
        m_Rules.clear();
        for (const Simulation::PresenceRuleRecord& rule : rules) {
            auto* item = new PresenceRule(rule, this);
            connect(item, &PresenceRule::ruleChanged, this, [this, item] {
                const int row = m_Rules.indexOf(item);
                emit dataChanged(index(row), index(row));
                changed();
            });
            m_Rules.append(item);
        }
        endResetModel();
    } else {
        for (int row = 0; row < rules.size(); ++row)
            m_Rules.at(row)->reset(rules.at(row));
    }
    changed();
}

void PresenceRulesModel::changed()
{
    ++m_Revision;
    emit revisionChanged();
}

} // namespace Services
} // namespace Kivo
