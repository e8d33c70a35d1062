#include <Kivo/Controllers/SecurityClassificationController.h>

namespace Kivo {
namespace Controllers {

SecurityClassificationController::SecurityClassificationController(QObject* parent)
    : QObject(parent)
    , m_CallModel(new QStringListModel(this))
{
}

void SecurityClassificationController::setClassifications(const QStringList& call, const QString& chat)
{
    if (call == m_CallModel->stringList() && chat == m_Chat)
        return;
    m_CallModel->setStringList(call);
    m_Chat = chat;
    emit classificationsChanged();
}

} // namespace Controllers
} // namespace Kivo
