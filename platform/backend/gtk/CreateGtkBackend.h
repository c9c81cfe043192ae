#pragma once
// Choosing the GTK backend at start-up, without GTK's headers: the program's main asks for it
// and falls back when there is no display.

#include "platform/backend/Backend.h"

#include <memory>

namespace qx::backend {

// Opens the X display (DISPLAY) and makes the GTK backend; null when no display can be opened.
// GTK takes its own options out of argc and argv.
std::unique_ptr<Backend> CreateGtkBackend(int& argc, char**& argv);

}  // namespace qx::backend
