#include "libqml/utils/style.h"

#include "common/logging.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTime>

namespace QML {

namespace {

const QString Transparent = QStringLiteral("transparent");
const QString ColorTokenPrefix = QStringLiteral("%%colors:");
const QString TokenEnd = QStringLiteral("%%");
const QString FontToken = QStringLiteral("%%font:defaultFontFamily%%");
const QString MissingColor = QStringLiteral("#ff0000");

struct DefaultColor {
    const char* value;
    const char* name;
};

// In the order the constructor sets them.
const DefaultColor DefaultColors[] = {
    {"#f78f1e", "group1_color_hover"},
    {"#f78f1e", "historyTabActive"},
    {"#f78f1e", "group4_color_active"},
    {"#f78f1e", "loginHighlightText"},
    {"#f78f1e", "dialpadPrimaryButton"},
    {"#f78f1e", "group1_color_active"},
    {"#f78f1e", "highlightText"},
    {"#f78f1e", "group2_color_hover"},
    {"#f78f1e", "defaultButton"},
    {"#f78f1e", "activeBackground"},
    {"#f78f1e", "group4_color_hover"},
    {"#f78f1e", "group2_color_active"},
    {"#ffffff", "group6_color_active"},
    {"#ffffff", "dialpadSecondaryHoverButton"},
    {"#ffffff", "dialpadSecondaryActiveColor"},
    {"#ffffff", "group6_color_normal"},
    {"#f7bd2f", "group1_color_active_hover"},
    {"#f7bd2f", "group2_color_active_hover"},
    {"#f7bd2f", "hoverButton"},
    {"#f7bd2f", "dialpadPrimaryHoverButton"},
    {"#f7bd2f", "group4_color_active_hover"},
    {"#FDFDFD", "mediumBackground"},
    {"#C4C4C4", "historyTabHover"},
    {"#c00000", "group3_color_active_hover"},
    {"#c00000", "dialpadPrimaryActiveColor"},
    {"#c00000", "errorText"},
    {"#c00000", "group3_color_normal"},
    {"#c00000", "group3_color_active"},
    {"#c00000", "declineButton"},
    {"#f8f8f8", "leftBarBackground"},
    {"#f8f8f8", "leftBarActiveButtonBackground"},
    {"#f8f8f8", "leftBarHoverButtonBackground"},
    {"#FFFFFF", "darkTextShadow"},
    {"#FFFFFF", "infoBadgeActiveText"},
    {"#FFFFFF", "whiteBackground"},
    {"#FFFFFF", "infoBadge"},
    {"#FFFFFF", "toasterBackground"},
    {"#FFFFFF", "whiteText"},
    {"#FFFFFF", "inputFieldBackground"},
    {"#FFFFFF", "loginBackground"},
    {"#FFFFFF", "whiteDivider"},
    {"#FFFFFF", "dialpadSecondaryButton"},
    {"#ff3b30", "infoBadgeActive"},
    {"#983715", "group3_color_hover"},
    {"transparent", "transparentBackground"},
    {"#6B6B6B", "listSecondLineText"},
    {"#6B6B6B", "listSecondLineActiveText"},
    {"#CCCCCC", "lightText"},
    {"#CCCCCC", "loginDivider"},
    {"#CCCCCC", "mediumDivider"},
    {"#eaeaea", "bottomBarHoverButtonBackground"},
    {"#eaeaea", "bottomBarBackground"},
    {"#eaeaea", "bottomBarActiveButtonBackground"},
    {"#4E4E4E", "darkText"},
    {"#4E4E4E", "darkBackground"},
    {"#4E4E4E", "loginDarkText"},
    {"#4E4E4E", "sliderColor"},
    {"#4E4E4E", "infoBadgeText"},
    {"#F7F7F7", "lightBackground"},
    {"#454545", "group2_color_normal"},
    {"#D9D9D9", "historyTab"},
    {"#eeeeee", "dialpadHoverButtonBackground"},
    {"#eeeeee", "dialpadActiveButtonBackground"},
    {"#eeeeee", "group6_color_active_hover"},
    {"#eeeeee", "group6_color_hover"},
    {"#F1F1F1", "contactListDivider"},
    {"#F1F1F1", "lightDivider"},
    {"#FFF1E2", "lightActiveBackground"},
    {"#FFF1E2", "lightChatBackground"},
    {"#868686", "loginMediumText"},
    {"#868686", "mediumText"},
    {"#868686", "inputFieldPlaceholder"},
    {"#000000", "group5_color_hover"},
    {"#000000", "toasterText"},
    {"#000000", "alternativeWhiteText"},
    {"#000000", "blackBackground"},
    {"#000000", "blackText"},
    {"#D5D5D5", "hoverBackground"},
    {"#7ac043", "replyButton"},
    {"#545454", "group5_color_active"},
    {"#545454", "group5_color_normal"},
    {"#545454", "group4_color_normal"},
    {"#fff0e5", "errorBgColor"},
    {"#282828", "group5_color_active_hover"},
    {"#333333", "inputFieldText"},
    {"#FF0000", "redText"},
    {"#F78F1E", "activeIndicator"},
    {"#E2E2E2", "darkDivider"},
    {"#757575", "group1_color_normal"},
};

} // namespace

Style* Style::s_Instance = nullptr;

Style::Style(QObject* parent)
    : QObject(parent)
    , m_FontFamily(QString::fromLatin1(DefaultFontFamily))
    , m_Random(static_cast<quint32>(QTime::currentTime().msec()))
{
    s_Instance = this;
    for (const DefaultColor& entry : DefaultColors)
        setColor(QString::fromLatin1(entry.name), QString::fromLatin1(entry.value));
    m_DefaultColors = m_Colors;
}

Style::~Style()
{
    if (s_Instance == this)
        s_Instance = nullptr;
}

Style* Style::instance()
{
    return s_Instance;
}

QVariantMap Style::colors() const
{
    return m_Colors;
}

QStringList Style::colorNames() const
{
    return m_Colors.keys();
}

QVariant Style::fontFamily() const
{
    return m_FontFamily;
}

void Style::setFontFamily(const QVariant& family, bool force)
{
    if (family == m_FontFamily && !force)
        return;
    m_FontFamily = family;
    emit fontFamilyChanged();
}

QColor Style::color(const QString& name) const
{
    const auto it = m_Colors.constFind(name);
    if (it == m_Colors.constEnd())
        return QColor();
    return QColor(it.value().toString());
}

bool Style::isAcceptedColor(const QString& text)
{
    // A leading alpha byte ("#AARRGGBB") is not part of the format.
    if (text.startsWith(QLatin1Char('#')) && text.size() > 7)
        return false;
    return QColor::isValidColor(text);
}

void Style::setColor(const QString& name, const QVariant& value)
{
    const QString text = value.toString();
    auto it = m_Colors.find(name);
    if (it == m_Colors.end())
        it = m_Colors.insert(name, QVariant());
    if (it.value() == QVariant(text))
        return;

    if (isAcceptedColor(text))
        it.value() = text;
    else
        LOG_DEBUG << "invalid color: " << text;
    emit colorsChanged();
}

void Style::setDefaults()
{
    m_Colors = m_DefaultColors;
    emit colorsChanged();
    setFontFamily(QString::fromLatin1(DefaultFontFamily));
}

void Style::invertAll()
{
    for (auto it = m_Colors.begin(); it != m_Colors.end(); ++it) {
        const QString text = it.value().toString();
        if (text == Transparent)
            continue;
        const QColor current(text);
        // An entry whose value was refused holds no colour to invert.
        if (!current.isValid())
            continue;
        it.value() = QColor::fromRgba(current.rgba() ^ 0x00ffffffu);
    }
    emit colorsChanged();
}

void Style::randomizeAll()
{
    QSet<QRgb> drawn;
    for (auto it = m_Colors.begin(); it != m_Colors.end(); ++it) {
        if (it.value().toString() == Transparent)
            continue;
        QRgb rgb = 0;
        do {
            rgb = 0xff000000u | (m_Random.generate() & 0x00ffffffu);
        } while (drawn.contains(rgb));
        drawn.insert(rgb);
        it.value() = QColor::fromRgba(rgb);
    }
    emit colorsChanged();
}

void Style::exportCsv(const QString& fileName, bool withFont)
{
    QVariantMap entries = m_Colors;
    if (withFont)
        entries.insert(QString::fromLatin1(FontKey), m_FontFamily);

    QByteArray bytes;
    for (auto it = entries.constBegin(); it != entries.constEnd(); ++it)
        bytes += (it.key() + QLatin1Char(',') + it.value().toString()).toUtf8() + "\r\n";

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes);
}

