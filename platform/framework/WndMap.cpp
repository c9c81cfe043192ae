#include "platform/framework/WndMap.h"

#include "platform/framework/WndInternal.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

namespace qx::fw {
namespace {

std::unordered_map<HWND, CWnd*>& Permanent() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& Temporary() {
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

std::vector<CWnd*>& Pending() {
    static std::vector<CWnd*> stack;
    return stack;
}

}  // namespace

CWnd* FindPermanent(HWND hwnd) {
    auto it = Permanent().find(hwnd);
    return it == Permanent().end() ? nullptr : it->second;
}

void AddPermanent(HWND hwnd, CWnd* pWnd) { Permanent()[hwnd] = pWnd; }

void RemovePermanent(HWND hwnd, const CWnd* pWnd) {
    auto it = Permanent().find(hwnd);
    if (it != Permanent().end() && it->second == pWnd) Permanent().erase(it);
}

CWnd* TemporaryFor(HWND hwnd) {
    auto& map = Temporary();
    auto it = map.find(hwnd);
    if (it != map.end()) return it->second.get();
    auto stand = std::make_unique<CWnd>();
    stand->m_hWnd = hwnd;
    WndAccess::MarkTemporary(*stand);
    return map.emplace(hwnd, std::move(stand)).first->second.get();
}

void DeleteDeadTemporaries() {
    std::erase_if(Temporary(), [](const auto& entry) { return !::IsWindow(entry.first); });
}

void PushPendingCreate(CWnd* pWnd) { Pending().push_back(pWnd); }

void PopPendingCreate(CWnd* pWnd) {
    auto& stack = Pending();
    auto it = std::find(stack.rbegin(), stack.rend(), pWnd);
    if (it != stack.rend()) stack.erase(std::next(it).base());
}

CWnd* TakePendingCreate() {
    auto& stack = Pending();
    if (stack.empty() || stack.back()->m_hWnd) return nullptr;
    return stack.back();
}

}  // namespace qx::fw
