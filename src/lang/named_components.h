#pragma once
// The seam between the translation engine and the windows.
//
// A window is a named component that owns further named components (buttons,
// labels, check boxes, menu entries, panels...). Each of them has string
// properties such as "Caption", "Hint" and "Text", addressed by name without
// regard to letter case. The Win32 windows implement these interfaces; the
// portable model below serves the tests and any window without a native side.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvx {

class NamedComponent {
 public:
  virtual ~NamedComponent() = default;

  // The component name, e.g. "save_button"; for a window its window name,
  // e.g. "orvx_form".
  virtual std::string component_name() const = 0;

  // The value of a string property, or nullopt when the component has no
  // property of that name or the property does not hold a string.
  virtual std::optional<std::string> string_property(std::string_view property) const = 0;

  // Sets a string property. False (and no change) when the component has no
  // string property of that name.
  virtual bool set_string_property(std::string_view property, const std::string& value) = 0;
};

class NamedWindow : public NamedComponent {
 public:
  // The components the window owns, in the window's component order. The
  // pointers stay valid while the window exists and is not changed.
  virtual std::vector<NamedComponent*> owned_components() = 0;
};

// The windows that exist at the moment (created, shown or hidden), in order of
// creation. Windows add themselves when created and remove themselves when
// destroyed. Names match without regard to case.
class WindowRegistry {
 public:
  void add(NamedWindow* window);
  void remove(NamedWindow* window);
  NamedWindow* find(std::string_view window_name) const;
  const std::vector<NamedWindow*>& windows() const { return windows_; }

 private:
  std::vector<NamedWindow*> windows_;
};

// Portable component: a name and a set of string properties. Properties that
// exist but hold no string (such as a number field's "Value") are declared
// with declare_non_string and are never set.
class ModelComponent : public NamedComponent {
 public:
  explicit ModelComponent(std::string name) : name_(std::move(name)) {}

  std::string component_name() const override { return name_; }
  std::optional<std::string> string_property(std::string_view property) const override;
  bool set_string_property(std::string_view property, const std::string& value) override;

  // Gives the component a string property with an initial value.
  ModelComponent& declare(std::string property, std::string value = {});
  ModelComponent& declare_non_string(std::string property);

 private:
  struct Property {
    std::string name;
    bool is_string = true;
    std::string value;
  };
  Property* lookup(std::string_view property);
  const Property* lookup(std::string_view property) const;

  std::string name_;
  std::vector<Property> properties_;
};

class ModelWindow : public NamedWindow {
 public:
  explicit ModelWindow(std::string name) : self_(std::move(name)) {}

  std::string component_name() const override { return self_.component_name(); }
  std::optional<std::string> string_property(std::string_view p) const override { return self_.string_property(p); }
  bool set_string_property(std::string_view p, const std::string& v) override {
    return self_.set_string_property(p, v);
  }
  std::vector<NamedComponent*> owned_components() override;

  // The window's own properties (e.g. "Caption" for its title).
  ModelComponent& self() { return self_; }
  // Adds an owned component at the end of the component order.
  ModelComponent& add(std::string name);
  ModelComponent* component(std::string_view name);

 private:
  ModelComponent self_;
  std::vector<std::unique_ptr<ModelComponent>> components_;
};

// Letters compared without regard to case (ASCII, as component and property
// names are).
bool same_name(std::string_view a, std::string_view b);

}  // namespace orvx
