#pragma once

#include <QMutex>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QWaitCondition>

class QFileDialog;
class QWidget;

namespace Dialogs {

// Waits for a file chooser on a thread of its own so that the caller is never blocked.
// The chooser itself is a widget and lives on the GUI thread; this thread asks for it
// and waits for its answer.
class FileDialogWin : public QThread
{
    Q_OBJECT

public:
    FileDialogWin(QWidget* owner, int type, const QString& defaultFileName, const QString& folder,
                  QObject* parent = nullptr);
    ~FileDialogWin() override;

    // Closes a chooser still open and lets the thread end without a choice (GUI thread).
    void cancel();

signals:
    void fileSelected(const QString& path);

protected:
    void run() override;

private slots:
    void showChooser();
    void onChooserFinished(int result);

private:
    void answer(const QString& path);

    const QPointer<QWidget> m_Owner;
    const int m_Type;
    const QString m_DefaultFileName;
    const QString m_Folder;
    QPointer<QFileDialog> m_Chooser;

    QMutex m_Mutex;
    QWaitCondition m_Answered;
    bool m_HasAnswer = false;
    QString m_Path;
};

} // namespace Dialogs
