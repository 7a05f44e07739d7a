#include "tools/hxhost/lib/document.h"

#include <algorithm>

namespace hxhost {

namespace {
template <typename T> bool Holds(const std::vector<std::unique_ptr<T>>& list, const T* item) {
    return item && std::any_of(list.begin(), list.end(), [&](const auto& p) { return p.get() == item; });
}
} // namespace

bool Document::Owns(const Material* material) const {
    return Holds(materials, material);
}

bool Document::Owns(const Object* object) const {
    return Holds(objects, object) || Holds(clones, object);
}

Object* Document::Clone(const Object* object) {
    if (!Owns(object)) return nullptr;
    clones.push_back(std::make_unique<Object>(*object));
    ++clonesMade;
    return clones.back().get();
}

bool Document::Delete(const Object* object) {
    auto clone = std::find_if(clones.begin(), clones.end(), [&](const auto& p) { return p.get() == object; });
    if (clone != clones.end()) {
        clones.erase(clone);
        ++deletes;
        return true;
    }
    auto original =
        std::find_if(objects.begin(), objects.end(), [&](const auto& p) { return p.get() == object; });
    if (original == objects.end()) return false;
    original->reset(); // the slot stays, so the indexes of the others do not move
    ++deletes;
    return true;
}

} // namespace hxhost
