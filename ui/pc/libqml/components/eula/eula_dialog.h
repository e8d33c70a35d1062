#pragma once

#include "libqml/window/qml_window.h"

#include <QPointer>

namespace QML {

// The end-user licence agreement. The answer is reported once, when the window closes:
// accepted only after "I Agree" was confirmed, refused however else it closes.
class EulaDialog : public Window
{
    Q_OBJECT
    Q_PROPERTY(QString productName READ productName CONSTANT)

public:
    static constexpr int MinimumWidth = 625;
    static constexpr int MinimumHeight = 450;

    explicit EulaDialog(QWidget* parent = nullptr);
    ~EulaDialog() override;

    // The one agreement window, made without a parent on first use.
    static EulaDialog* instance();
    // The window while it exists, without making one.
    static EulaDialog* existing();
    // Whether the translations of the active language carry an agreement to accept.
    static bool hasAgreement();

    QString productName() const;
    bool isLoaded() const { return m_Loaded; }

    bool canClose() override;
    QSize minimumWindowSize() const override;

signals:
    void licenceAccepted(bool accepted);

public slots:
    void onCloseClicked();
    void onLicenceAccepted();

private:
    bool loadScene();

    bool m_Accepted = false;
    // A window that is closed again before it is gone must not answer twice.
    bool m_Reported = false;
    bool m_Loaded = false;

    static QPointer<EulaDialog> s_Instance;
};

} // namespace QML
