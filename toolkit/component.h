#pragma once
// What the form loader creates: components of registered classes, each with
// a table of the properties a stored description may give it. Windowless
// classes derive from Control, windowed ones from WinControl; any subsystem
// can add its own classes (the gradient panel, the gauge) to a registry.

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "toolkit/container.h"
#include "toolkit/control.h"
#include "toolkit/core/form_description.h"
#include "toolkit/win_control.h"

namespace tk {

class TForm;

using Handler = std::function<void()>;
// A form's handlers by name, as its description's events name them.
using HandlerTable = std::vector<std::pair<std::string, Handler>>;

// What property setters may need beyond the value.
class LoadContext {
 public:
  LoadContext(TForm& form, const HandlerTable& handlers) : form_(form), handlers_(handlers) {}
  TForm& Form() const { return form_; }
  // The handler named by an event property, guarded so that an error in it
  // ends the form's modal loop instead of crossing the window procedure.
  // Throws form::DescriptionError when the form has no such handler.
  Handler EventHandler(const form::Value& value) const;

 private:
  TForm& form_;
  const HandlerTable& handlers_;
};

class Component {
 public:
  virtual ~Component() = default;
  virtual const std::string& Name() const = 0;
  virtual void SetName(const std::string& name) = 0;
  virtual Control* AsControl() { return nullptr; }
  virtual WinControl* AsWinControl() { return nullptr; }
  // The surface that carries nested components, if the class has one.
  virtual Container* AsContainer() { return nullptr; }
  // False when the class has no property of that name.
  virtual bool SetProperty(const form::Property& property, LoadContext& context) = 0;
  virtual void Loaded() = 0;
  // After the form's layout was scaled anew: what sizes itself to its text
  // measures again.
  virtual void Rescaled() = 0;
};

template <typename T>
using PropertySetter = std::function<void(T&, const form::Value&, LoadContext&)>;
template <typename T>
using PropertyTable = std::map<std::string, PropertySetter<T>, std::less<>>;

// Properties every windowless / windowed control has (bounds, visibility,
// colour, font, tab order). False when the name is none of them.
bool SetCommonProperty(Control& control, const form::Property& property, LoadContext& context);
bool SetCommonProperty(WinControl& control, const form::Property& property, LoadContext& context);
// Font.Name, Font.Height, Font.Color, Font.Style, Font.Charset onto a record.
bool ApplyFontProperty(FontRecord& font, std::string_view subName, const form::Value& value);

template <typename T>
concept HasLoaded = requires(T& t) { t.Loaded(); };

template <typename T>
class ComponentOf : public Component {
 public:
  ComponentOf(std::unique_ptr<T> object, std::shared_ptr<const PropertyTable<T>> properties)
      : object_(std::move(object)), properties_(std::move(properties)) {}
  ~ComponentOf() override = default;

  T& Object() { return *object_; }
  const std::string& Name() const override { return object_->Name; }
  void SetName(const std::string& name) override { object_->Name = name; }
  Control* AsControl() override {
    if constexpr (std::is_base_of_v<Control, T>) return object_.get();
    return nullptr;
  }
  WinControl* AsWinControl() override {
    if constexpr (std::is_base_of_v<WinControl, T>) return object_.get();
    return nullptr;
  }
  Container* AsContainer() override {
    if constexpr (requires(T& t) { t.Surface(); }) return &object_->Surface();
    return nullptr;
  }
  bool SetProperty(const form::Property& property, LoadContext& context) override {
    if (auto it = properties_->find(property.name); it != properties_->end()) {
      it->second(*object_, property.value, context);
      return true;
    }
    return SetCommonProperty(*object_, property, context);
  }
  void Loaded() override {
    if constexpr (HasLoaded<T>) object_->Loaded();
  }
  void Rescaled() override {
    if constexpr (requires(T& t) { t.Rescaled(); }) object_->Rescaled();
  }

