#include "platform/framework/ControlHosting.h"

#include <string>
#include <vector>

namespace qx::fw {
namespace {

struct ControlClass {
    CLSID clsid;
    std::u16string className;
};

std::vector<ControlClass>& ControlClasses() {
    static std::vector<ControlClass> classes;
    return classes;
}

}  // namespace

void RegisterControlClass(REFCLSID clsid, LPCWSTR className) {
    if (!className) return;
    for (ControlClass& c : ControlClasses()) {
        if (c.clsid == clsid) {
            c.className = className;
            return;
        }
    }
    ControlClasses().push_back({clsid, className});
}

LPCWSTR FindControlClass(REFCLSID clsid) {
    for (const ControlClass& c : ControlClasses()) {
        if (c.clsid == clsid) return c.className.c_str();
    }
    return nullptr;
}

}  // namespace qx::fw
