#pragma once
// The component tree: every component has an owner that frees it, a name, a
// tag and a set of state flags. A component given an owner at construction
// belongs to that owner (delete it early if you like: it leaves the owner's
// list); one made without an owner belongs to whoever made it.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
    // The class name other parts match on ("TButton", "TForm1", ...).
    virtual std::string ClassName() const { return "TObject"; }
};

class TPersistent : public TObject {
public:
    std::string ClassName() const override { return "TPersistent"; }
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// Component state flags.
enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    std::intptr_t Tag = 0;

    unsigned ComponentState() const { return state_; }
    bool HasState(unsigned flags) const { return (state_ & flags) != 0; }
    bool IsLoading() const { return HasState(csLoading); }
    bool IsDesigning() const { return HasState(csDesigning); }
    bool IsDestroying() const { return HasState(csDestroying); }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(std::string_view name) const;

    // Loading from a description: the builder marks the component loading
    // and reading, sets its properties, then calls Loaded, which ends loading.
    void BeginLoading() { state_ |= csLoading | csReading; }
    void EndReading() { state_ &= ~csReading; }
    virtual void Loaded() { state_ &= ~(csLoading | csReading); }
    // Sets or clears the designer flag; not used by the program itself.
    void SetDesigning(bool on);

    // Marks this component and everything it owns as being destroyed.
    void Destroying();
    // Tells a component that another one it refers to comes or goes.
    virtual void Notification(TComponent* component, TOperation operation);
    // Asks to be told (through Notification) when `component` is freed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Where the builder puts a component described inside this one: controls
    // go into their container, menu items into their menu.
    virtual void InsertDescribedChild(TComponent* child);

protected:
    // Frees the owned components, last first. Derived destructors that must
    // outlive their components (a window with child controls) call it first.
    void DestroyComponents();

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    unsigned state_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

} // namespace pp
