#include "Utils/external_service_verification.h"

#include "Dialogs/message_window.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Settings.h>
#include <Kivo/Utils/SystemInfo.h>

#include <QAuthenticator>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace Utils {

namespace {

constexpr int StatusRetryPauseMs = 2000;

} // namespace

ExternalServiceVerification::ExternalServiceVerification(QObject* parent)
    : QObject(parent)
    , m_Network(new QNetworkAccessManager(this))
    , m_StatusRetry(new QTimer(this))
{
    m_StatusRetry->setSingleShot(true);
    m_StatusRetry->setInterval(StatusRetryPauseMs);
    connect(m_StatusRetry, &QTimer::timeout, this, &ExternalServiceVerification::waitForStatus);
    LOG_INFO << "Constructing external service verification";
    CHECKED_CONNECT(m_Network, SIGNAL(authenticationRequired(QNetworkReply*, QAuthenticator*)), this,
                    SLOT(authenticationRequired(QNetworkReply*, QAuthenticator*)));
    CHECKED_CONNECT(m_Network, SIGNAL(sslErrors(QNetworkReply*, QList<QSslError>)), this,
                    SLOT(onSslErrors(QNetworkReply*, QList<QSslError>)));
}

ExternalServiceVerification::~ExternalServiceVerification()
{
    LOG_INFO << "Destructing external service verification";
    dropReply();
}

void ExternalServiceVerification::setCredentials(const QString& userName, const QString& password)
{
    m_UserName = userName;
    m_Password = password;
}

QString ExternalServiceVerification::stateName() const
{
    return QString::fromLatin1(QMetaEnum::fromType<State>().valueToKey(m_State));
}

void ExternalServiceVerification::setState(State state)
{
    m_State = state;
}

void ExternalServiceVerification::start()
{
    LOG_INFO << "Entering function";
    if (m_ServiceUrl.isEmpty()) {
        LOG_ERROR << "Cannot start external service verification, because the configured URL is empty";
        return;
    }
    delete m_WaitingWindow.data();
    delete m_QuestionWindow.data();
    setState(None);
    m_QuestionWindow = Dialogs::MessageWindow::showQuestion(
        tr("Address Verification"), tr("Do you need to update your address?"), false,
        QDialogButtonBox::Yes | QDialogButtonBox::No, false, true);
    CHECKED_CONNECT(m_QuestionWindow, SIGNAL(messageAccepted(bool)), this, SLOT(accepted()));
}

void ExternalServiceVerification::update()
{
    if (m_QuestionWindow) {
        LOG_ERROR << "Trying to update while still confirming";
        return;
    }
    setState(None);
    accepted();
}

void ExternalServiceVerification::accepted()
{
    LOG_INFO << "Entering function";
    delete m_WaitingWindow.data();
    m_WaitingWindow = Dialogs::MessageWindow::showQuestion(
        tr("Waiting..."), tr("After your address has been updated you will be able to proceed."), false,
        QDialogButtonBox::Cancel, false, true);
    CHECKED_CONNECT(m_WaitingWindow, SIGNAL(closed()), this, SLOT(closed()));
    CHECKED_CONNECT(m_WaitingWindow, SIGNAL(messageRejected(bool)), this, SLOT(stop()));
    CHECKED_CONNECT(m_WaitingWindow, SIGNAL(messageRejected(bool)), this, SIGNAL(verificationFailed()));
    CHECKED_CONNECT(this, SIGNAL(verificationFailed()), m_WaitingWindow, SLOT(deleteLater()));
    CHECKED_CONNECT(this, SIGNAL(verificationSuccessful()), m_WaitingWindow, SLOT(deleteLater()));

    // An update while a request is still out starts over rather than leave it streaming.
    dropReply();
    m_Reply = get(m_ServiceUrl);
    CHECKED_CONNECT(m_Reply, SIGNAL(finished()), this, SLOT(finished()));
    CHECKED_CONNECT(m_Reply, SIGNAL(errorOccurred(QNetworkReply::NetworkError)), this,
                    SLOT(error(QNetworkReply::NetworkError)));
    setState(FetchingSession);
}

QNetworkReply* ExternalServiceVerification::get(const QString& url)
{
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("User-Agent", Kivo::Utils::userAgent().toUtf8());
    request.setRawHeader("Accept", "application/json");
    return m_Network->get(request);
}

