// The Windows services, over the calls in win32_calls.h.
#pragma once

#include "platform/os/os_services.h"

namespace abacone {

OsServices& Win32Os();

}  // namespace abacone
