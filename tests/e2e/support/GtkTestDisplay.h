#pragma once
// Everything a test process needs before it shows GTK windows and web pages, done once per
// process: our own Xvfb display, a scratch home for the browser's website data and cache,
// the environment WebKit needs under Xvfb, then GTK itself.

#include <string>

namespace qx::e2e {

// Prepares the display on first call. Returns an empty text when GTK is ready, else the reason
// the end-to-end tests cannot run here (the caller skips).
std::string PrepareGtkDisplay();

// The scratch folder standing in for the user's home (XDG data, cache and config live in it).
const std::string& ScratchHome();

}  // namespace qx::e2e