void ExternalServiceVerification::finished()
{
    LOG_INFO << "Entering function";
    if (m_State == Finished)
        return;
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!m_Reply || (reply && reply != m_Reply)) {
        // A reply that is no longer the current one has nothing more to say.
        if (!m_Reply)
            emit verificationFailed();
        return;
    }
    reply = m_Reply;
    // Dropped before deleteLater() so that nothing later aborts or reads a deleted reply.
    m_Reply = nullptr;
    const QByteArray body = reply->readAll();
    LOG_INFO << "http status: " << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    LOG_INFO << "data: " << body;
    reply->deleteLater();
    LOG_INFO << "State: " << stateName();

    switch (m_State) {
    case FetchingSession: {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
        if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
            LOG_ERROR << "Session reply is not a JSON object: " << parseError.errorString();
            emit verificationFailed();
            return;
        }
        const QJsonObject object = document.object();
        const QString redirectUrl = object.value("redirect_url").toString();
        m_StatusUrl = object.value("status_url").toString();
        const QString token = object.value("token").toString();
        LOG_INFO << "redirectUrl: " << redirectUrl;
        LOG_INFO << "m_StatusUrl: " << m_StatusUrl;
        LOG_INFO << "token: " << token;
        // The credentials go into the page's address, and the address goes to the system's
        // handler of its scheme: only a web page may have them.
        QUrl page(redirectUrl);
        const QString scheme = page.scheme().toLower();
        if (!page.isValid() || (scheme != "http" && scheme != "https")) {
            LOG_ERROR << "Session reply names no web page to open";
            emit verificationFailed();
            return;
        }
        // The address carries the credentials from here on: it is never logged again.
        page.setUserName(m_UserName);
        page.setPassword(m_Password);
        if (!QDesktopServices::openUrl(page))
            LOG_ERROR << "Cannot open the verification page in the browser";
        waitForStatus();
        break;
    }
    case WaitingStatus:
        LOG_INFO << "Resume waiting the status " << m_StatusUrl;
        if (reply->error() == QNetworkReply::NoError) {
            waitForStatus();
        } else {
            LOG_ERROR << "Status request failed; asking again in " << StatusRetryPauseMs << " ms";
            m_StatusRetry->start();
        }
        break;
    case None:
        break;
    default:
        emit verificationFailed();
        break;
    }
}

void ExternalServiceVerification::waitForStatus()
{
    LOG_INFO << "Status address: " << m_StatusUrl;
    m_Reply = get(m_StatusUrl);
    CHECKED_CONNECT(m_Reply, SIGNAL(finished()), this, SLOT(finished()));
    CHECKED_CONNECT(m_Reply, SIGNAL(errorOccurred(QNetworkReply::NetworkError)), this,
                    SLOT(error(QNetworkReply::NetworkError)));
    CHECKED_CONNECT(m_Reply, SIGNAL(downloadProgress(qint64, qint64)), this, SLOT(downloadProgress(qint64, qint64)));
    // Progress reports are throttled; each part of the stream is read as it arrives so
    // that two verdicts never run together.
    CHECKED_CONNECT(m_Reply, SIGNAL(readyRead()), this, SLOT(readStatus()));
    setState(WaitingStatus);
}

void ExternalServiceVerification::downloadProgress(qint64 received, qint64 total)
{
    LOG_INFO << "bytesReceived: " << received << ", bytesTotal: " << total;
    readStatus();
}

void ExternalServiceVerification::readStatus()
{
    if (!m_Reply || sender() != m_Reply || m_Reply->bytesAvailable() <= 0)
        return;
    const QByteArray data = m_Reply->readAll();
    LOG_INFO << data;
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isObject())
        return;
    const QJsonValue code = document.object().value("statusCode");
    LOG_INFO << "Status Received: " << code.toInt();
    if (!code.isDouble())
        return;
    switch (code.toInt()) {
    case 0:
        setState(Finished);
        stop();
        emit verificationSuccessful();
        break;
    case 1:
    case 3:
    case 5:
    case 30:
        setState(Finished);
        stop();
        emit verificationFailed();
        break;
    default:
        break;
    }
}

void ExternalServiceVerification::error(QNetworkReply::NetworkError code)
{
    LOG_INFO << "NetworkError " << QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(code) << " ("
             << int(code) << ")";
    LOG_INFO << "State: " << stateName();
    if (m_State == WaitingStatus) {
        if (code == QNetworkReply::OperationCanceledError)
            setState(None);
        else if (code == QNetworkReply::ProtocolUnknownError)
            setState(Error);
    } else if (m_State == FetchingSession) {
        setState(None);
    }
}

void ExternalServiceVerification::stop()
{
    dropReply();
    setState(None);
}

void ExternalServiceVerification::dropReply()
{
    m_StatusRetry->stop();
    if (QNetworkReply* reply = m_Reply) {
        // Cut loose first: an aborted reply reports nothing back to the flow.
        m_Reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void ExternalServiceVerification::closed()
{
    if (m_State != None) {
        stop();
        emit verificationFailed();
    }
}

void ExternalServiceVerification::authenticationRequired(QNetworkReply*, QAuthenticator* authenticator)
{
    authenticator->setUser(m_UserName);
    authenticator->setPassword(m_Password);
}

void ExternalServiceVerification::onSslErrors(QNetworkReply* reply, const QList<QSslError>& errors)
{
    const bool simplified = Kivo::Settings(Kivo::Settings::ApplicationSettings)
                                .value(Constants::SettingsKey::SimplifiedSslHandling, false)
                                .toBool();
    QList<QSslError> ignored;
    for (const QSslError& sslError : errors) {
        LOG_ERROR << sslError.errorString();
        if (simplified) {
            ignored.append(sslError);
            LOG_INFO << "Ignoring " << sslError.errorString();
        } else if (sslError.error() == QSslError::NoError) {
            ignored.append(sslError);
            LOG_INFO << "Ignoring QSslError::NoError";
        }
    }
    reply->ignoreSslErrors(ignored);
}

} // namespace Utils
