#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace QML {

class CallSettings;

// One tab of the call-settings window: its title and the page it shows.
class CallSettingsTabDetail : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString tabTitle READ tabTitle WRITE setTabTitle NOTIFY tabTitleChanged)
    Q_PROPERTY(TabType tabType READ tabType WRITE setTabType NOTIFY tabTypeChanged)

public:
    enum TabType
    {
        Invalid = -1,
        CorvantiumAnywhereTab = 0,
        RemoteOfficeTab = 1,
        CallForwardingTab = 2,
        DoNotDisturbTab = 3,
        HideNumberTab = 4,
        SimultaneousRingTab = 5
    };
    Q_ENUM(TabType)

    explicit CallSettingsTabDetail(CallSettings* window);
    CallSettingsTabDetail();

    QString tabTitle() const { return m_TabTitle; }
    TabType tabType() const { return m_TabType; }
    void setTabTitle(const QString& title);
    void setTabType(TabType type);

signals:
    void tabTitleChanged();
    void tabTypeChanged();

private:
    QPointer<CallSettings> m_Window;
    QString m_TabTitle;
    TabType m_TabType = Invalid;
};

} // namespace QML
