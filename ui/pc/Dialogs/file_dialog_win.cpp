#include "Dialogs/file_dialog_win.h"

#include "common/logging.h"

#include <QFileDialog>
#include <QMutexLocker>

namespace Dialogs {

namespace {

bool isSaveType(int type)
{
    return type == 3 || type == 4;
}

QString filterOf(int type)
{
    switch (type) {
    case 1:
        return "*.png *.jpg *.gif";
    case 2:
    case 4:
        return "*.csv";
    default:
        return QString();
    }
}

} // namespace

FileDialogWin::FileDialogWin(QWidget* owner, int type, const QString& defaultFileName, const QString& folder,
                             QObject* parent)
    : QThread(parent)
    , m_Owner(owner)
    , m_Type(type)
    , m_DefaultFileName(defaultFileName)
    , m_Folder(folder)
{
}

FileDialogWin::~FileDialogWin()
{
    cancel();
    wait();
}

void FileDialogWin::run()
{
    QMetaObject::invokeMethod(this, "showChooser", Qt::QueuedConnection);

    QString path;
    {
        QMutexLocker lock(&m_Mutex);
        while (!m_HasAnswer)
            m_Answered.wait(&m_Mutex);
        path = m_Path;
    }
    if (!path.isEmpty())
        emit fileSelected(path);
}

void FileDialogWin::showChooser()
{
    {
        QMutexLocker lock(&m_Mutex);
        if (m_HasAnswer)
            return;
    }

    auto* chooser = new QFileDialog(m_Owner);
    chooser->setObjectName("fileChooser");
    chooser->setOption(QFileDialog::DontUseNativeDialog);
    const QString filter = filterOf(m_Type);
    if (!filter.isEmpty())
        chooser->setNameFilter(filter);
    if (isSaveType(m_Type)) {
        chooser->setAcceptMode(QFileDialog::AcceptSave);
        chooser->setFileMode(QFileDialog::AnyFile);
        if (!m_Folder.isEmpty())
            chooser->setDirectory(m_Folder);
        chooser->selectFile(m_DefaultFileName.left(259));
    } else {
        chooser->setAcceptMode(QFileDialog::AcceptOpen);
        chooser->setFileMode(QFileDialog::ExistingFile);
    }
    connect(chooser, &QFileDialog::finished, this, &FileDialogWin::onChooserFinished);
    // An owner closed under the chooser takes it along; the wait must end then too.
    connect(chooser, &QObject::destroyed, this, [this] { answer(QString()); });
    m_Chooser = chooser;
    chooser->open();
}

void FileDialogWin::onChooserFinished(int result)
{
    QFileDialog* chooser = m_Chooser;
    QString path;
    if (chooser && result == QDialog::Accepted && !chooser->selectedFiles().isEmpty())
        path = chooser->selectedFiles().constFirst();
    answer(path);
    if (chooser)
        chooser->deleteLater();
}

void FileDialogWin::cancel()
{
    if (m_Chooser) {
        QFileDialog* chooser = m_Chooser;
        m_Chooser.clear();
        disconnect(chooser, nullptr, this, nullptr);
        delete chooser;
    }
    answer(QString());
}

void FileDialogWin::answer(const QString& path)
{
    QMutexLocker lock(&m_Mutex);
    if (m_HasAnswer)
        return;
    m_HasAnswer = true;
    m_Path = path;
    if (path.isEmpty())
        LOG_DEBUG << "File chooser closed without a choice";
    m_Answered.wakeAll();
}

} // namespace Dialogs
