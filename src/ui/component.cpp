#include "ui/component.h"

#include <algorithm>

#include "base/text.h"

namespace quillpad::ui {

Component::Component(Component* owner) : owner_(owner) {
  if (owner_) owner_->owned_.push_back(this);
}

Component::~Component() {
  DestroyComponents();
  if (owner_) std::erase(owner_->owned_, this);
}

void Component::DestroyComponents() {
  // Each destructor removes itself from owned_, and may destroy others (menu items do).
  while (!owned_.empty()) delete owned_.back();
}

Component* Component::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (Component* c : owned_) {
    if (SameText(c->Name, name)) return c;
  }
  return nullptr;
}

}  // namespace quillpad::ui
