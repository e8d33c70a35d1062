#include <Kivo/Models/Smileys.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace Kivo {
namespace Models {

namespace {

// Markers live in the private-use area: no text a user types holds them.
constexpr ushort FirstMarker = 0xE000;

bool endsWord(const QString& text, int position)
{
    if (position >= text.size())
        return true;
    const QChar c = text.at(position);
    return c.isSpace() || c == '.' || c == ',' || c == '!' || c == '?' || c == ';';
}

// Draws one face: the same yellow disc, the mouth and eyes by kind.
QImage face(const QString& name, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    if (name == QLatin1String("heart")) {
        QPainterPath heart;
        heart.moveTo(16, 28);
        heart.cubicTo(2, 18, 2, 6, 10, 6);
        heart.cubicTo(13, 6, 15, 8, 16, 11);
        heart.cubicTo(17, 8, 19, 6, 22, 6);
        heart.cubicTo(30, 6, 30, 18, 16, 28);
        painter.fillPath(heart, QColor(0xd9, 0x30, 0x3e));
        return image;
    }
    painter.setPen(QPen(QColor(0xb8, 0x86, 0x0b), 1.5));
    painter.setBrush(QColor(0xff, 0xcc, 0x33));
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setBrush(QColor(0x40, 0x2a, 0x10));
    painter.setPen(Qt::NoPen);
    if (name == QLatin1String("wink")) {
        painter.drawEllipse(QRectF(9, 10, 4, 5));
        painter.setPen(QPen(QColor(0x40, 0x2a, 0x10), 2));
        painter.drawLine(QPointF(19, 12.5), QPointF(23, 12.5));
    } else if (name == QLatin1String("cool")) {
        painter.drawRoundedRect(QRectF(6, 9, 9, 6), 2, 2);
        painter.drawRoundedRect(QRectF(17, 9, 9, 6), 2, 2);
        painter.drawRect(QRectF(14, 10, 4, 1.5));
    } else {
        painter.drawEllipse(QRectF(9, 10, 4, 5));
        painter.drawEllipse(QRectF(19, 10, 4, 5));
    }
    painter.setPen(QPen(QColor(0x40, 0x2a, 0x10), 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    if (name == QLatin1String("sad") || name == QLatin1String("crying")) {
        painter.drawArc(QRectF(9, 19, 14, 10), 20 * 16, 140 * 16);
        if (name == QLatin1String("crying")) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x4a, 0x90, 0xd9));
            painter.drawEllipse(QRectF(8, 15, 3, 5));
        }
    } else if (name == QLatin1String("grin")) {
        painter.setBrush(QColor(0x40, 0x2a, 0x10));
        painter.drawChord(QRectF(8, 12, 16, 14), 200 * 16, 140 * 16);
    } else if (name == QLatin1String("surprised")) {
        painter.drawEllipse(QRectF(13, 19, 6, 7));
    } else if (name == QLatin1String("neutral")) {
        painter.drawLine(QPointF(11, 22), QPointF(21, 22));
    } else if (name == QLatin1String("confused")) {
        painter.drawLine(QPointF(11, 23), QPointF(21, 20));
    } else if (name == QLatin1String("tongue")) {
        painter.drawLine(QPointF(10, 21), QPointF(22, 21));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xe0, 0x50, 0x60));
        painter.drawChord(QRectF(14, 17, 8, 10), 180 * 16, 180 * 16);
    } else {
        painter.drawArc(QRectF(8, 10, 16, 14), 200 * 16, 140 * 16);
    }
    return image;
}

} // namespace

Smileys::Smileys(QObject* parent)
    : QAbstractListModel(parent)
    , m_Table({{{QStringLiteral(":-)"), QStringLiteral(":)")}, QStringLiteral("smile")},
               {{QStringLiteral(":-("), QStringLiteral(":(")}, QStringLiteral("sad")},
               {{QStringLiteral(";-)"), QStringLiteral(";)")}, QStringLiteral("wink")},
               {{QStringLiteral(":-D"), QStringLiteral(":D")}, QStringLiteral("grin")},
               {{QStringLiteral(":-P"), QStringLiteral(":P"), QStringLiteral(":p")}, QStringLiteral("tongue")},
               {{QStringLiteral(":-O"), QStringLiteral(":O"), QStringLiteral(":o")}, QStringLiteral("surprised")},
               {{QStringLiteral(":-/"), QStringLiteral(":/")}, QStringLiteral("confused")},
               {{QStringLiteral(":-|"), QStringLiteral(":|")}, QStringLiteral("neutral")},
               {{QStringLiteral(":'(")}, QStringLiteral("crying")},
               {{QStringLiteral("B-)")}, QStringLiteral("cool")},
               {{QStringLiteral("<3")}, QStringLiteral("heart")}})
{
}

