#pragma once
// The one web context every page of the program shares: one network process, one set of
// cookies, logins, local storage and cache, kept under the user's XDG data and cache folders
// (qxbrowser/ in each), so that they outlive the program.

#include <webkit2/webkit2.h>

#include <string>

namespace qx::web {

// The shared context, made on first use. Owned by the process.
WebKitWebContext* SharedWebContext();

// Where the website data and the cache live (made on first use of the context).
std::string WebsiteDataFolder();
std::string WebsiteCacheFolder();

}  // namespace qx::web
