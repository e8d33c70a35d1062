#pragma once

#include <Kivo/Simulation/ServiceSettings.h>

#include <QAbstractListModel>
#include <QList>
#include <QObject>
#include <QString>

namespace Kivo {
namespace Services {

// What happens to the user's calls while the user has one presence state.
class PresenceRule : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int state READ state CONSTANT)
    Q_PROPERTY(int action READ action WRITE setAction NOTIFY ruleChanged)
    Q_PROPERTY(QString param READ param WRITE setParam NOTIFY ruleChanged)
    Q_PROPERTY(bool valid READ isValid NOTIFY ruleChanged)

public:
    enum Action
    {
        NoRule = 0,
        ForwardTo = 1,
        SilentAlert = 2
    };
    Q_ENUM(Action)

    PresenceRule(const Simulation::PresenceRuleRecord& record, QObject* parent);

    int state() const { return m_Record.state; }
    int action() const { return m_Record.action; }
    QString param() const { return m_Record.param; }
    // Forwarding needs a number the service takes.
    bool isValid() const;
    Simulation::PresenceRuleRecord record() const { return m_Record; }

    void setAction(int action);
    void setParam(const QString& param);
    void reset(const Simulation::PresenceRuleRecord& record);

signals:
    void ruleChanged();

private:
    Simulation::PresenceRuleRecord m_Record;
};

// One rule per presence state of PresenceRulesData, in the order of the states; the rules
// the user edits here, and those the server last stored to go back to.
class PresenceRulesModel : public QAbstractListModel
{
    Q_OBJECT
    // Grows with every change, for bindings over the invokables below.
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)

public:
    enum Role
    {
        StateRole = Qt::UserRole + 1,
        ActionRole,
        ParamRole,
        RuleRole
    };

    explicit PresenceRulesModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int revision() const { return m_Revision; }
    Q_INVOKABLE QObject* get(int row) const;
    // Whether there are rules to save: they arrived and every one is valid.
    Q_INVOKABLE bool hasActions() const;
    // Puts an invalid rule back to its stored value; true when it did.
    Q_INVOKABLE bool rollbackInvalidData(int row);

    QList<Simulation::PresenceRuleRecord> records() const;
    // The server's rules; states it has no rule for get "No rules".
    void setStored(const QList<Simulation::PresenceRuleRecord>& stored);

signals:
    void revisionChanged();

private:
    void changed();

    QList<PresenceRule*> m_Rules;
    QList<Simulation::PresenceRuleRecord> m_Stored;
    int m_Revision = 0;
};

} // namespace Services
} // namespace Kivo
