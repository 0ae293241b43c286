#include "toolkit/TComponent.h"

#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {
void DefineComponentProperties(std::vector<PropertyInfo>& props) {
    props.push_back(StringProperty<TComponent>("Name", &TComponent::Name, &TComponent::SetName));
    props.push_back(IntegerProperty<TComponent>("Tag", &TComponent::Tag, &TComponent::SetTag));
}

bool IsIdentifier(const std::string& name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}
} // namespace

TK_IMPLEMENT_CLASS(TPersistent, TObject, nullptr)
TK_IMPLEMENT_CLASS(TComponent, TPersistent, DefineComponentProperties)

TComponent::TComponent(TComponent* owner) : m_owner(owner) {
    if (m_owner)
        m_owner->m_components.push_back(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    m_destroying = true;
    // Last created goes first, so a component never outlives one it was created after and may refer to.
    while (!m_components.empty()) {
        TComponent* child = m_components.back();
        m_components.pop_back();
        child->m_owner = nullptr;
        delete child;
    }
}

void TComponent::RemoveComponent(TComponent* component) {
    m_components.erase(std::remove(m_components.begin(), m_components.end(), component), m_components.end());
}

void TComponent::SetName(const std::string& name) {
    if (name == m_name)
        return;
    if (!name.empty() && !IsIdentifier(name))
        throw ComponentError("\"" + name + "\" is not a valid component name");
    if (!name.empty() && m_owner) {
        TComponent* other = m_owner->FindComponent(name);
        if (other && other != this)
            throw ComponentError("a component named " + name + " already exists");
    }
    m_name = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : m_components)
        if (SameText(c->m_name, name))
            return c;
    return nullptr;
}

void TComponent::EndLoading() {
    m_loading = false;
    Loaded();
}

const std::any* TComponent::FindMethod(std::string_view name) const {
    for (const auto& [key, method] : m_methods)
        if (SameText(key, name))
            return &method;
    return nullptr;
}

} // namespace tk
