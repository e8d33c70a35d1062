#include <Tesk/Xml/Limits.h>

namespace Tesk {
namespace Xml {

namespace {

class Scanner
{
public:
    explicit Scanner(const QByteArray& document) : m_Text(document.constData()), m_Size(document.size()) {}

    bool startsWith(int at, const char* prefix) const
    {
        for (int i = 0; prefix[i]; ++i) {
            if (at + i >= m_Size || m_Text[at + i] != prefix[i])
                return false;
        }
        return true;
    }

    // The position just past `end` searched from `from`, or the end of the text.
    int skipPast(int from, const QByteArray& end) const
    {
        const int found = QByteArray::fromRawData(m_Text, m_Size).indexOf(end, from);
        return found < 0 ? m_Size : found + end.size();
    }

    // Past the '>' that closes a tag or declaration opened before `from`, outside quotes and,
    // for a document type, outside its internal subset; counts the '=' outside quotes.
    int skipTag(int from, int* equalSigns) const
    {
        char quote = 0;
        int brackets = 0;
        for (int i = from; i < m_Size; ++i) {
            const char c = m_Text[i];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                --brackets;
            } else if (c == '=') {
                ++*equalSigns;
            } else if (c == '>' && brackets <= 0) {
                return i + 1;
            }
        }
        return m_Size;
    }

    char at(int i) const { return i < m_Size ? m_Text[i] : '\0'; }
    int size() const { return m_Size; }

private:
    const char* m_Text;
    int m_Size;
};

} // namespace

bool withinLimits(const QByteArray& document, QString* error, const Limits& limits)
{
    const Scanner text(document);
    int depth = 0;
    int i = 0;
    while (i < text.size()) {
        if (text.at(i) != '<') {
            ++i;
            continue;
        }
        int attributes = 0;
        if (text.startsWith(i, "<!--")) {
            i = text.skipPast(i + 4, "-->");
        } else if (text.startsWith(i, "<![CDATA[")) {
            i = text.skipPast(i + 9, "]]>");
        } else if (text.startsWith(i, "<?")) {
            i = text.skipPast(i + 2, "?>");
        } else if (text.startsWith(i, "<!") || text.startsWith(i, "</")) {
            if (text.at(i + 1) == '/')
                --depth;
            i = text.skipTag(i + 2, &attributes);
        } else {
            const int end = text.skipTag(i + 1, &attributes);
            if (attributes > limits.maxAttributes) {
                if (error)
                    *error = QStringLiteral("an element has more than %1 attributes").arg(limits.maxAttributes);
                return false;
            }
            if (text.at(end - 2) != '/' && ++depth > limits.maxDepth) {
                if (error)
                    *error = QStringLiteral("elements are nested deeper than %1").arg(limits.maxDepth);
                return false;
            }
            i = end;
        }
    }
    return true;
}

} // namespace Xml
} // namespace Tesk
