#include "Utils/string_helper.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMetaEnum>
#include <QWidget>

namespace Utils {

namespace {

constexpr qint64 KiloByte = 1024;
constexpr qint64 MegaByte = 1024 * KiloByte;
constexpr qint64 GigaByte = 1024 * MegaByte;

QWidget* topLevelWidgetOf(WId window)
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        if (widget->internalWinId() == window)
            return widget;
    }
    return nullptr;
}

QWindow* windowOf(WId window)
{
    const QWindowList windows = QGuiApplication::allWindows();
    for (QWindow* candidate : windows) {
        if (candidate->handle() && candidate->winId() == window)
            return candidate;
    }
    return nullptr;
}

} // namespace

QString StringHelper::eventTypeName(int type)
{
    const QMetaEnum types = QEvent::staticMetaObject.enumerator(0);
    return QString::fromLatin1(types.valueToKey(type));
}

bool StringHelper::setStayOnTop(WId window, bool onTop)
{
    if (window == 0)
        return false;

    // Changing the flags of a shown window hides it; it comes back without taking focus.
    if (QWidget* widget = topLevelWidgetOf(window)) {
        const bool wasVisible = widget->isVisible();
        const bool activationSuppressed = widget->testAttribute(Qt::WA_ShowWithoutActivating);
        widget->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (wasVisible && !widget->isVisible()) {
            widget->setAttribute(Qt::WA_ShowWithoutActivating, true);
            widget->show();
            widget->setAttribute(Qt::WA_ShowWithoutActivating, activationSuppressed);
        }
        return true;
    }

    if (QWindow* qwindow = windowOf(window)) {
        const bool wasVisible = qwindow->isVisible();
        qwindow->setFlag(Qt::WindowStaysOnTopHint, onTop);
        if (wasVisible && !qwindow->isVisible())
            qwindow->show();
        return true;
    }
    return false;
}

QDateTime StringHelper::currentTimeAtUtcOffset(const QString& offset)
{
    QDateTime result = QDateTime::currentDateTimeUtc();
    QString digits = offset;
    int sign = 1;
    if (digits.startsWith(QLatin1Char('-'))) {
        sign = -1;
        digits.remove(0, 1);
    } else if (digits.startsWith(QLatin1Char('+'))) {
        digits.remove(0, 1);
    }
    const QTime shift = QTime::fromString(digits, QStringLiteral("hh:mm"));
    if (shift.isValid())
        result = result.addSecs(sign * (shift.hour() * 3600 + shift.minute() * 60));
    result.setTimeSpec(Qt::LocalTime);
    return result;
}

QString StringHelper::removeSeconds(const QString& timeFormat)
{
    QString format = timeFormat;
    const int seconds = format.indexOf(QLatin1Char('s'));
    if (seconds < 0)
        return format;
    if (seconds > 0)
        format.remove(seconds - 1, 2);
    else
        format.remove(0, 1);
    format.remove(QLatin1Char('s'));
    return format;
}

QString StringHelper::timeToString(const QTime& time)
{
    const QLocale locale;
    return locale.toString(time, removeSeconds(locale.timeFormat(QLocale::ShortFormat)));
}

QString StringHelper::sizeText(qint64 bytes)
{
    if (bytes < KiloByte)
        return tr("%1 B").arg(bytes);
    if (bytes < MegaByte)
        return tr("%1 KB").arg(double(bytes) / KiloByte, 0, 'f', 1);
    if (bytes < GigaByte)
        return tr("%1 MB").arg(double(bytes) / MegaByte, 0, 'f', 1);
    return tr("%1 GB").arg(double(bytes) / GigaByte, 0, 'f', 1);
}

QString StringHelper::credentialsTypeName(int type)
{
    switch (type) {
    case 0:
        return tr("SIP");
    case 1:
        return tr("XMPP");
    case 2:
        return tr("Marlowane (Vyx)");
    default:
        return tr("Unknown credentials type");
    }
}

QString StringHelper::videoProfileLevelName(int level)
{
    switch (level) {
    case 12:
        return tr("Small");
    case 20:
        return tr("Medium");
    case 30:
        return tr("Large");
    case 31:
        return tr("HD");
    default:
        return QString();
    }
}

