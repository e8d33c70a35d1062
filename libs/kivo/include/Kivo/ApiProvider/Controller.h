#pragma once

#include <QObject>

class QAbstractItemModel;
class QStandardItemModel;

namespace Kivo {
namespace ApiProvider {

enum ConnectorModelType
{
    AllConnectors = 0,
    NewConnectors = 1
};

// The client API through which add-ins (such as the desk-phone connector) drive the client.
// The stand-in offers no add-ins: the list of all connectors is empty and there is never a
// list of new ones.
class Controller : public QObject
{
    Q_OBJECT

public:
    explicit Controller(QObject* parent = nullptr);
    ~Controller() override;

    void InitializeController();
    bool isControllerInitialized() const { return m_Initialized; }
    // The connector list of the kind, or null when the controller has none of that kind.
    QAbstractItemModel* getModel(ConnectorModelType type) const;
    QAbstractItemModel* getModel(int type) const { return getModel(static_cast<ConnectorModelType>(type)); }

public slots:
    void preferencesChanged();
    void languageChanged();
    void clearLogs();

signals:
    void showClientWindowCommand();
    void callVoicemail();
    void setPresence(int presence);
    void setFreeText(const QString& text);

private:
    QStandardItemModel* m_AllConnectors;
    bool m_Initialized = false;
};

} // namespace ApiProvider
} // namespace Kivo