void Style::importCsv(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString content = QString::fromUtf8(file.readAll());

    QMap<QString, QString> entries;
    const QStringList lines =
        content.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char(','), Qt::KeepEmptyParts);
        if (parts.size() == 2)
            entries.insert(parts.at(0), parts.at(1));
    }

    for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
        if (it.key() == QLatin1String(FontKey))
            setFontFamily(it.value(), true);
        else
            setColor(it.key(), it.value());
    }
}

bool Style::replaceCssWithStyle(QString& css) const
{
    int from = 0;
    for (;;) {
        const int start = css.indexOf(ColorTokenPrefix, from, Qt::CaseSensitive);
        if (start < 0)
            break;
        const int nameStart = start + ColorTokenPrefix.size();
        const int end = css.indexOf(TokenEnd, nameStart, Qt::CaseSensitive);
        if (end < 0)
            return false;

        const QString name = css.mid(nameStart, end - nameStart);
        const int tokenLength = end + TokenEnd.size() - start;
        QString replacement;
        const auto it = m_Colors.constFind(name);
        if (it != m_Colors.constEnd()) {
            replacement = it.value().toString();
        } else {
            replacement = MissingColor;
            LOG_DEBUG << "!!!color " << css.mid(start, tokenLength) << " not found, using default";
        }
        css.replace(start, tokenLength, replacement);
        from = start + replacement.size();
    }
    css.replace(FontToken, m_FontFamily.toString());
    return true;
}

} // namespace QML
