// Modules and functions looked up by name: a table of our own functions, under the module names
// the program asks for.

#include "platform/win/WindowSystem.h"

#include <map>
#include <set>
#include <string>

using namespace qx::win;

namespace {

struct Module {
    std::uintptr_t id;
    std::map<std::string, FARPROC> functions;
    int loads = 0;
};

template <typename F>
FARPROC AsFarProc(F* function) {
    return reinterpret_cast<FARPROC>(function);
}

std::map<std::string, Module>& Modules() {
    static std::map<std::string, Module> modules = {
        {"user32",
         {0x77000000,
          {{"UpdateLayeredWindow", AsFarProc(&UpdateLayeredWindow)},
           {"SetLayeredWindowAttributes", AsFarProc(&SetLayeredWindowAttributes)},
           {"SwitchToThisWindow", AsFarProc(&SwitchToThisWindow)}}}},
        {"kernel32", {0x76000000, {}}},
    };
    return modules;
}

std::set<std::pair<std::string, std::string>>& Removed() {
    static std::set<std::pair<std::string, std::string>> removed;
    return removed;
}

constexpr std::uintptr_t kProgramInstance = 0x400000;

// "User32.DLL", "user32.dll" and "user32" name the same module.
std::string ModuleKey(std::u16string_view name) {
    std::string key;
    for (char16_t c : name) {
        if (c > 0x7F) return {};
        key += static_cast<char>(c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c);
    }
    if (key.size() > 4 && key.ends_with(".dll")) key.resize(key.size() - 4);
    return key;
}

Module* FindModule(HMODULE handle) {
    for (auto& [name, module] : Modules()) {
        if (module.id == IdFromHandle(handle)) return &module;
    }
    return nullptr;
}

const std::string* ModuleName(HMODULE handle) {
    for (auto& [name, module] : Modules()) {
        if (module.id == IdFromHandle(handle)) return &name;
    }
    return nullptr;
}

}  // namespace

HMODULE LoadLibraryW(LPCWSTR name) {
    if (!name) return nullptr;
    auto it = Modules().find(ModuleKey(name));
    if (it == Modules().end()) return nullptr;
    ++it->second.loads;
    return HandleFromId<HMODULE>(it->second.id);
}

HMODULE GetModuleHandleW(LPCWSTR name) {
    if (!name) return HandleFromId<HMODULE>(kProgramInstance);
    auto it = Modules().find(ModuleKey(name));
    return it == Modules().end() ? nullptr : HandleFromId<HMODULE>(it->second.id);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    Module* found = FindModule(module);
    if (!found || !name) return nullptr;
    auto it = found->functions.find(name);
    if (it == found->functions.end() || Removed().count({*ModuleName(module), name})) return nullptr;
    return it->second;
}

BOOL FreeLibrary(HMODULE module) {
    Module* found = FindModule(module);
    if (!found || found->loads == 0) return FALSE;
    --found->loads;
    return TRUE;
}

namespace qx::win {

void RemoveNamedFunction(const std::string& module, const std::string& name) {
    std::u16string wide(module.begin(), module.end());
    Removed().insert({ModuleKey(wide), name});
}

void RestoreNamedFunctions() { Removed().clear(); }

}  // namespace qx::win
