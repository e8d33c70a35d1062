#include <Kivo/Controllers/FtController.h>

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Models/FTModel.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QFileInfo>

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// The file types that may not be exchanged.
constexpr int ProhibitedFileTypes = 172;

QString extensionOf(const QString& fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

} // namespace

FtController::FtController(const Configuration::Config* config, const QString& ownAddress, QObject* parent)
    : ChatController(parent)
    , m_Config(config)
    , m_OwnAddress(ownAddress)
{
    qRegisterMetaType<Kivo::Data::FTAdapter::State>("Kivo::Data::FTAdapter::State");
    qRegisterMetaType<Kivo::Data::FTAdapter::RejectReason>("Kivo::Data::FTAdapter::RejectReason");
    qRegisterMetaType<Kivo::Data::FTAdapter*>("Kivo::Data::FTAdapter*");
    connect(&Simulation::Service::shared(), &Simulation::Service::fileTransferChanged, this, &FtController::onTransferChanged);
}

QStringList FtController::prohibitedExtensions() const
{
    QStringList extensions;
    if (!m_Config)
        return extensions;
    // A list, or one text of types separated by commas, blanks or semicolons.
    const QVariant value = m_Config->value(ProhibitedFileTypes);
    const QStringList entries = value.type() == QVariant::StringList || value.type() == QVariant::List
                                    ? value.toStringList()
                                    : value.toString().split(QRegExp(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
    for (QString entry : entries) {
        entry = entry.trimmed().toLower();
        while (entry.startsWith('*') || entry.startsWith('.'))
            entry.remove(0, 1);
        if (!entry.isEmpty())
            extensions.append(entry);
    }
    return extensions;
}

bool FtController::isAcceptedFile(const QString& path) const
{
    return !prohibitedExtensions().contains(extensionOf(path));
}

Models::FTModel* FtController::modelOf(const QString& peer)
{
    const QString key = peer.trimmed().toLower();
    if (key.isEmpty())
        return nullptr;
    Models::FTModel*& model = m_Models[key];
    if (!model)
        model = new Models::FTModel(key, this);
    return model;
}

Models::FTModel* FtController::getCreateFTModel(Contacts::IContact* contact)
{
    if (!contact)
        return nullptr;
    const QString jid = contact->getProperty(Contacts::Properties::Jid).toString();
    return modelOf(jid.isEmpty() ? contact->getAddress() : jid);
}

void FtController::startFileTransfer(ChatInterface* chat, const QString& path)
{
    if (!chat || chat->isGroup()) {
        KIVO_LOG(LevelWarning) << "Files are sent in a chat with one person only";
        return;
    }
    if (!isAcceptedFile(path)) {
        KIVO_LOG(LevelInfo) << "Rejected sending of the file " << path << " because of a forbidden extension";
        emit chat->ftRejectedByExtension();
        return;
    }
    Models::FTModel* model = modelOf(chat->conversation());
    const int id = Simulation::Service::shared().offerFile(chat->conversation(), path);
    auto* transfer = new Data::FTAdapter(id, chat->conversation().toLower(), m_OwnAddress, model);
    const QFileInfo file(path);
    Simulation::FileTransferRecord offered;
    offered.id = id;
    offered.peer = chat->conversation();
    offered.fileName = file.fileName();
    offered.size = file.size();
    offered.localPath = file.absoluteFilePath();
    offered.time = QDateTime::currentDateTimeUtc();
    transfer->update(offered);
    if (id == 0)
        transfer->invalidate(); // the offer never left: it shows as failed
    else
        m_Transfers.insert(id, transfer);
    model->add(transfer);
}

void FtController::onTransferChanged(const Simulation::FileTransferRecord& record)
{
    Data::FTAdapter* transfer = m_Transfers.value(record.id);
    if (transfer) {
        transfer->update(record);
        return;
    }
    if (!record.incoming)
        return;
    Models::FTModel* model = modelOf(record.peer);
    transfer = new Data::FTAdapter(record.id, record.peer.toLower(), m_OwnAddress, model);
    m_Transfers.insert(record.id, transfer);
    transfer->update(record);
    model->add(transfer);
    if (prohibitedExtensions().contains(extensionOf(record.fileName))) {
        KIVO_LOG(LevelInfo) << "Offer of " << record.fileName << " refused: its type may not be received";
        transfer->refuse(Data::FTAdapter::ForbiddenType);
    } else if (Data::FTAdapter::isFileSizeTooLarge(m_Config, record.size, false)) {
        transfer->refuse(Data::FTAdapter::TooLarge);
    }
}

} // namespace Controllers
} // namespace Kivo