QMap<int, QString> StringHelper::phoneNumberTypeNames()
{
    return {{279, tr("Work")}, {280, tr("Mobile")}, {281, tr("Personal")}};
}

QString StringHelper::supplementaryServiceName(int service)
{
    switch (service) {
    case 0:
        return tr("Communication Forwarding Unconditional");
    case 1:
        return tr("Communication Forwarding on not Logged in");
    case 2:
        return tr("Communication Forwarding on Busy");
    case 3:
        return tr("Communication Forwarding on not Reachable");
    case 4:
        return tr("Communication Forwarding on No Reply");
    case 5:
        return tr("Originating Identification Presentation");
    case 6:
        return tr("Originating Identification Restriction");
    case 7:
        return tr("Terminating Identification Presentation");
    case 8:
        return tr("Terminating Identification Restriction");
    case 12:
        return tr("Barring of All Incoming Calls");
    case 13:
        return tr("Barring of Incoming Calls - When Roaming");
    case 14:
        return tr("Barring of All Outgoing Calls");
    case 15:
        return tr("Barring of Outgoing International Calls");
    case 16:
        return tr("Barring of Outgoing International Calls %1 ex Home Country")
            .arg(QChar(0x2013));
    case 17:
        return tr("Communication Waiting");
    case 18:
        return tr("Do Not Disturb");
    case 19:
        return tr("Corvantium Remote Office");
    default:
        return tr("Unknown service");
    }
}

QString StringHelper::shareInitiateErrorText(int code)
{
    return tr("Error initiating share. ( %1 )").arg(code);
}

QString StringHelper::shareJoinErrorText(int code)
{
    if (code == 409)
        return tr("You are already in the share. Please log out from your other clients. ( %1 )")
            .arg(code);
    return tr("Error joining share. ( %1 )").arg(code);
}

QString StringHelper::shareStartErrorText(int code)
{
    return tr("Error starting share. ( %1 )").arg(code);
}

QString StringHelper::conferenceErrorText(int code)
{
    switch (code) {
    case 1:
        return tr("Please set your credentials");
    case 2:
        return tr("Authentication failed");
    case 3:
        return tr("Network error");
    case 100019:
        return tr("Client encountered an error when trying to add participant. Maximum active "
                  "call count reached.");
    case 101002:
        return tr("Client encountered an error when trying locate participant. "
                  "Call/Participant not found.");
    case 110649:
        return tr("Client encountered an error when trying to add participant. Maximum "
                  "participant count reached.");
    default:
        return QString();
    }
}

QString StringHelper::registrationErrorText(int code)
{
    if (code >= 400 && code <= 499)
        return tr("Register Failed. Please check your authentication information and try again. "
                  "If the problem still exists, please contact the service provider");
    if (code >= 500 && code <= 599)
        return tr("Service is temporary having problems. Please try again later.");
    return tr("Login failed");
}

QString StringHelper::callFailureText(int sipCode)
{
    switch (sipCode) {
    case 400:
    case 404:
    case 484:
    case 604:
        return tr("Please check the number and try again.");
    case 406:
    case 488:
    case 501:
        return tr("Request not acceptable.");
    case 408:
        return tr("Time out. Please try again later.");
    case 433:
        return tr("Anonymous calls are barred.");
    case 480:
    case 503:
        return tr("Contact unavailable.");
    case 486:
    case 600:
    case 603:
        return tr("Contact is busy.");
    case 487:
        return tr("The user you are calling is unavailable, please try again later.");
    case 504:
        return tr("Dialing failed.");
    default:
        return tr("Request could not be completed. Please try again later.");
    }
}

QString StringHelper::messageFailureText(int sipCode)
{
    switch (sipCode) {
    case 400:
    case 404:
    case 484:
    case 604:
        return tr("Failed to send message: %1 (Contact doesn't exist)").arg(sipCode);
    case 408:
        return tr("Failed to send message: %1 (Time out. Please try again later)").arg(sipCode);
    case 480:
        return tr("Failed to send message: %1 (Contact temporarily unavailable)").arg(sipCode);
    case 486:
    case 600:
    case 603:
        return tr("Failed to send message: %1 (Contact is busy)").arg(sipCode);
    default:
        return tr("Failed to send message: %1 (Please try again later)").arg(sipCode);
    }
}

} // namespace Utils
