#include <Kivo/Services/WebButtonHandler.h>

#include <Kivo/Configuration/Config.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

namespace Kivo {
namespace Services {

namespace {

QString encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// An item's text, or of a per-language item the value for `language`, else the English
// one, else the first.
QString textIn(const QVariant& item, const QString& language)
{
    if (item.type() != QVariant::List)
        return item.toString();
    const QVariantList values = item.toList();
    for (const QString& wanted : {language, QStringLiteral("en")}) {
        for (const QVariant& value : values) {
            const QVariantMap map = value.toMap();
            if (map.value(QStringLiteral("language")).toString() == wanted)
                return map.value(QStringLiteral("value")).toString();
        }
    }
    return values.isEmpty() ? QString() : values.first().toMap().value(QStringLiteral("value")).toString();
}

} // namespace

WebButtonHandler::WebButtonHandler(Sessions::SessionManagerBase* session, const Configuration::Config* config,
                                   Utils::SharedPointer<Contacts::Contacts> contacts, const QString& language,
                                   QObject* parent)
    : QObject(parent)
    , m_Session(session)
    , m_Config(config)
    , m_Contacts(contacts)
    , m_Language(language)
{
}

QString WebButtonHandler::ConfigurationUrl() const
{
    return m_Config ? textIn(m_Config->value(LinkItem), m_Language).trimmed() : QString();
}

bool WebButtonHandler::getDirect() const
{
    return m_Config && m_Config->value(DirectItem).toBool();
}

bool WebButtonHandler::isTargetMain() const
{
    return m_Config && m_Config->value(TargetMainItem).toBool();
}

int WebButtonHandler::error() const
{
    if (ConfigurationUrl().isEmpty())
        return ConfigurationError;
    return m_LoadFailed ? LoadError : NoError;
}

QString WebButtonHandler::tooltip() const
{
    return m_Config ? textIn(m_Config->value(TooltipItem), m_Language).trimmed() : QString();
}

void WebButtonHandler::setContentLoaded(bool loaded)
{
    if (loaded == !m_LoadFailed)
        return;
    m_LoadFailed = !loaded;
    emit errorChanged();
}

void WebButtonHandler::resolveUrl(QString& url) const
{
    const Contacts::IContact* own = m_Contacts ? m_Contacts->getContact(0) : nullptr;
    url.replace(QLatin1String("%USER%"), encoded(m_Session ? m_Session->userName() : QString()));
    url.replace(QLatin1String("%NAME%"), encoded(own ? own->getDisplayName() : QString()));
    url.replace(QLatin1String("%LANG%"), encoded(m_Language));
}

void WebButtonHandler::setActiveLanguage(const QString& language)
{
    if (language == m_Language)
        return;
    const int before = error();
    m_Language = language;
    emit languageChanged();
    if (error() != before)
        emit errorChanged();
}

} // namespace Services
} // namespace Kivo