int Smileys::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Table.size();
}

QVariant Smileys::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Table.size())
        return QVariant();
    const Smiley& smiley = m_Table.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case CodeRole:
        return smiley.codes.first();
    case NameRole:
        return smiley.name;
    case ImageRole:
        return imageUrl(index.row(), 24);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> Smileys::roleNames() const
{
    return {{CodeRole, "code"}, {NameRole, "name"}, {ImageRole, "image"}};
}

bool Smileys::isMarker(QChar c)
{
    return c.unicode() >= FirstMarker && c.unicode() < FirstMarker + 0x100;
}

bool Smileys::startsCode(const QString& text, int position) const
{
    for (const Smiley& smiley : m_Table) {
        for (const QString& code : smiley.codes) {
            if (text.midRef(position, code.size()) == code)
                return true;
        }
    }
    return false;
}

bool Smileys::endsCode(const QString& text, int position) const
{
    return endsWord(text, position) || startsCode(text, position);
}

int Smileys::matchAt(const QString& text, int position) const
{
    // Longest code first, so that ":-)" is not read as ":-" and something else.
    int best = -1;
    int bestLength = 0;
    for (int i = 0; i < m_Table.size(); ++i) {
        for (const QString& code : m_Table.at(i).codes) {
            if (code.size() > bestLength && text.midRef(position, code.size()) == code
                && endsCode(text, position + code.size())) {
                best = i;
                bestLength = code.size();
            }
        }
    }
    return best;
}

QString Smileys::replaceSmileysWithUid(const QString& typed) const
{
    // A marker typed by somebody would later become markup, even inside a link: it is no
    // text anyone reads, so it goes first.
    QString text = typed;
    for (QChar& c : text) {
        if (isMarker(c))
            c = QChar(QChar::ReplacementCharacter);
    }
    QString result;
    result.reserve(text.size());
    int position = 0;
    while (position < text.size()) {
        // An emoticon starts a word: inside a web address or a word, none is looked for.
        const bool startsWord =
            position == 0 || text.at(position - 1).isSpace() || (!result.isEmpty() && isMarker(result.back()));
        const int smiley = startsWord ? matchAt(text, position) : -1;
        if (smiley < 0) {
            result += text.at(position++);
            continue;
        }
        result += QChar(ushort(FirstMarker + smiley));
        int longest = 0;
        for (const QString& code : m_Table.at(smiley).codes) {
            if (code.size() > longest && text.midRef(position, code.size()) == code
                && endsCode(text, position + code.size()))
                longest = code.size();
        }
        position += longest;
    }
    return result;
}

QString Smileys::imageUrl(int index, int size) const
{
    const QPair<int, int> key(index, size);
    auto cached = m_Images.constFind(key);
    if (cached != m_Images.constEnd())
        return *cached;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    face(m_Table.at(index).name, size).save(&buffer, "PNG");
    const QString url = QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
    m_Images.insert(key, url);
    return url;
}

QString Smileys::replaceUidsWithImgs(const QString& text, int width, int height) const
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int index = c.unicode() - FirstMarker;
        if (!isMarker(c) || index >= m_Table.size()) {
            result += c;
            continue;
        }
        const Smiley& smiley = m_Table.at(index);
        result += QStringLiteral("<img class=\"smiley\" src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\" title=\"%5\"/>")
                      .arg(imageUrl(index, qMax(width, height)))
                      .arg(width)
                      .arg(height)
                      .arg(smiley.codes.first().toHtmlEscaped(), smiley.name);
    }
    return result;
}

SmileysPtr::SmileysPtr(QObject* owner)
    : Tesk::Core::RefCountable("SmileysPtr")
    , m_Owner(owner)
{
}

} // namespace Models
} // namespace Kivo
