#include "libqml/items/qml_security_class_menu.h"

namespace QML {

QmlSecurityClassMenu::QmlSecurityClassMenu(QQuickItem* parent)
    : QmlMenu(parent)
{
    setSuffix(tr("(Current Call)"));
}

void QmlSecurityClassMenu::setInCallSecurityClassification(const QString& classification)
{
    setInCallClassification(classification);
    dataChanged();
}

void QmlSecurityClassMenu::updateLanguage()
{
    setSuffix(tr("(Current Call)"));
    dataChanged();
}

} // namespace QML
