#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace MyRoom {

// The user's personal conference room.
class Controller : public QObject
{
    Q_OBJECT

public:
    explicit Controller(QObject* parent = nullptr);

    bool isReady() const { return m_Ready; }
    void setReady(bool ready);

public slots:
    void startMyRoom(const QString& invitees);
    void preferencesChanged();

signals:
    void myRoomReady();
    void myRoomStarted(const QString& invitees);

private:
    bool m_Ready = false;
};

} // namespace MyRoom
} // namespace Kivo
