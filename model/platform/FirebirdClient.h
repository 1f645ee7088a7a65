#pragma once

#include <QString>

// The client library's entry point and its failure text, shared by the connection and the
// service manager.
namespace Firebird {
class IMaster;
class IStatus;
} // namespace Firebird

Firebird::IMaster* MasterFirebird();

// The engine's own words for a failure, for the details under a Romanian message.
QString TextulMotorului(const Firebird::IStatus* status);
