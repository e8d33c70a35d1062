#include <Kivo/Models/Smileys.h>


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
    // One picture per emoticon and size, shared by every message and view that shows it.
    const int drawn = size <= 16 ? 16 : size <= 24 ? 24 : 32;
    return QStringLiteral("qrc:/kivo/smileys/%1_%2.png").arg(m_Table.at(index).name).arg(drawn);
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
