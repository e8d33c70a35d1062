#include "Widgets/level_indicator_widget.h"

#include <QPainter>

namespace Widgets {

namespace {

constexpr double GreenEnd = 0.7;
constexpr double YellowEnd = 0.9;
// Strokes three pixels wide (a rectangle two wide plus its outline) on a five-pixel pitch.
constexpr int StrokePitch = 5;
constexpr int StrokeWidth = 2;

} // namespace

LevelIndicatorWidget::LevelIndicatorWidget(QWidget* parent)
    : QWidget(parent)
{
}

LevelIndicatorWidget::~LevelIndicatorWidget() = default;

void LevelIndicatorWidget::onSignalLevelNormChanged(double fraction)
{
    const double w = width();
    if (fraction <= GreenEnd) {
        m_GreenLength = static_cast<int>(w * fraction);
        m_YellowLength = 0;
        m_RedLength = 0;
    } else if (fraction <= YellowEnd) {
        m_GreenLength = static_cast<int>(w * GreenEnd);
        m_YellowLength = static_cast<int>(w * (fraction - GreenEnd));
        m_RedLength = 0;
    } else {
        m_GreenLength = static_cast<int>(w * GreenEnd);
        m_YellowLength = static_cast<int>(w * (YellowEnd - GreenEnd));
        m_RedLength = static_cast<int>(w * (fraction - YellowEnd));
    }
    update();
}

void LevelIndicatorWidget::onSignalLevelAbsChanged(long level)
{
    m_Level = static_cast<int>(level);
    // Without a limit there is no scale: the bar keeps what it shows.
    if (m_Limit > 0)
        onSignalLevelNormChanged(static_cast<double>(m_Level) / m_Limit);
}

void LevelIndicatorWidget::onSignalLimitAbsChanged(long limit)
{
    m_Limit = static_cast<int>(limit);
    onSignalLevelAbsChanged(m_Level);
}

void LevelIndicatorWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int h = height();
    if (m_GreenLength > 0)
        drawSegment(&painter, h, 0, m_GreenLength, Qt::darkGreen);
    if (m_YellowLength > 0)
        drawSegment(&painter, h, m_GreenLength, m_YellowLength, Qt::yellow);
    if (m_RedLength > 0)
        drawSegment(&painter, h, m_GreenLength + m_YellowLength, m_RedLength, Qt::red);
}

void LevelIndicatorWidget::drawSegment(QPainter* painter, int height, int start, int length, QColor colour)
{
    painter->setBrush(QBrush(colour, Qt::SolidPattern));
    painter->setPen(colour);
    for (int x = start; x < start + length; x += StrokePitch)
        // Outlined and filled, the stroke covers x to x + 2 and 0 to height - 1.
        painter->drawRect(x, 0, StrokeWidth, height - 1);
}

} // namespace Widgets
