#include "Dialogs/file_dialog.h"

#include "Dialogs/file_dialog_win.h"
#include "common/connect_check.h"
#include "common/logging.h"

#include <QWidget>

namespace Dialogs {

FileDialog::FileDialog(QWidget* owner, int type, const QString& defaultFileName)
    : QObject(nullptr)
    , m_Owner(owner)
    , m_Type(type)
    , m_DefaultFileName(defaultFileName)
{
    if (owner)
        CHECKED_CONNECT(owner, SIGNAL(destroyed(QObject*)), this, SLOT(deleteLater()));
}

FileDialog::~FileDialog()
{
    // Close the chooser and let the worker end on its own; ending a thread by force
    // could leave its lock held.
    delete m_Worker;
}

void FileDialog::setDirectory(const QString& folder)
{
    m_Folder = folder;
}

void FileDialog::open()
{
    if (m_Worker) {
        LOG_WARNING << "File chooser already opened";
        return;
    }
    m_Worker = new FileDialogWin(m_Owner, m_Type, m_DefaultFileName, m_Folder);
    CHECKED_CONNECT(m_Worker, SIGNAL(fileSelected(QString)), this, SIGNAL(fileSelected(QString)));
    // Callers open a chooser per request and forget it: it goes once answered, after the
    // choice (queued before the worker ends) has been passed on.
    CHECKED_CONNECT(m_Worker, SIGNAL(finished()), this, SLOT(deleteLater()));
    m_Worker->start(QThread::InheritPriority);
}

bool FileDialog::isOpen() const
{
    return m_Worker && !m_Worker->isFinished();
}

} // namespace Dialogs
