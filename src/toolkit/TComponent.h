// Components: named objects with an owner that frees them, a tag, methods that layout files bind events to by
// name, and a Loaded step that runs once every property of a streamed layout is in place.
#pragma once

#include "toolkit/TObject.h"

#include <any>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk {

class TPersistent : public TObject {
    TK_CLASS(TPersistent, TObject)
};

struct ComponentError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TComponent : public TPersistent {
    TK_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return m_owner; }
    const std::string& Name() const { return m_name; }
    // An identifier unique among the owner's components (case-insensitive), or empty; throws ComponentError.
    void SetName(const std::string& name);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const { return m_components.at(index); }
    TComponent* FindComponent(std::string_view name) const;
    // Frees the owned components, newest first. Derived destructors whose components refer back to them
    // (controls inside a form) call this first, while the derived part still exists.
    void DestroyComponents();

    bool IsLoading() const { return m_loading; }
    bool IsDestroying() const { return m_destroying; }
    void BeginLoading() { m_loading = true; }
    // Clears the loading state and calls Loaded.
    void EndLoading();

    // Where a layout file places this component: inside the object it is written in. Controls take it as
    // their parent; plain components ignore it.
    virtual void SetParentComponent(TComponent* parent) {}

    // Methods that layout files bind events to ("OnClick = @BitBtn1Click").
    const std::any* FindMethod(std::string_view name) const;

protected:
    // Runs once a streamed component has all its properties.
    virtual void Loaded() {}

    template <class C, class... Args> void DefineMethod(const std::string& name, void (C::*method)(Args...)) {
        C* self = static_cast<C*>(this);
        m_methods[name] = std::function<void(Args...)>(
            [self, method](Args... args) { (self->*method)(std::forward<Args>(args)...); });
    }

private:
    TComponent* m_owner = nullptr;
    std::string m_name;
    int m_tag = 0;
    bool m_loading = false;
    bool m_destroying = false;
    std::vector<TComponent*> m_components;
    std::map<std::string, std::any> m_methods;

    void RemoveComponent(TComponent* component);
};

} // namespace tk
