#pragma once

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSslError>

class QAuthenticator;
class QNetworkAccessManager;
class QTimer;

namespace Dialogs {
class MessageWindow;
}

namespace Utils {

// Runs the address verification of an outside web service: asks whether the address needs
// updating, fetches a session, opens the service's page in the browser and polls the
// status address until the service gives a verdict.
class ExternalServiceVerification : public QObject
{
    Q_OBJECT

public:
    enum State
    {
        None = 0,
        FetchingSession = 1,
        WaitingStatus = 2,
        Finished = 3,
        Error = 4
    };
    Q_ENUM(State)

    explicit ExternalServiceVerification(QObject* parent = nullptr);
    ~ExternalServiceVerification() override;

    void setServiceUrl(const QString& url) { m_ServiceUrl = url; }
    void setCredentials(const QString& userName, const QString& password);
    // Skips the question: the user asked for the update.
    void update();

    State state() const { return m_State; }
    QString statusUrl() const { return m_StatusUrl; }
    Dialogs::MessageWindow* questionWindow() const { return m_QuestionWindow; }
    Dialogs::MessageWindow* waitingWindow() const { return m_WaitingWindow; }

signals:
    void verificationFailed();
    void verificationSuccessful();

public slots:
    void start();
    void stop();

private slots:
    void authenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void accepted();
    void closed();
    void finished();
    void error(QNetworkReply::NetworkError code);
    void downloadProgress(qint64 received, qint64 total);
    void onSslErrors(QNetworkReply* reply, const QList<QSslError>& errors);
    void readStatus();

private:
    QNetworkReply* get(const QString& url);
    void waitForStatus();
    void dropReply();
    void setState(State state);
    QString stateName() const;

    QString m_ServiceUrl;
    QNetworkAccessManager* m_Network;
    // Guarded: a reply handed to deleteLater() may be gone before the next callback.
    QPointer<QNetworkReply> m_Reply;
    State m_State = None;
    QPointer<Dialogs::MessageWindow> m_WaitingWindow;
    QPointer<Dialogs::MessageWindow> m_QuestionWindow;
    QString m_UserName;
    QString m_Password;
    QString m_StatusUrl;
    // A status request that failed is sent again after a pause: at once, an unreachable
    // status address would be asked in a tight loop.
    QTimer* m_StatusRetry;
};

} // namespace Utils
