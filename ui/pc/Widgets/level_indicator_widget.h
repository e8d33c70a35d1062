#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace Widgets {

// A level meter: a row of thin strokes, green up to 70 % of the width, yellow up to 90 %,
// red beyond. The level is absolute; the limit is the level that fills the bar.
class LevelIndicatorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LevelIndicatorWidget(QWidget* parent);
    ~LevelIndicatorWidget() override;

    int greenLength() const { return m_GreenLength; }
    int yellowLength() const { return m_YellowLength; }
    int redLength() const { return m_RedLength; }

public slots:
    // 0 is silence, 1 the limit.
    void onSignalLevelNormChanged(double fraction);
    void onSignalLevelAbsChanged(long level);
    void onSignalLimitAbsChanged(long limit);

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void drawSegment(QPainter* painter, int height, int start, int length, QColor colour);

private:
    int m_Limit = 100;
    int m_Level = 0;
    int m_GreenLength = 0;
    int m_YellowLength = 0;
    int m_RedLength = 0;
};

} // namespace Widgets
