#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QQuickItem;

namespace Models {
namespace Chat {
class MessageModel;
}
} // namespace Models

namespace QML {

// Joins a chat page model to the web view that shows its page: loads the page whenever the
// model rebuilds it, hands each later fragment, name and transfer update to the page's
// scripts, and is the object the page knows as "qml", whose functions reach the model.
// The page's scripts fetch what to place from getLatestMessage(): no remote text is ever
// written into a script.
class ChatPageBridge : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString lastMessage READ getLatestMessage)

public:
    explicit ChatPageBridge(QObject* parent = nullptr);

    void setView(QQuickItem* view);
    void setModel(Models::Chat::MessageModel* model);
    Models::Chat::MessageModel* model() const { return m_Model; }

    Q_INVOKABLE QString getLatestMessage() const { return m_LastMessage; }
    // The page's top asks for the history it does not hold yet, a chunk at a time.
    Q_INVOKABLE bool hasOlder() const;
    Q_INVOKABLE QString takeOlder();
    Q_INVOKABLE void acceptClicked(const QString& id);
    Q_INVOKABLE void cancelClicked(const QString& id);
    Q_INVOKABLE void openFileClicked(const QString& id);
    Q_INVOKABLE void showInFolderClicked(const QString& id);
    Q_INVOKABLE void showProhibitedExtensionsClicked();

signals:
    void showProhibitedExtensions();

public slots:
    void addMessage(const QVariant& html, const QVariant& prepend);
    void contactNameChanged(const QVariant& id, const QVariant& name);
    void ftStateChanged(const QVariant& id, const QVariant& html);
    void ftProgressChanged(const QVariant& id, const QVariant& percent, const QVariant& transferred);

private slots:
    void onLoadFinished();

private:
    void loadPage();
    void run(const QString& function, const QVariantList& arguments);

    QPointer<QQuickItem> m_View;
    QPointer<Models::Chat::MessageModel> m_Model;
    QString m_LastMessage;
};

} // namespace QML
