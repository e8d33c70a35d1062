#pragma once

#include <Kivo/Controllers/ChatController.h>

namespace Kivo {
namespace Controllers {

// File transfers of the session.
class FtController : public ChatController
{
    Q_OBJECT

public:
    using ChatController::ChatController;
};

} // namespace Controllers
} // namespace Kivo
