#pragma once

#include "platform/PlatformError.h"

#include <ostream>

// The last-resort report of a platform failure: four lines on `out`, each
// flushed ("Expection: ", "File: ", "Function: ", "Line: "), then an error box
// owned by the desktop holding the failure's text.
void reportFailure(const platform::PlatformError& error, std::ostream& out);
