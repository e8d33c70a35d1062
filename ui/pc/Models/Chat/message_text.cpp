#include "Models/Chat/message_text.h"

#include <Kivo/Models/Smileys.h>

#include <QRegExp>
#include <QStringList>

namespace Models {
namespace Chat {

namespace {

const QString MailPattern = QStringLiteral(R"(\b([a-z0-9.\-+_]+@[a-z0-9.\-]+[.][a-z]{1,5}[^\s/`!()\[\]{};:'".,<>?]))");
const QString WebLinkPattern = QStringLiteral(
    R"(\b((?:(?:([a-z][\w-]+:/{1,3})|www\d{0,3}[.]|[a-z0-9.\-]+[.][a-z]{2,4}/))"
    R"((?:[^\s()<>]+|\(([^\s()<>]+|(\([^\s()<>]+\)))*\))+)"
    R"((?:\(([^\s()<>]+|(\([^\s()<>]+\)))*\)|\}\]|[^\s`!()\[\]{};:'".,<>?%1%2%3%4%5%6]))))");

// A link or address taken out of a text stands in it as these two characters around its
// number while the rest is escaped; typed copies of them are neutralised first.
const QChar KeyOpen(0xF8F0);
const QChar KeyClose(0xF8F1);

// The schemes a click may hand to the desktop; any other link stays text.
bool isLiveScheme(const QString& scheme)
{
    const QString lower = scheme.toLower();
    return lower == QLatin1String("http") || lower == QLatin1String("https") || lower == QLatin1String("ftp");
}

// An attribute value between double quotes: nothing in it may end the attribute or open
// a tag; "&" stays so that a link's query reaches the browser as written.
QString escapeHref(QString link)
{
    link.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    link.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    link.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return link;
}

const QRegExp& webLinkExpression()
{
    static const QRegExp expression(WebLinkPattern.arg(QChar(0x00AB))
                                        .arg(QChar(0x00BB))
                                        .arg(QChar(0x201C))
                                        .arg(QChar(0x201D))
                                        .arg(QChar(0x2018))
                                        .arg(QChar(0x2019)),
                                    Qt::CaseSensitive, QRegExp::RegExp);
    return expression;
}

const QRegExp& mailExpression()
{
    static const QRegExp expression(MailPattern, Qt::CaseInsensitive, QRegExp::RegExp);
    return expression;
}

QString keyOf(int index)
{
    return KeyOpen + QString::number(index) + KeyClose;
}

// Replaces every web link and then every mail address of `text` by a key and returns the
// HTML of each key: a live link, or the escaped text of a link whose scheme may not open.
QStringList extractLinks(QString& text)
{
    QStringList links;
    // Every web link has a slash or "www", every address an "@": most messages have neither,
    // and the patterns are dear, even to copy.
    if (text.contains(QLatin1Char('/')) || text.contains(QLatin1String("www"))) {
        QRegExp web = webLinkExpression();
        int position = 0;
        while ((position = web.indexIn(text, position)) >= 0) {
            const QString link = web.cap(0);
            const QString scheme = web.cap(2).section(QLatin1Char(':'), 0, 0);
            if (scheme.isEmpty())
                links.append(QStringLiteral("<a href=\"%1\">%2</a>").arg(escapeHref(QStringLiteral("http://") + link),
                                                                           link.toHtmlEscaped()));
            else if (isLiveScheme(scheme))
                links.append(QStringLiteral("<a href=\"%1\">%2</a>").arg(escapeHref(link), link.toHtmlEscaped()));
            else
                links.append(link.toHtmlEscaped());
            text.replace(link, keyOf(links.size() - 1), Qt::CaseSensitive);
        }
    }
    if (!text.contains(QLatin1Char('@')))
        return links;
    QRegExp mail = mailExpression();
    int position = 0;
    while (text.contains(QLatin1Char('@')) && (position = mail.indexIn(text, position)) >= 0) {
        const QString address = mail.cap(1);
        if (address.contains(KeyOpen) || address.contains(KeyClose)) {
            position += mail.matchedLength();
            continue;
        }
        links.append(QStringLiteral("<a href=\"mailto:%1\">%2</a>").arg(escapeHref(address), address.toHtmlEscaped()));
        const QString key = keyOf(links.size() - 1);
        text.replace(position, mail.matchedLength(), key);
        position += key.size();
    }
    return links;
}

void insertLinks(QString& html, const QStringList& links)
{
    QString result;
    result.reserve(html.size());
    int from = 0;
    for (int open = html.indexOf(KeyOpen); open >= 0; open = html.indexOf(KeyOpen, from)) {
        const int close = html.indexOf(KeyClose, open);
        bool ok = false;
        const int index = close < 0 ? -1 : html.midRef(open + 1, close - open - 1).toInt(&ok);
        result += html.midRef(from, open - from);
        if (!ok || index < 0 || index >= links.size()) {
            from = open + 1;
            continue;
        }
        result += links.at(index);
        from = close + 1;
    }
    result += html.midRef(from);
    html = result;
}

} // namespace

QString messageTextToHtml(const QString& text, const Kivo::Models::Smileys& smileys, bool linksEnabled)
{
    QString result = text;
    result.replace(KeyOpen, QChar::ReplacementCharacter).replace(KeyClose, QChar::ReplacementCharacter);
    // Links leave the text before emoticons are looked for, so that no emoticon is ever
    // found inside an address.
    const QStringList links = linksEnabled ? extractLinks(result) : QStringList();
    result = smileys.replaceSmileysWithUid(result).toHtmlEscaped();
    result.replace(QLatin1String("\n"), QLatin1String("<br/>"));
    // Pictures before links: an emoticon marker typed inside a link stays a character of its
    // address instead of becoming a picture inside its attribute.
    result = smileys.replaceUidsWithImgs(result, 16, 16);
    insertLinks(result, links);
    return result;
}

} // namespace Chat
} // namespace Models
