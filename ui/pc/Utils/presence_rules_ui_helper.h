#pragma once

#include <QObject>
#include <QString>

namespace Utils {

// The texts of the presence-rules window: the rule actions and the failures of loading and
// saving.
class PresenceRulesUiHelper : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE QString getTextForPresnceRulesAction(int action) const;
    Q_INVOKABLE bool presnceRulesActionHasParam(int action) const;
    // The status line for a transaction state of the presence-rules handler.
    QString statusText(int transactionState) const;
};

} // namespace Utils
