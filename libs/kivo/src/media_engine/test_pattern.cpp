#include "test_pattern.h"

#include <QFont>
#include <QPainter>

namespace Kivo {
namespace MediaEngine {
namespace TestPattern {

QImage frame(const QSize& size, int number, const QString& caption)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const int width = image.width();
    const int barHeight = image.height() * 2 / 3;
    for (int bar = 0; bar < BarCount; ++bar) {
        const int left = width * bar / BarCount;
        const int right = width * (bar + 1) / BarCount;
        painter.fillRect(left, 0, right - left, barHeight, QColor::fromRgb(Bars[bar]));
    }
    const int strip = image.height() - barHeight;
    painter.fillRect(0, barHeight, width, strip, QColor(0x20, 0x20, 0x28));
    // The square crosses the strip in about four seconds at 15 frames a second.
    const int side = qMax(2, strip / 3);
    const int travel = qMax(1, width - side);
    const int step = (number * qMax(1, width / 60)) % (2 * travel);
    const int x = step < travel ? step : 2 * travel - step;
    painter.fillRect(x, barHeight + (strip - side) / 2, side, side, Qt::white);
    if (!caption.isEmpty() && strip >= 12) {
        QFont font = painter.font();
        font.setPixelSize(qBound(8, strip / 4, 28));
        painter.setFont(font);
        painter.setPen(QColor(0xf0, 0xf0, 0xf0));
        painter.drawText(QRect(4, barHeight, width - 8, strip / 2), Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
    return image;
}

} // namespace TestPattern
} // namespace MediaEngine
} // namespace Kivo
