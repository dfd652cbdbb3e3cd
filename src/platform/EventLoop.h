#pragma once

namespace platform {

// Runs the application's events until its main window is closed.
void runEventLoop();

} // namespace platform
