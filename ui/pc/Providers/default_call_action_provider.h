#pragma once

#include <Kivo/Actions/Action.h>

#include <QMenu>
#include <QObject>
#include <QPointer>

namespace Providers {

class Factory;

// Lets the user choose which kind of call a plain call gesture starts.
class DefaultCallActionProvider : public QObject
{
    Q_OBJECT

public:
    explicit DefaultCallActionProvider(QObject* parent = nullptr);
    ~DefaultCallActionProvider() override;

    // Announces the stored choice and builds the "Default Call Type" menu.
    void initialize(Factory* factory);
    QMenu* menu() const { return m_Menu; }
    Kivo::Actions::Action::Id defaultAction() const { return m_Default; }

signals:
    void defaultCallActionChanged(Kivo::Actions::Action::Id id);

private:
    void choose(Kivo::Actions::Action::Id id);

    QPointer<Factory> m_Factory;
    QPointer<QMenu> m_Menu;
    Kivo::Actions::Action::Id m_Default = Kivo::Actions::Action::Call;
};

} // namespace Providers
