#pragma once

#include "libqml/items/qml_menu.h"

namespace QML {

// The call classification menu: the current call's classification carries a suffix.
class QmlSecurityClassMenu : public QmlMenu
{
    Q_OBJECT

public:
    explicit QmlSecurityClassMenu(QQuickItem* parent = nullptr);

    Q_INVOKABLE void setInCallSecurityClassification(const QString& classification);
    Q_INVOKABLE void updateLanguage();
};

} // namespace QML
