// Draws the chat's emoticons into PNG files, one per emoticon and size, named
// "<name>_<size>.png": the pictures libs/kivo/data/smileys holds and the library serves
// under qrc:/kivo/smileys/. Run again after changing a face:
//
//   kivo_draw_smileys libs/kivo/data/smileys
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

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

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: kivo_draw_smileys <folder>\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    const QStringList names = {"smile", "sad", "wink", "grin", "tongue", "surprised",
                               "confused", "neutral", "crying", "cool", "heart"};
    for (const QString& name : names) {
        for (int size : {16, 24, 32}) {
            const QString file = folder.filePath(QStringLiteral("%1_%2.png").arg(name).arg(size));
            if (!face(name, size).save(file, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
