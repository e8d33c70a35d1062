#pragma once

#include <Kivo/Controllers/ChatController.h>

#include <QHash>
#include <QPointer>
#include <QStringList>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Contacts {
class Contacts;
class IContact;
} // namespace Contacts
namespace Data {
class FTAdapter;
}
namespace Models {
class FTModel;
}
namespace Simulation {
struct FileTransferRecord;
}
namespace Controllers {

class ChatInterface;

// File transfers of the session: one transfer model per peer, the rules on which files may
// be sent, and the start of a transfer from a chat.
class FtController : public ChatController
{
    Q_OBJECT

public:
    FtController(const Configuration::Config* config, const QString& ownAddress, QObject* parent = nullptr);

    // The transfers with `contact`, made on first use; null without a contact or address.
    Models::FTModel* getCreateFTModel(Contacts::IContact* contact);
    Models::FTModel* modelOf(const QString& peer);
    // Whether the file's type may be sent (configuration item 172 lists the types that may not).
    bool isAcceptedFile(const QString& path) const;
    QStringList prohibitedExtensions() const;

public slots:
    // Offers the file to the chat's peer; a forbidden type makes the chat report it.
    void startFileTransfer(Kivo::Controllers::ChatInterface* chat, const QString& path);

private:
    void onTransferChanged(const Simulation::FileTransferRecord& transfer);

    QPointer<const Configuration::Config> m_Config;
    QString m_OwnAddress;
    // Models by peer address in lower case; transfers by service id.
    QHash<QString, Models::FTModel*> m_Models;
    QHash<int, QPointer<Data::FTAdapter>> m_Transfers;
};

} // namespace Controllers
} // namespace Kivo
