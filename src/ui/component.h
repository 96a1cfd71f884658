// The root of the toolkit: a named component with a tag, owned by another component that
// destroys it. FindComponent looks among the directly owned components by name (case-insensitive,
// as user key assignments name their commands).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillpad::ui {

class Component {
 public:
  explicit Component(Component* owner = nullptr);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  std::string Name;
  int Tag = 0;

  Component* Owner() const { return owner_; }
  const std::vector<Component*>& Components() const { return owned_; }
  Component* FindComponent(std::string_view name) const;
  template <class T>
  T* Find(std::string_view name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }
  // Destroys every owned component, the newest first.
  void DestroyComponents();

 private:
  Component* owner_;
  std::vector<Component*> owned_;
};

}  // namespace quillpad::ui
