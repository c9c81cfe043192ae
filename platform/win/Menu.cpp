// Menus: handles in a table, menu resources registered by the program, and popup menus shown
// by the backend.

#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <map>

using namespace qx::win;
namespace backend = qx::backend;

namespace {

struct MenuItem {
    UINT flags = 0;
    UINT id = 0;
    std::u16string text;
    HMENU popup = nullptr;  // owned by the menu that holds the item
};

struct Menu {
    std::vector<MenuItem> items;
    HMENU holder = nullptr;  // the menu this one is a popup of
};

struct MenuTable {
    std::map<std::uintptr_t, Menu> menus;
    std::uintptr_t nextId = 0x30000;
};

MenuTable& Menus() {
    static MenuTable table;
    return table;
}

// Resources belong to the program, not to one run of the window system.
std::map<UINT, std::vector<MenuResourceItem>>& Resources() {
    static std::map<UINT, std::vector<MenuResourceItem>> resources;
    return resources;
}

Menu* FindMenu(HMENU menu) {
    auto it = Menus().menus.find(IdFromHandle(menu));
    return it == Menus().menus.end() ? nullptr : &it->second;
}

HMENU NewMenu() {
    MenuTable& table = Menus();
    table.nextId += 4;
    table.menus[table.nextId] = Menu{};
    return HandleFromId<HMENU>(table.nextId);
}

// The item named by position or (searching popups too) by command id.
MenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
    Menu* found = FindMenu(menu);
    if (!found) return nullptr;
    if (flags & MF_BYPOSITION) return item < found->items.size() ? &found->items[item] : nullptr;
    for (MenuItem& entry : found->items) {
        if (entry.flags & MF_POPUP) {
            if (MenuItem* inner = FindItem(entry.popup, item, flags)) return inner;
        } else if (!(entry.flags & MF_SEPARATOR) && entry.id == item) {
            return &entry;
        }
    }
    return nullptr;
}

HMENU Build(const std::vector<MenuResourceItem>& items, bool bar) {
    HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
    for (const MenuResourceItem& item : items) {
        if (item.flags & MF_POPUP) {
            AppendMenuW(menu, item.flags, reinterpret_cast<UINT_PTR>(Build(item.items, false)), item.text.c_str());
        } else {
            AppendMenuW(menu, item.flags, item.id, item.text.c_str());
        }
    }
    return menu;
}

backend::MenuModel ModelOf(HMENU menu) {
    backend::MenuModel model;
    for (const MenuItem& item : FindMenu(menu)->items) {
        backend::MenuModelItem entry;
        entry.id = item.id;
        entry.text = item.text;
        entry.enabled = !(item.flags & (MF_GRAYED | MF_DISABLED));
        entry.checked = (item.flags & MF_CHECKED) != 0;
        if (item.flags & MF_SEPARATOR) {
            entry.kind = backend::MenuModelItem::Kind::Separator;
        } else if (item.flags & MF_POPUP) {
            entry.kind = backend::MenuModelItem::Kind::Popup;
            entry.items = ModelOf(item.popup).items;
        }
        model.items.push_back(std::move(entry));
    }
    return model;
}

// A backend may only answer with a command the menu offers and enables.
bool OffersCommand(HMENU menu, UINT id) {
    MenuItem* item = FindItem(menu, id, MF_BYCOMMAND);
    return item && !(item->flags & (MF_GRAYED | MF_DISABLED));
}

UINT ChangeState(HMENU menu, UINT item, UINT flags, UINT mask) {
    MenuItem* entry = FindItem(menu, item, flags);
    if (!entry) return 0xFFFFFFFF;
    UINT previous = entry->flags & mask;
    entry->flags = (entry->flags & ~mask) | (flags & mask);
    return previous;
}

}  // namespace

void qx::win::ResetMenus() { Menus() = MenuTable{}; }

void qx::win::RegisterMenuResource(UINT id, std::vector<MenuResourceItem> items) { Resources()[id] = std::move(items); }

HMENU CreateMenu() { return NewMenu(); }
HMENU CreatePopupMenu() { return NewMenu(); }

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR item, LPCWSTR text) {
    Menu* target = FindMenu(menu);
    if (!target) return FALSE;
    MenuItem entry;
    entry.flags = flags & ~(MF_BYPOSITION | MF_APPEND);
    if (flags & MF_POPUP) {
        auto popup = reinterpret_cast<HMENU>(item);
        Menu* inner = FindMenu(popup);
        if (!inner || inner->holder || popup == menu) return FALSE;
        inner->holder = menu;
        entry.popup = popup;
    } else {
        entry.id = static_cast<UINT>(item);
    }
    // Bitmap and owner-drawn items carry no text in that argument.
    if (!(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && text) entry.text = text;
    FindMenu(menu)->items.push_back(std::move(entry));
    return TRUE;
}

HMENU LoadMenuW(HINSTANCE, LPCWSTR name) {
    if (!name || !IS_INTRESOURCE(name)) return nullptr;
    auto it = Resources().find(static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name)));
    return it == Resources().end() ? nullptr : Build(it->second, true);
}

HMENU GetSubMenu(HMENU menu, int position) {
    MenuItem* item = position < 0 ? nullptr : FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return item && (item->flags & MF_POPUP) ? item->popup : nullptr;
}

int GetMenuItemCount(HMENU menu) {
    Menu* found = FindMenu(menu);
    return found ? static_cast<int>(found->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    MenuItem* item = position < 0 ? nullptr : FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (!item || (item->flags & MF_POPUP)) return 0xFFFFFFFF;
    return item->id;
}

int GetMenuStringW(HMENU menu, UINT item, LPWSTR text, int maxCount, UINT flags) {
    MenuItem* entry = FindItem(menu, item, flags);
    if (!entry) return 0;
    if (!text || maxCount <= 0) return static_cast<int>(entry->text.size());
    int count = std::min(static_cast<int>(entry->text.size()), maxCount - 1);
    std::copy_n(entry->text.begin(), count, text);
    text[count] = 0;
    return count;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    return ChangeState(menu, item, enable, MF_GRAYED | MF_DISABLED);
}

UINT CheckMenuItem(HMENU menu, UINT item, UINT check) { return ChangeState(menu, item, check, MF_CHECKED); }

BOOL IsMenu(HMENU menu) { return FindMenu(menu) ? TRUE : FALSE; }

BOOL DestroyMenu(HMENU menu) {
    Menu* found = FindMenu(menu);
    if (!found || (found->holder && FindMenu(found->holder))) return FALSE;
    std::vector<HMENU> popups;
    for (const MenuItem& item : found->items) {
        if (item.popup) popups.push_back(item.popup);
    }
    for (HMENU popup : popups) {
        if (Menu* inner = FindMenu(popup)) inner->holder = nullptr;
        DestroyMenu(popup);
    }
    Menus().menus.erase(IdFromHandle(menu));
    return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!FindMenu(menu) || !Find(owner)) return FALSE;
    UINT chosen = TheBackend().TrackPopupMenu(owner, ModelOf(menu), POINT{x, y}, flags);
    if (!FindMenu(menu) || !OffersCommand(menu, chosen)) chosen = 0;
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (!chosen) return FALSE;
    PostMessageW(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(chosen), 0), 0);
    return TRUE;
}
