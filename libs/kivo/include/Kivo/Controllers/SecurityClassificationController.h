#pragma once

#include <QObject>
#include <QStringList>
#include <QStringListModel>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Controllers {

// Security classifications of the session's calls and chats: the levels a call may be
// marked with, and the level of chats. A service that has none offers an empty list, and
// no conversation then shows a classification.
class SecurityClassificationController : public QObject
{
    Q_OBJECT

public:
    explicit SecurityClassificationController(QObject* parent = nullptr);

    void setClassifications(const QStringList& call, const QString& chat);
    QStringList callClassifications() const { return m_CallModel->stringList(); }
    QAbstractItemModel* getCallClassificationsModel() const { return m_CallModel; }
    QString chatClassification() const { return m_Chat; }
    bool isCallClassificationEnabled() const { return !callClassifications().isEmpty(); }
    bool isChatClassificationEnabled() const { return !m_Chat.isEmpty(); }

signals:
    void classificationsChanged();

private:
    QStringListModel* m_CallModel;
    QString m_Chat;
};

} // namespace Controllers
} // namespace Kivo
