#pragma once
// Objects behind opaque handles. Every handle of this library is an id from one sequence that
// never repeats, so a handle that outlived its object (or a handle of another kind) finds
// nothing instead of some newer object.

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace qx::gfx::detail {

std::uintptr_t NextHandleId();

template <typename T>
class HandleTable {
public:
    std::uintptr_t Add(std::shared_ptr<T> object) {
        const std::uintptr_t id = NextHandleId();
        m_objects.emplace(id, std::move(object));
        return id;
    }

    // The object behind id; null for an id that is not (or no longer) in this table.
    std::shared_ptr<T> Find(std::uintptr_t id) const {
        const auto it = m_objects.find(id);
        return it == m_objects.end() ? nullptr : it->second;
    }

    // The same without sharing ownership, for lookups on hot paths; valid until the object is removed.
    T* Get(std::uintptr_t id) const {
        const auto it = m_objects.find(id);
        return it == m_objects.end() ? nullptr : it->second.get();
    }

    // Takes the object out of the table; null when it was not there.
    std::shared_ptr<T> Remove(std::uintptr_t id) {
        const auto it = m_objects.find(id);
        if (it == m_objects.end()) return nullptr;
        std::shared_ptr<T> object = std::move(it->second);
        m_objects.erase(it);
        return object;
    }

    std::size_t size() const { return m_objects.size(); }

private:
    std::unordered_map<std::uintptr_t, std::shared_ptr<T>> m_objects;
};

}  // namespace qx::gfx::detail
