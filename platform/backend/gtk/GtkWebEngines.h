#pragma once
// WebKit engines for the web browser controls of a program on the GTK backend: while this object
// lives, every control window made gets a WebKit view inside the page holder the backend keeps
// over that window.

namespace qx::backend::gtk {

class GtkBackend;

class GtkWebEngines {
public:
    // Installs the factory. backend must outlive every engine made.
    explicit GtkWebEngines(GtkBackend& backend);
    // Takes the factory away; engines still alive keep working.
    ~GtkWebEngines();
    GtkWebEngines(const GtkWebEngines&) = delete;
    GtkWebEngines& operator=(const GtkWebEngines&) = delete;
};

}  // namespace qx::backend::gtk
