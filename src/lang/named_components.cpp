#include "lang/named_components.h"

#include <algorithm>

namespace orvx {

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

void WindowRegistry::add(NamedWindow* window) {
  if (std::find(windows_.begin(), windows_.end(), window) == windows_.end()) windows_.push_back(window);
}

void WindowRegistry::remove(NamedWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

NamedWindow* WindowRegistry::find(std::string_view window_name) const {
  for (NamedWindow* w : windows_) {
    if (same_name(w->component_name(), window_name)) return w;
  }
  return nullptr;
}

ModelComponent::Property* ModelComponent::lookup(std::string_view property) {
  for (auto& p : properties_) {
    if (same_name(p.name, property)) return &p;
  }
  return nullptr;
}

const ModelComponent::Property* ModelComponent::lookup(std::string_view property) const {
  return const_cast<ModelComponent*>(this)->lookup(property);
}

std::optional<std::string> ModelComponent::string_property(std::string_view property) const {
  const Property* p = lookup(property);
  if (!p || !p->is_string) return std::nullopt;
  return p->value;
}

bool ModelComponent::set_string_property(std::string_view property, const std::string& value) {
  Property* p = lookup(property);
  if (!p || !p->is_string) return false;
  p->value = value;
  return true;
}

ModelComponent& ModelComponent::declare(std::string property, std::string value) {
  if (Property* p = lookup(property)) {
    p->is_string = true;
    p->value = std::move(value);
  } else {
    properties_.push_back({std::move(property), true, std::move(value)});
  }
  return *this;
}

ModelComponent& ModelComponent::declare_non_string(std::string property) {
  if (Property* p = lookup(property)) {
    p->is_string = false;
  } else {
    properties_.push_back({std::move(property), false, {}});
  }
  return *this;
}

std::vector<NamedComponent*> ModelWindow::owned_components() {
  std::vector<NamedComponent*> out;
  out.reserve(components_.size());
  for (auto& c : components_) out.push_back(c.get());
  return out;
}

ModelComponent& ModelWindow::add(std::string name) {
  components_.push_back(std::make_unique<ModelComponent>(std::move(name)));
  return *components_.back();
}

ModelComponent* ModelWindow::component(std::string_view name) {
  for (auto& c : components_) {
    if (same_name(c->component_name(), name)) return c.get();
  }
  return nullptr;
}

}  // namespace orvx
