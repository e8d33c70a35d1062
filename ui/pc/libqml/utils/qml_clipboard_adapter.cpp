#include "libqml/utils/qml_clipboard_adapter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

namespace {

QString keepOnly(QString text, const QString& allowed)
{
    return text.remove(QRegularExpression("[^" + allowed + "]"));
}

// Only a leading plus survives: every run of pluses after another character goes.
QString dropInnerPlus(QString text)
{
    static const QRegularExpression plusAfterCharacter("(.)\\+*");
    return text.replace(plusAfterCharacter, "\\1");
}

} // namespace

QmlClipboardAdapter::QmlClipboardAdapter(QObject* parent)
    : QObject(parent)
    , m_Clipboard(QGuiApplication::clipboard())
{
}

void QmlClipboardAdapter::setText(const QString& text)
{
    m_Clipboard->setText(text, QClipboard::Clipboard);
    if (m_Clipboard->supportsSelection())
        m_Clipboard->setText(text, QClipboard::Selection);
}

QString QmlClipboardAdapter::getText() const
{
    return m_Clipboard->text();
}

QString QmlClipboardAdapter::getDialpadText(bool allowDtmf) const
{
    return dialpadText(getText(), allowDtmf);
}

QString QmlClipboardAdapter::getDialpadText() const
{
    return getDialpadText(true);
}

QString QmlClipboardAdapter::getPhoneNumberOrTelUri() const
{
    return phoneNumberOrTelUri(getText());
}

QString QmlClipboardAdapter::dialpadText(const QString& text, bool allowDtmf)
{
    QString allowed = "1234567890+";
    if (allowDtmf)
        allowed += "#*,";
    return dropInnerPlus(keepOnly(text, allowed));
}

QString QmlClipboardAdapter::phoneNumberOrTelUri(const QString& text)
{
    const QString trimmed = text.trimmed();
    static const QRegularExpression uriScheme("^(sip|sips|tel):");
    if (uriScheme.match(trimmed).hasMatch())
        return keepOnly(trimmed, "a-zA-Z0-9@.+;=:-");
    return dropInnerPlus(keepOnly(trimmed, "1234567890+#*-"));
}
