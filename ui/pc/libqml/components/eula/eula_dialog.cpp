#include "libqml/components/eula/eula_dialog.h"

#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/window/qml_view.h"

#include <QCoreApplication>
#include <QQuickItem>

namespace QML {

namespace {

constexpr const char* Scene = "qrc:/windows/Eula/EulaPage.qml";

} // namespace

QPointer<EulaDialog> EulaDialog::s_Instance;

EulaDialog::EulaDialog(QWidget* parent) : Window(false, parent)
{
    m_Loaded = loadScene();
    if (!m_Loaded)
        LOG_ERROR << "Loading " << Scene << " failed";
}

EulaDialog::~EulaDialog()
{
    if (s_Instance == this)
        s_Instance = nullptr;
}

EulaDialog* EulaDialog::instance()
{
    if (!s_Instance)
        s_Instance = new EulaDialog(nullptr);
    s_Instance->setTitle(tr("End User License Agreement"));
    return s_Instance;
}

EulaDialog* EulaDialog::existing()
{
    return s_Instance;
}

bool EulaDialog::hasAgreement()
{
    // The scene shows the translation of the key; without one it would show the key.
    static const char* const key = "EULA";
    return QCoreApplication::translate("EulaPage", key) != QLatin1String(key);
}

QString EulaDialog::productName() const
{
    return QCoreApplication::applicationName();
}

bool EulaDialog::canClose()
{
    if (!m_Reported) {
        m_Reported = true;
        emit licenceAccepted(m_Accepted);
    }
    return true;
}

QSize EulaDialog::minimumWindowSize() const
{
    return QSize(MinimumWidth, MinimumHeight);
}

void EulaDialog::onCloseClicked()
{
    m_Accepted = false;
}

void EulaDialog::onLicenceAccepted()
{
    m_Accepted = true;
}

bool EulaDialog::loadScene()
{
    if (!loadQML(QLatin1String(Scene)))
        return false;
    QQuickItem* root = view()->rootObject();
    CHECKED_CONNECT(root, SIGNAL(closeClicked()), this, SLOT(onCloseClicked()));
    CHECKED_CONNECT(root, SIGNAL(closeClicked()), this, SLOT(close()));
    CHECKED_CONNECT(root, SIGNAL(licenceAccepted()), this, SLOT(onLicenceAccepted()));
    return CHECKED_CONNECT(root, SIGNAL(licenceAccepted()), this, SLOT(close()));
}

} // namespace QML
