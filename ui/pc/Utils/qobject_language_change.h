#pragma once

#include <QList>
#include <QObject>

class QEvent;

namespace Utils {

// Qt sends QEvent::LanguageChange to widgets only. A plain QObject that shows
// translated texts registers here and then receives the event through its event().
class QObjectLanguageChange : public QObject
{
    Q_OBJECT

public:
    ~QObjectLanguageChange() override;

    static void registerObject(QObject* object);
    static void destroy();

private slots:
    void objectDestroyed(QObject* object);

private:
    class PocketWidget;

    QObjectLanguageChange();
    void languageChanged(QEvent* event);

    QList<QObject*> m_Objects;
    PocketWidget* m_PocketWidget;

    static QObjectLanguageChange* s_Instance;
};

} // namespace Utils
