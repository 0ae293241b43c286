#include "toolkit/TObject.h"

#include "platform/os/Bytes.h"

#include <map>

namespace tk {

namespace {
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const {
        std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            const char x = win::AsciiLower(a[i]);
            const char y = win::AsciiLower(b[i]);
            if (x != y)
                return x < y;
        }
        return a.size() < b.size();
    }
};

std::map<std::string, const TClassInfo*, CaseInsensitiveLess>& Registry() {
    static std::map<std::string, const TClassInfo*, CaseInsensitiveLess> classes;
    return classes;
}
} // namespace

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo info{"TObject", nullptr, {}, {}};
    return info;
}

bool TClassInfo::InheritsFrom(std::string_view className) const {
    for (const TClassInfo* c = this; c; c = c->parent)
        if (SameText(c->name, className))
            return true;
    return false;
}

const PropertyInfo* TClassInfo::FindProperty(std::string_view propertyName) const {
    for (const TClassInfo* c = this; c; c = c->parent)
        for (const PropertyInfo& p : c->properties)
            if (SameText(p.name, propertyName))
                return &p;
    return nullptr;
}

void RegisterClass(const TClassInfo& info) {
    Registry()[info.name] = &info;
}

const TClassInfo* FindClass(std::string_view name) {
    auto it = Registry().find(std::string(name));
    return it == Registry().end() ? nullptr : it->second;
}

} // namespace tk
