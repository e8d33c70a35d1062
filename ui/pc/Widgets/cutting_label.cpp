#include "Widgets/cutting_label.h"

#include "common/constants.h"

#include <Kivo/Settings.h>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTextDocument>

namespace Widgets {

CuttingLabel::CuttingLabel(const QString& text, QWidget* parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    setMinimumSize(40, 20);
    m_MaxToolTipLength = Kivo::Settings(Kivo::Settings::DefaultSettings)
                             .value(Constants::SettingsKey::WidgetsCuttingLabelMaxTooltipTextLength, 0)
                             .toInt();
    setText(text);
}

CuttingLabel::CuttingLabel(QWidget* parent, Qt::WindowFlags flags)
    : CuttingLabel(QString(), parent, flags)
{
    m_RichTextWithImages = true;
    m_AdjustSizeOnText = true;
}

void CuttingLabel::setRichTextWithImages(bool on)
{
    m_RichTextWithImages = on;
    updateShownText();
}

void CuttingLabel::setFixedHeightSizing(bool on)
{
    m_FixedHeightSizing = on;
    updateShownText();
}

QSize CuttingLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    if (m_CutWidth >= 0 && m_FixedHeightSizing)
        return QSize(m_CutWidth, metrics.height());
    return metrics.size(Qt::TextSingleLine, m_FixedHeightSizing ? m_ShownText : m_FullText);
}

QSize CuttingLabel::minimumSizeHint() const
{
    return minimumSize();
}

QString CuttingLabel::wrapToolTip(const QString& toolTip, const QFontMetrics& metrics, int limitWidth)
{
    // Without a screen the limit can come out as 0; it divides below.
    const int limit = qMax(1, limitWidth);
    QString wrapped = toolTip;
    int offset = 0;
    const QStringList lines = toolTip.split('\n');
    for (const QString& line : lines) {
        const int lineWidth = metrics.horizontalAdvance(line);
        const int length = line.length();
        if (lineWidth > limit) {
            const int pieces = lineWidth / limit + 1;
            const int pieceLength = qMax(1, length / pieces);
            for (int i = pieceLength; i < length; i += pieceLength) {
                const bool shortRest = length - i < pieceLength;
                if (shortRest && metrics.horizontalAdvance(line.mid(i - pieceLength, pieceLength)) < limit)
                    continue;
                wrapped.insert(offset + i, '\n');
                ++offset;
            }
        }
        offset += length + 1;
    }
    return wrapped;
}

void CuttingLabel::setText(const QString& text)
{
    m_FullText = text;
    m_CutWidth = -1;

    QString toolTip = m_FullText;
    if (m_MaxToolTipLength >= 1 && toolTip.length() > m_MaxToolTipLength) {
        toolTip = toolTip.left(m_MaxToolTipLength);
        while (!toolTip.isEmpty() && toolTip.at(toolTip.length() - 1).isSpace())
            toolTip.chop(1);
        if (!toolTip.isEmpty())
            toolTip += tr("...");
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int limitWidth = screen ? screen->geometry().width() / 2 : 0;
    toolTip = wrapToolTip(toolTip, QFontMetrics(font()), limitWidth);
    // A tool tip takes anything that looks like markup as markup: plain text goes in escaped.
    setToolTip(textFormat() == Qt::PlainText ? Qt::convertFromPlainText(toolTip, Qt::WhiteSpaceNormal)
                                             : withoutUnfinishedTag(toolTip));

    if (m_AdjustSizeOnText)
        adjustSize();
    updateShownText();
}

void CuttingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateShownText();
}

void CuttingLabel::updateShownText()
{
    m_CutWidth = -1;
    const QFontMetrics metrics(font());
    QString shown;
    if (m_RichTextWithImages)
        shown = cutByImages(metrics);
    else
        shown = metrics.elidedText(m_FullText, Qt::ElideRight, width() - (m_FixedHeightSizing ? 20 : 0));

    const int lineBreak = shown.indexOf('\n');
    if (lineBreak >= 0)
        shown = shown.left(lineBreak) + tr("...");

    m_ShownText = withoutUnfinishedTag(shown);
    QLabel::setText(m_ShownText);
}

QString CuttingLabel::cutByImages(const QFontMetrics& metrics)
{
    static const QRegularExpression imageTag("<img [^>]+>");
    static const QRegularExpression widthAttribute("width\\s*=\\s*['\"]?(\\d+)\\D");
    const int limit = width();
    const QString ellipsis = tr("...");

    QString cut;
    int running = 0;
    int position = 0;
    // Text before a tag without a declared width is measured together with that tag and
    // whatever follows it.
    QString pending;
    bool done = false;

    auto takeText = [&](const QString& text) {
        const int textWidth = metrics.horizontalAdvance(text);
        if (running + textWidth > limit) {
            cut += metrics.elidedText(text, Qt::ElideRight, limit - running);
            return false;
        }
        cut += text;
        running += textWidth;
        return true;
    };

    QRegularExpressionMatchIterator tags = imageTag.globalMatch(m_FullText);
    while (tags.hasNext()) {
        const QRegularExpressionMatch tag = tags.next();
        pending += m_FullText.mid(position, tag.capturedStart() - position);
        position = tag.capturedEnd();

        const QRegularExpressionMatch declared = widthAttribute.match(tag.captured());
        if (!declared.hasMatch()) {
            pending += tag.captured();
            continue;
        }
        if (!takeText(pending)) {
            done = true;
            break;
        }
        pending.clear();
        const int imageWidth = declared.captured(1).toInt();
        if (running + imageWidth > limit - metrics.horizontalAdvance(ellipsis)) {
            cut += ellipsis;
            done = true;
            break;
        }
        cut += tag.captured();
        running += imageWidth;
    }
    if (!done)
        done = !takeText(pending + m_FullText.mid(position));

    m_CutWidth = done ? limit : running;
    return cut;
}

bool CuttingLabel::mayBeRichText(const QString& text) const
{
    return textFormat() == Qt::RichText || m_RichTextWithImages || Qt::mightBeRichText(text);
}

QString CuttingLabel::withoutUnfinishedTag(const QString& text) const
{
    if (!mayBeRichText(text))
        return text;
    const int open = text.lastIndexOf('<');
    if (open >= 0 && text.indexOf('>', open) < 0)
        return text.left(open);
    return text;
}

} // namespace Widgets
