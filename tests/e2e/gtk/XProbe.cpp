#include "tests/e2e/gtk/XProbe.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdlib>

namespace qx::e2e {

XProbe::XProbe() : m_display(XOpenDisplay(nullptr)) {}

XProbe::~XProbe() {
    if (m_display) XCloseDisplay(m_display);
}

std::uint32_t XProbe::ScreenPixel(POINT at) {
    XSync(m_display, False);
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), at.x, at.y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0xFFFFFFFF;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return static_cast<std::uint32_t>(pixel & 0xFFFFFF);
}

std::vector<std::uint32_t> XProbe::ScreenArea(RECT area) {
    std::vector<std::uint32_t> pixels;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return pixels;
    XSync(m_display, False);
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), area.left, area.top, width, height, AllPlanes, ZPixmap);
    if (!image) return pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
    }
    XDestroyImage(image);
    return pixels;
}

unsigned long XProbe::WindowUnderPointer() {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int mask = 0;
    XSync(m_display, False);
    XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return child;
}

RECT XProbe::WindowRect(unsigned long window) {
    XWindowAttributes attributes;
    XSync(m_display, False);
    if (!window || !XGetWindowAttributes(m_display, window, &attributes)) return {};
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return {x, y, x + attributes.width, y + attributes.height};
}

bool XProbe::IsOnScreen(unsigned long window) {
    XWindowAttributes attributes;
    XSync(m_display, False);
    return window && XGetWindowAttributes(m_display, window, &attributes) && attributes.map_state == IsViewable;
}

std::string XProbe::Title(unsigned long window) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom netName = XInternAtom(m_display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    std::string title;
    if (XGetWindowProperty(m_display, window, netName, 0, 4096, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

bool XProbe::HasProperty(unsigned long window, const std::string& name) {
    int count = 0;
    XSync(m_display, False);
    Atom* atoms = XListProperties(m_display, window, &count);
    const Atom wanted = XInternAtom(m_display, name.c_str(), False);
    bool found = false;
    for (int i = 0; i < count; ++i) found = found || atoms[i] == wanted;
    if (atoms) XFree(atoms);
    return found;
}

std::vector<std::string> XProbe::NetWmState(unsigned long window) {
    std::vector<std::string> states;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom state = XInternAtom(m_display, "_NET_WM_STATE", False);
    if (XGetWindowProperty(m_display, window, state, 0, 64, False, XA_ATOM, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count; ++i) {
            if (char* name = XGetAtomName(m_display, atoms[i])) {
                states.emplace_back(name);
                XFree(name);
            }
        }
        XFree(data);
    }
    return states;
}

std::vector<unsigned long> XProbe::ViewableTopLevels() {
    std::vector<unsigned long> shown;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    XSync(m_display, False);
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count)) return shown;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(m_display, children[i], &attributes) && attributes.map_state == IsViewable &&
            attributes.c_class == InputOutput) {
            shown.push_back(children[i]);
        }
    }
    if (children) XFree(children);
    return shown;
}

void XProbe::SendDeleteWindow(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

bool Xdotool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

}  // namespace qx::e2e
