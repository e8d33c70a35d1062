#pragma once

#include <QColor>
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace QML {

// The program's one table of named colours and its font family. QML scenes bind
// to it as "qomxStyle"; HTML views fill their style-sheet templates from it.
class Style : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap colors READ colors NOTIFY colorsChanged)
    Q_PROPERTY(QStringList colorNames READ colorNames CONSTANT)
    Q_PROPERTY(QVariant fontFamily READ fontFamily WRITE setFontFamily NOTIFY fontFamilyChanged)

public:
    static constexpr const char* DefaultFontFamily = "Arial";
    static constexpr const char* FontKey = "defaultFontFamily";

    explicit Style(QObject* parent = nullptr);
    ~Style() override;

    static Style* instance();

    QVariantMap colors() const;
    QStringList colorNames() const;
    QVariant fontFamily() const;
    // Without force, setting the current family again is not a change.
    void setFontFamily(const QVariant& family, bool force = false);

    // Invalid when the name is unknown or its value names no colour.
    QColor color(const QString& name) const;

    // Fills "%%colors:<name>%%" and "%%font:defaultFontFamily%%" tokens; false when a
    // colour token is left unclosed (the rest of the sheet is then left as it is).
    bool replaceCssWithStyle(QString& css) const;

    Q_INVOKABLE void setColor(const QString& name, const QVariant& value);
    Q_INVOKABLE void setDefaults();
    Q_INVOKABLE void invertAll();
    Q_INVOKABLE void randomizeAll();

signals:
    void colorsChanged();
    void fontFamilyChanged();

public slots:
    void importCsv(const QString& fileName);
    void exportCsv(const QString& fileName, bool withFont);

private:
    static bool isAcceptedColor(const QString& text);

    QVariantMap m_Colors;
    QVariantMap m_DefaultColors;
    QVariant m_FontFamily;
    QRandomGenerator m_Random;

    static Style* s_Instance;
};

} // namespace QML
