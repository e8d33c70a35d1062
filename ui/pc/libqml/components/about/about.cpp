#include "libqml/components/about/about.h"

#include <QApplication>
#include <QIcon>

#include "common/assertions.h"
#include "libqml/components/about/build_info.h"
#include "Utils/windowmanager.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QShortcut>

namespace QML {

namespace {

constexpr const char* Scene = "qrc:/windows/About/About.qml";
constexpr const char* OrganizationWithSuffix = "Marlowane";

} // namespace

About::About(bool alwaysOnTop, QWidget* parent) : Window(alwaysOnTop, parent)
{
    setResizable(false);
    updateTitle();
    if (!loadQML(QLatin1String(Scene)))
        LOG_ERROR << "Loading " << Scene << " failed";
    setMinMaxSizes(true);
    auto* closeShortcut = new QShortcut(QKeySequence(QKeySequence::Close), this);
    connect(closeShortcut, &QShortcut::activated, this, &QWidget::close);
    Utils::WindowManager::placeWindow(this);
}

QString About::versionInfo() const
{
    return tr("Version: %1").arg(BuildInfo::version());
}

QString About::productName() const
{
    return QCoreApplication::applicationName();
}

QString About::organizationName() const
{
    const QString name = QCoreApplication::organizationName();
    return name == QLatin1String(OrganizationWithSuffix) ? name + QStringLiteral(", Inc") : name;
}

int About::buildYear() const
{
    return BuildInfo::buildYear();
}

QString About::qtversionInfo() const
{
    return tr("version %1").arg(QString::fromLatin1(qVersion()));
}

QPixmap About::programIcon() const
{
    return QApplication::windowIcon().pixmap(112, 112);
}

QSize About::minimumWindowSize() const
{
    return QSize(FixedWidth, FixedHeight);
}

QSize About::maximumWindowSize() const
{
    return minimumWindowSize();
}

void About::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        updateTitle();
        emit versionInfoChanged();
    }
    Window::changeEvent(event);
}

void About::updateTitle()
{
    setTitle(tr("About %1").arg(QCoreApplication::applicationName()));
}

} // namespace QML
