#pragma once

#include <QMetaType>

// The screen-share client's error vocabulary, one name for every part of the program that
// reports or shows a share error.
namespace ZynClient {

// The share service's result codes: 0 is success, the others follow HTTP where they can.
enum ZYNLIBERROR : int
{
    ZYN_OK = 0,
    ZYN_BAD_REQUEST = 400,
    ZYN_FORBIDDEN = 403,
    ZYN_NOT_FOUND = 404,
    ZYN_CONFLICT = 409,
    ZYN_SERVER_ERROR = 500,
    ZYN_UNAVAILABLE = 503
};

// What the client was doing when it failed.
enum ErrorType : int
{
    StartError = 0,
    JoinError = 1,
    InitiateError = 2
};

} // namespace ZynClient

Q_DECLARE_METATYPE(ZynClient::ZYNLIBERROR)
Q_DECLARE_METATYPE(ZynClient::ErrorType)
