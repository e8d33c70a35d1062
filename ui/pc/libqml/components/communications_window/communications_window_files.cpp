// Files and contacts dropped on the window, sending and saving files, a sound into the call.
#include "libqml/components/communications_window/communications_window.h"

#include "Dialogs/file_dialog.h"
#include "Dialogs/message_window.h"
#include "Models/Chat/message_model.h"
#include "Providers/factory.h"
#include "common/logging.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryFile>

namespace QML {

namespace {

constexpr const char* UriListFormat = "text/uri-list";
constexpr const char* ContactFormat = "application/qomx.contact";
// The engine's action that sends a file in the conversation's chat.
constexpr int SendFileAction = 10;

} // namespace

void CommunicationsWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QStringList formats = event->mimeData()->formats();
    bool accepted = false;
    if (formats.contains(QLatin1String(UriListFormat)) && m_ActionsProvider) {
        const Kivo::Actions::Action* sendFile = m_ActionsProvider->getActionById(SendFileAction);
        accepted = sendFile && sendFile->isEnabled();
    } else if (formats.contains(QLatin1String(ContactFormat))) {
        accepted = m_Session && m_Session->isAllowedToInvite();
    }
    if (accepted)
        event->acceptProposedAction();
    else
        event->ignore();
}

void CommunicationsWindow::dropEvent(QDropEvent* event)
{
    if (!m_Session) {
        event->ignore();
        return;
    }
    const QMimeData* data = event->mimeData();
    if (data->hasFormat(QLatin1String(UriListFormat))) {
        event->acceptProposedAction();
        const QList<QUrl> dropped = data->urls();
        const QList<QUrl> accepted = acceptedFilesToTransfer(dropped);
        for (const QUrl& file : accepted) {
            LOG_INFO << "File URL Path: " << file.toString();
            m_Session->fileDropped(file);
        }
        if (accepted.size() < dropped.size() && m_MessageModel)
            m_MessageModel->onFtRejectedByExtension();
    } else if (data->hasFormat(QLatin1String(ContactFormat))) {
        event->acceptProposedAction();
        m_Session->addParticipants(QString::fromUtf8(data->data(QLatin1String(ContactFormat))), QString());
    }
    emit dropped();
}

QList<QUrl> CommunicationsWindow::acceptedFilesToTransfer(const QList<QUrl>& urls) const
{
    const Kivo::Controllers::FtController* transfers =
        m_SessionManager ? m_SessionManager->fileTransferController() : nullptr;
    QList<QUrl> accepted;
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        if (transfers && transfers->isAcceptedFile(path))
            accepted.append(url);
        else
            LOG_INFO << "Rejected sending of the file " << path << " because of a forbidden extension";
    }
    return accepted;
}

void CommunicationsWindow::openFileSelectDialog()
{
    auto* dialog = new Dialogs::FileDialog(this, Dialogs::FileDialog::OpenAny);
    connect(dialog, &Dialogs::FileDialog::fileSelected, this, &CommunicationsWindow::fileSelected);
    dialog->open();
}

void CommunicationsWindow::fileSelected(const QString& path)
{
    emit startFileTransfer(m_Session ? m_Session->getChatInterface() : nullptr, path);
}

void CommunicationsWindow::askSaveLocation(Kivo::Data::FTAdapter* adapter)
{
    if (!adapter)
        return;
    if (m_LastSaveFolder.isEmpty())
        m_LastSaveFolder = QDir::homePath();
    auto* dialog = new Dialogs::FileDialog(this, Dialogs::FileDialog::SaveAny, adapter->getFileName());
    connect(dialog, &Dialogs::FileDialog::fileSelected, adapter, &Kivo::Data::FTAdapter::accept);
    connect(dialog, &Dialogs::FileDialog::fileSelected, this, &CommunicationsWindow::saveAcceptedFolder);
    dialog->setDirectory(m_LastSaveFolder);
    dialog->open();
}

void CommunicationsWindow::saveAcceptedFolder(const QString& path)
{
    m_LastSaveFolder = QFileInfo(path).absolutePath();
}

void CommunicationsWindow::showProhibitedExtensionsClicked()
{
    const Kivo::Controllers::FtController* transfers =
        m_SessionManager ? m_SessionManager->fileTransferController() : nullptr;
    const QString types = transfers ? transfers->prohibitedExtensions().join(QStringLiteral(", ")) : QString();
    Dialogs::MessageWindow::showWarning(tr("File Type Not Allowed"),
                                        tr("Following file types are not allowed\n\n%1").arg(types),
                                        m_Factory && m_Factory->isAlwaysOnTop(), QDialogButtonBox::Ok, nullptr);
}

void CommunicationsWindow::insertFileIntoCall(const QString& path)
{
    if (path.isEmpty()) {
        auto* dialog = new QFileDialog(parentWidget(), tr("Select File to Send..."), QString(),
                                       QStringLiteral("*.wav *.amr"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QFileDialog::fileSelected, this, &CommunicationsWindow::fileSelectedToInsert);
        dialog->show();
        return;
    }
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/sound_XXXXXX.") + QFileInfo(path).suffix());
    QFile source(path);
    if (!copy.open() || !source.open(QIODevice::ReadOnly)) {
        LOG_WARNING << "Cannot play " << path << " into the call";
        return;
    }
    copy.write(source.readAll());
    copy.close();
    // The copy goes when this returns: the receiver plays it during the signal.
    emit startPlayingFileIntoCall(copy.fileName());
}

void CommunicationsWindow::fileSelectedToInsert(const QString& path)
{
    emit startPlayingFileIntoCall(path);
}

} // namespace QML
