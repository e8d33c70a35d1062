#pragma once

#include "Polyphone/date_picture.h"

namespace Connector {

// The user's date conventions, from the environment's time locale.
class UserLocale
{
public:
    // The short date format as a picture; false (with errno's code) when the system has none.
    static bool shortDatePicture(Platform::WString& picture, int& error);
    static DatePicture::Names dateNames();
};

} // namespace Connector
