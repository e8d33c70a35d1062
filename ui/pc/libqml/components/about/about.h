#pragma once

#include "libqml/window/qml_window.h"

#include <QPixmap>

namespace QML {

// The About window: the program's name, version and rights, and the notices of the
// open-source works the program is built on.
class About : public Window
{
    Q_OBJECT
    Q_PROPERTY(QString versionInfo READ versionInfo NOTIFY versionInfoChanged)
    Q_PROPERTY(QString productName READ productName CONSTANT)
    Q_PROPERTY(QString organizationName READ organizationName CONSTANT)
    Q_PROPERTY(int buildYear READ buildYear CONSTANT)
    Q_PROPERTY(QString qtversionInfo READ qtversionInfo CONSTANT)
    // The program's own icon (the window icon the theme gives), at twice the size it is shown.
    Q_PROPERTY(QPixmap programIcon READ programIcon CONSTANT)

public:
    static constexpr int FixedWidth = 490;
    static constexpr int FixedHeight = 300;

    explicit About(bool alwaysOnTop, QWidget* parent = nullptr);

    QString versionInfo() const;
    QString productName() const;
    QString organizationName() const;
    int buildYear() const;
    QString qtversionInfo() const;
    QPixmap programIcon() const;

    QSize minimumWindowSize() const override;
    QSize maximumWindowSize() const override;

signals:
    void versionInfoChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateTitle();
};

} // namespace QML
