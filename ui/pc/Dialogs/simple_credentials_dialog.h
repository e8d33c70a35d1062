#pragma once

#include <QDialog>

class QLineEdit;

namespace Dialogs {

// Asks for a user name and a password on behalf of the engine.
class SimpleCredentialsDialog : public QDialog
{
    Q_OBJECT

public:
    // `userName` and `realm` are the two texts of the engine's request: the user name the
    // field starts with and the realm that asks.
    SimpleCredentialsDialog(const QString& userName, const QString& realm, const QString& caption,
                            const QString& text, QWidget* parent = nullptr);

    QString realm() const { return m_Realm; }

signals:
    void credentialsProvided(const QString& userName, const QString& password);

private slots:
    void onAccepted();

private:
    QString m_Realm;
    QLineEdit* m_UserName;
    QLineEdit* m_Password;
};

} // namespace Dialogs
