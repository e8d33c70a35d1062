#pragma once

#include <QLabel>

namespace Widgets {

// A one-line label that never grows with its text: the text is cut with an ellipsis to
// the width the label has, and the whole text is offered as a wrapped tool tip.
class CuttingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CuttingLabel(const QString& text, QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    explicit CuttingLabel(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    void setRichTextWithImages(bool on);
    void setFixedHeightSizing(bool on);
    QString fullText() const { return m_FullText; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Breaks lines wider than limitWidth into pieces of about equal length.
    static QString wrapToolTip(const QString& toolTip, const QFontMetrics& metrics, int limitWidth);

public slots:
    void setText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateShownText();
    QString cutByImages(const QFontMetrics& metrics);
    bool mayBeRichText(const QString& text) const;
    QString withoutUnfinishedTag(const QString& text) const;

    QString m_FullText;
    QString m_ShownText;
    int m_MaxToolTipLength = 0;
    int m_CutWidth = -1;
    bool m_FixedHeightSizing = false;
    bool m_RichTextWithImages = false;
    bool m_AdjustSizeOnText = false;
};

} // namespace Widgets