 private:
  std::unique_ptr<T> object_;
  std::shared_ptr<const PropertyTable<T>> properties_;
};

struct ComponentClass {
  std::string name;
  // Makes the component of a stored object on the site; its properties are
  // applied afterwards, one by one.
  std::function<std::unique_ptr<Component>(const ParentSite&, const form::ObjectNode&)> create;
};

// For a windowed class whose window depends on a stored property that cannot
// change once the window exists: makes the object from the stored object.
template <typename T>
using MakeFromStored = std::function<std::unique_ptr<T>(const ParentSite&, const form::ObjectNode&)>;

// Windowless classes: constructed, then put on the site's surface.
// Windowed classes: constructed with the site (they create their window), or
// by make when given.
template <typename T>
ComponentClass MakeComponentClass(std::string name, PropertyTable<T> properties, MakeFromStored<T> make = {}) {
  auto table = std::make_shared<const PropertyTable<T>>(std::move(properties));
  return ComponentClass{std::move(name), [table, make](const ParentSite& site, const form::ObjectNode& node) {
                          std::unique_ptr<T> object;
                          if constexpr (std::is_base_of_v<Control, T>) {
                            object = std::make_unique<T>();
                            object->SetParent(&site.container);
                          } else {
                            object = make ? make(site, node) : std::make_unique<T>(site);
                          }
                          return std::unique_ptr<Component>(
                              std::make_unique<ComponentOf<T>>(std::move(object), table));
                        }};
}

class ClassRegistry {
 public:
  void Add(ComponentClass componentClass);
  const ComponentClass* Find(std::string_view name) const;

 private:
  std::map<std::string, ComponentClass, std::less<>> classes_;
};

// TButton, TLabeledEdit, TSpinEdit, TComboBox, TCheckBox, TTrackBar, TPanel,
// TLabel, TImage, TShape, TSpeedButton.
void AddStandardClasses(ClassRegistry& registry);

class TLabel;
// The label's own properties, for classes derived from it.
PropertyTable<TLabel> LabelProperties();

// Setter helpers for property tables.
template <typename T, typename V>
PropertySetter<T> IntSetter(void (T::*set)(V)) {
  return [set](T& o, const form::Value& v, LoadContext&) { (o.*set)(static_cast<V>(v.AsInt())); };
}
template <typename T>
PropertySetter<T> BoolSetter(void (T::*set)(bool)) {
  return [set](T& o, const form::Value& v, LoadContext&) { (o.*set)(v.AsBool()); };
}
template <typename T>
PropertySetter<T> ColorSetter(void (T::*set)(TColor)) {
  return [set](T& o, const form::Value& v, LoadContext&) { (o.*set)(v.AsColor()); };
}
template <typename T, typename S>
PropertySetter<T> StringSetter(void (T::*set)(S)) {
  return [set](T& o, const form::Value& v, LoadContext&) { (o.*set)(v.AsString()); };
}
template <typename T>
PropertySetter<T> EventSetter(Handler T::*event) {
  return [event](T& o, const form::Value& v, LoadContext& c) { o.*event = c.EventHandler(v); };
}
// An identifier from a fixed list of names, giving the value of its entry.
template <typename T, typename E>
PropertySetter<T> EnumSetter(void (T::*set)(E), std::vector<std::pair<std::string, E>> names) {
  return [set, names](T& o, const form::Value& v, LoadContext&) {
    const std::string& id = v.AsIdentifier();
    for (const auto& [name, value] : names)
      if (name == id) return (o.*set)(value);
    throw form::DescriptionError(v.line, "unknown value " + id);
  };
}
// The (name, value) list of an enumeration whose names a table holds in
// ordinal order, for EnumSetter.
template <typename E, std::size_t N>
std::vector<std::pair<std::string, E>> NamesByOrdinal(const std::array<std::string_view, N>& names) {
  std::vector<std::pair<std::string, E>> list;
  for (std::size_t i = 0; i < N; ++i) list.emplace_back(names[i], static_cast<E>(i));
  return list;
}

}  // namespace tk
