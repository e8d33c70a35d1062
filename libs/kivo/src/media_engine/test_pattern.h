#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace Kivo {
namespace MediaEngine {
namespace TestPattern {

// One frame of the picture the simulated cameras and far ends send: colour bars, a square
// that moves a step per frame, and the caption (the camera or the caller).
QImage frame(const QSize& size, int number, const QString& caption);

// The bars from left to right.
constexpr QRgb Bars[] = {0xffc0c0c0, 0xffc0c000, 0xff00c0c0, 0xff00c000, 0xffc000c0, 0xffc00000, 0xff0000c0};
constexpr int BarCount = 7;

} // namespace TestPattern
} // namespace MediaEngine
} // namespace Kivo
