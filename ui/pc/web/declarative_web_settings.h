#pragma once

#include <QObject>
#include <QString>
#include <QWebSettings>

// The settings of one page as a scene sees them; every property reads and writes the
// page's own QWebSettings.
class QDeclarativeWebSettings : public QObject
{
    Q_OBJECT

// One font family, font size or attribute of the page settings as a property.
#define TELVARION_WEB_FONT(name, setter, which)                                                    \
    Q_PROPERTY(QString name READ name WRITE setter)                                                \
public:                                                                                            \
    QString name() const { return m_Settings->fontFamily(QWebSettings::which); }                   \
    void setter(const QString& family) { m_Settings->setFontFamily(QWebSettings::which, family); }
#define TELVARION_WEB_SIZE(name, setter, which)                                                    \
    Q_PROPERTY(int name READ name WRITE setter)                                                    \
public:                                                                                            \
    int name() const { return m_Settings->fontSize(QWebSettings::which); }                         \
    void setter(int size) { m_Settings->setFontSize(QWebSettings::which, size); }
#define TELVARION_WEB_FLAG(name, setter, which)                                                    \
    Q_PROPERTY(bool name READ name WRITE setter)                                                   \
public:                                                                                            \
    bool name() const { return m_Settings->testAttribute(QWebSettings::which); }                   \
    void setter(bool on) { m_Settings->setAttribute(QWebSettings::which, on); }

    TELVARION_WEB_FONT(standardFontFamily, setStandardFontFamily, StandardFont)
    TELVARION_WEB_FONT(fixedFontFamily, setFixedFontFamily, FixedFont)
    TELVARION_WEB_FONT(serifFontFamily, setSerifFontFamily, SerifFont)
    TELVARION_WEB_FONT(sansSerifFontFamily, setSansSerifFontFamily, SansSerifFont)
    TELVARION_WEB_FONT(cursiveFontFamily, setCursiveFontFamily, CursiveFont)
    TELVARION_WEB_FONT(fantasyFontFamily, setFantasyFontFamily, FantasyFont)
    TELVARION_WEB_SIZE(minimumFontSize, setMinimumFontSize, MinimumFontSize)
    TELVARION_WEB_SIZE(minimumLogicalFontSize, setMinimumLogicalFontSize, MinimumLogicalFontSize)
    TELVARION_WEB_SIZE(defaultFontSize, setDefaultFontSize, DefaultFontSize)
    TELVARION_WEB_SIZE(defaultFixedFontSize, setDefaultFixedFontSize, DefaultFixedFontSize)
    TELVARION_WEB_FLAG(autoLoadImages, setAutoLoadImages, AutoLoadImages)
    TELVARION_WEB_FLAG(javascriptEnabled, setJavascriptEnabled, JavascriptEnabled)
    TELVARION_WEB_FLAG(javaEnabled, setJavaEnabled, JavaEnabled)
    TELVARION_WEB_FLAG(pluginsEnabled, setPluginsEnabled, PluginsEnabled)
    TELVARION_WEB_FLAG(privateBrowsingEnabled, setPrivateBrowsingEnabled, PrivateBrowsingEnabled)
    TELVARION_WEB_FLAG(javascriptCanOpenWindows, setJavascriptCanOpenWindows, JavascriptCanOpenWindows)
    TELVARION_WEB_FLAG(javascriptCanAccessClipboard, setJavascriptCanAccessClipboard, JavascriptCanAccessClipboard)
    TELVARION_WEB_FLAG(developerExtrasEnabled, setDeveloperExtrasEnabled, DeveloperExtrasEnabled)
    TELVARION_WEB_FLAG(linksIncludedInFocusChain, setLinksIncludedInFocusChain, LinksIncludedInFocusChain)
    TELVARION_WEB_FLAG(zoomTextOnly, setZoomTextOnly, ZoomTextOnly)
    TELVARION_WEB_FLAG(printElementBackgrounds, setPrintElementBackgrounds, PrintElementBackgrounds)
    TELVARION_WEB_FLAG(offlineStorageDatabaseEnabled, setOfflineStorageDatabaseEnabled, OfflineStorageDatabaseEnabled)
    TELVARION_WEB_FLAG(offlineWebApplicationCacheEnabled, setOfflineWebApplicationCacheEnabled,
                       OfflineWebApplicationCacheEnabled)
    TELVARION_WEB_FLAG(localStorageDatabaseEnabled, setLocalStorageDatabaseEnabled, LocalStorageEnabled)
    TELVARION_WEB_FLAG(localContentCanAccessRemoteUrls, setLocalContentCanAccessRemoteUrls,
                       LocalContentCanAccessRemoteUrls)

#undef TELVARION_WEB_FONT
#undef TELVARION_WEB_SIZE
#undef TELVARION_WEB_FLAG

public:
    QDeclarativeWebSettings(QWebSettings* settings, QObject* parent)
        : QObject(parent)
        , m_Settings(settings)
    {
    }

private:
    QWebSettings* m_Settings;
};
