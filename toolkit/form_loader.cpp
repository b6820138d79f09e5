// The one place where stored form descriptions become forms.
#include <windows.h>

#include <algorithm>
#include <optional>

#include "toolkit/form.h"
#include "toolkit/screen_dpi.h"
#include "toolkit/stored_resource.h"
#include "toolkit/text.h"

namespace tk {

using form::DescriptionError;
using form::Property;
using form::Value;

void ClassRegistry::Add(ComponentClass componentClass) {
  std::string name = componentClass.name;
  classes_.insert_or_assign(std::move(name), std::move(componentClass));
}

const ComponentClass* ClassRegistry::Find(std::string_view name) const {
  auto it = classes_.find(name);
  return it == classes_.end() ? nullptr : &it->second;
}

Handler LoadContext::EventHandler(const Value& value) const {
  const std::string& name = value.AsIdentifier();
  auto it = std::find_if(handlers_.begin(), handlers_.end(),
                         [&](const auto& entry) { return entry.first == name; });
  if (it == handlers_.end())
    throw DescriptionError(value.line, "the form has no handler " + name);
  TForm* form = &form_;
  Handler handler = it->second;
  return [form, handler] { form->Invoke(handler); };
}

bool ApplyFontProperty(FontRecord& font, std::string_view subName, const Value& value) {
  if (subName == "Name") {
    font.name = value.AsString();
  } else if (subName == "Height") {
    font.height = value.AsInt();
  } else if (subName == "Color") {
    font.color = value.AsColor();
  } else if (subName == "Charset") {
    static const std::pair<const char*, int> kCharsets[] = {
        {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2},
        {"RUSSIAN_CHARSET", 204}, {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255}};
    if (value.kind == Value::Kind::Integer) {
      int v = value.AsInt();
      if (v < 0 || v > 255) throw DescriptionError(value.line, "character set out of range");
      font.charset = static_cast<std::uint8_t>(v);
    } else {
      const std::string& id = value.AsIdentifier();
      auto it = std::find_if(std::begin(kCharsets), std::end(kCharsets),
                             [&](const auto& c) { return id == c.first; });
      if (it == std::end(kCharsets)) throw DescriptionError(value.line, "unknown character set " + id);
      font.charset = static_cast<std::uint8_t>(it->second);
    }
  } else if (subName == "Style") {
    std::uint8_t style = 0;
    for (const std::string& s : value.AsSet()) {
      if (s == "fsBold") style |= fsBold;
      else if (s == "fsItalic") style |= fsItalic;
      else if (s == "fsUnderline") style |= fsUnderline;
      else if (s == "fsStrikeOut") style |= fsStrikeOut;
      else throw DescriptionError(value.line, "unknown font style " + s);
    }
    font.style = style;
  } else {
    return false;
  }
  return true;
}

namespace {
constexpr std::string_view kFontPrefix = "Font.";

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// Properties accepted everywhere that change nothing here.
bool IsInert(std::string_view name) {
  return name == "ShowHint" || name == "Hint" || name == "ParentShowHint" || name == "Tag";
}

// The properties every kind of component shares last: Font.<part>, and the
// inert ones. False for any other name.
template <typename C>
bool SetFontOrInert(C& c, const std::string& name, const Value& v) {
  if (!StartsWith(name, kFontPrefix)) return IsInert(name);
  FontRecord font = c.Font();
  if (!ApplyFontProperty(font, std::string_view(name).substr(kFontPrefix.size()), v)) return false;
  c.SetFont(font);
  return true;
}
}  // namespace

bool SetCommonProperty(Control& c, const Property& p, LoadContext&) {
  const std::string& n = p.name;
  const Value& v = p.value;
  if (n == "Left") c.SetLeft(v.AsInt());
  else if (n == "Top") c.SetTop(v.AsInt());
  else if (n == "Width") c.SetWidth(v.AsInt());
  else if (n == "Height") c.SetHeight(v.AsInt());
  else if (n == "Visible") c.SetVisible(v.AsBool());
  else if (n == "Enabled") c.SetEnabled(v.AsBool());
  else if (n == "Color") c.SetColor(v.AsColor());
  else if (n == "ParentColor") c.SetParentColor(v.AsBool());
  else if (n == "ParentFont") c.SetParentFont(v.AsBool());
  else if (n == "Align") {
    const std::string& id = v.AsIdentifier();
    if (id == "alNone") c.SetAlign(Align::alNone);
    else if (id == "alClient") c.SetAlign(Align::alClient);
    else throw DescriptionError(v.line, "unknown alignment " + id);
  } else {
    return SetFontOrInert(c, n, v);
  }
  return true;
}

bool SetCommonProperty(WinControl& c, const Property& p, LoadContext&) {
  const std::string& n = p.name;
  const Value& v = p.value;
  if (n == "Left") c.SetBounds(v.AsInt(), c.Top(), c.Width(), c.Height());
  else if (n == "Top") c.SetBounds(c.Left(), v.AsInt(), c.Width(), c.Height());
  else if (n == "Width") c.SetBounds(c.Left(), c.Top(), v.AsInt(), c.Height());
  else if (n == "Height") c.SetBounds(c.Left(), c.Top(), c.Width(), v.AsInt());
  else if (n == "Visible") c.SetVisible(v.AsBool());
  else if (n == "Enabled") c.SetEnabled(v.AsBool());
  else if (n == "Color") c.SetColor(v.AsColor());
  else if (n == "TabOrder") c.SetTabOrder(v.AsInt());
  else if (n == "TabStop") c.SetTabStop(v.AsBool());
  else if (n == "ParentColor" || n == "ParentFont") v.AsBool();  // taken from the parent at creation
  else return SetFontOrInert(c, n, v);
  return true;
}

void TForm::SetFormProperty(const Property& p) {
  const std::string& n = p.name;
  const Value& v = p.value;
  if (n == "Caption") caption_.Set(nullptr, CodedText{v.AsString(), kAnsiCodePage});
  else if (n == "ClientWidth") clientWidth_ = v.AsInt();
  else if (n == "ClientHeight") clientHeight_ = v.AsInt();
  else if (n == "Left") left_ = v.AsInt();
  else if (n == "Top") top_ = v.AsInt();
  else if (n == "Color") SetColor(v.AsColor());
  else if (n == "Icon") iconName_ = v.AsString();
  else if (n == "Visible") visible_ = v.AsBool();
  else if (n == "AlphaBlend") alphaBlend_ = v.AsBool();
  else if (n == "AlphaBlendValue") {
    int value = v.AsInt();
    if (value < 0 || value > 255) throw DescriptionError(v.line, "alpha value out of range");
    alphaBlendValue_ = value;
  } else if (n == "TransparentColor") transparentColor_ = v.AsBool();
  else if (n == "TransparentColorValue") transparentColorValue_ = v.AsColor();
  else if (n == "PixelsPerInch") {
    int value = v.AsInt();
    if (value <= 0) throw DescriptionError(v.line, "pixels per inch must be positive");
    pixelsPerInch_ = value;
  }
  else if (n == "Scaled") {
    // Layouts are pixels of their design and never scaled.
    if (v.AsBool()) throw DescriptionError(v.line, "scaled forms are not supported");
  } else if (n == "BorderStyle") {
    const std::string& id = v.AsIdentifier();
    if (id == "bsDialog") borderStyle_ = FormBorderStyle::bsDialog;
    else if (id == "bsSingle") borderStyle_ = FormBorderStyle::bsSingle;
    else if (id == "bsNone") borderStyle_ = FormBorderStyle::bsNone;
    else throw DescriptionError(v.line, "unknown border style " + id);
  } else if (n == "Position") {
    const std::string& id = v.AsIdentifier();
    if (id == "poScreenCenter") position_ = FormPosition::poScreenCenter;
    else if (id == "poDesigned") position_ = FormPosition::poDesigned;
    else throw DescriptionError(v.line, "unknown position " + id);
  } else if (!SetFontOrInert(*this, n, v)) {
    throw DescriptionError(p.line, "a form has no property " + n);
  }
}

void TForm::CreateComponents(const form::ObjectNode& node, Container& parent,
                             const ClassRegistry& classes, LoadContext& context) {
  for (const form::ObjectNode& child : node.children) {
    const ComponentClass* cls = classes.Find(child.className);
    if (!cls) throw DescriptionError(child.line, "unknown class " + child.className);
    std::unique_ptr<Component> component = cls->create(ParentSite{*this, parent, &child}, child);
    component->SetName(child.name);
    WinControl* windowed = component->AsWinControl();
    if (windowed) windowed->BeginStoredProperties();
    for (const Property& p : child.properties)
      if (!component->SetProperty(p, context))
        throw DescriptionError(p.line, child.className + " has no property " + p.name);
    if (windowed) windowed->EndStoredProperties();
    Component* raw = component.get();
    components_.push_back(std::move(component));
    byName_[child.name] = raw;
    if (!child.children.empty()) {
      Container* surface = raw->AsContainer();
      if (!surface) throw DescriptionError(child.line, child.className + " cannot hold components");
      CreateComponents(child, *surface, classes, context);
    }
  }
}

void TForm::ArrangeTabOrder() {
  // Per parent window, windowed siblings in TabOrder (creation order for
  // equal or unset values): the dialog manager walks the window order.
  // A control without a TabOrder takes its place among its siblings by
  // creation.
  struct Entry {
    WinControl* control;
    int key;
  };
  std::map<HWND, std::vector<Entry>> siblings;
  for (const auto& c : components_) {
    if (WinControl* win = c->AsWinControl()) {
      auto& list = siblings[GetParent(win->Handle())];
      int created = static_cast<int>(list.size());
      list.push_back(Entry{win, win->TabOrder() < 0 ? created : win->TabOrder()});
    }
  }
  for (auto& [parent, list] : siblings) {
    const auto byKey = [](const Entry& a, const Entry& b) { return a.key < b.key; };
    // Windows made one after the other already stand in creation order.
    if (std::is_sorted(list.begin(), list.end(), byKey)) continue;
    std::stable_sort(list.begin(), list.end(), byKey);
    HWND after = HWND_TOP;
    for (const Entry& e : list) {
      SetWindowPos(e.control->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      after = e.control->Handle();
    }
  }
}

form::FragmentSource ModuleFragments() {
  return [](std::string_view name) -> std::optional<std::string> {
    std::string resource = "FRAGMENT_";
    for (char c : name) resource += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (auto text = StoredResource(resource)) return std::string(*text);
    return std::nullopt;
  };
}

void TForm::Load(std::string_view description, const ClassRegistry& classes, HWND ownerWindow) {
  if (HandleAllocated()) throw std::logic_error("the form is loaded already");
  form::ObjectNode root = form::ParseDescription(description, ModuleFragments());
  if (root.className != className_)
    throw DescriptionError(root.line, "the description is of " + root.className + ", not " + className_);
  Name = root.name;
  // The layout is made from a scaled copy only where the screen asks for
  // one; the description as written is kept for a later move to a monitor
  // of another resolution.
  form::ObjectNode scaled;
  const form::ObjectNode* layout = &root;
  if (followsScreen_) {
    scaling_ = LayoutScale(WindowDpi(ownerWindow));
    if (!scaling_.IsIdentity()) {
      scaled = root;
      form::ScaleLayout(scaled, scaling_);
      layout = &scaled;
    }
  }
  HandlerTable handlers = boundHandlers_;
  for (auto& entry : Handlers()) handlers.push_back(std::move(entry));
  LoadContext context(*this, handlers);
  for (const Property& p : layout->properties) SetFormProperty(p);
  ScaleFontToScreen();
  CreateFormWindow(ownerWindow);
  CreateComponents(*layout, *this, classes, context);
  if (followsScreen_) design_ = std::move(root);
  for (const auto& c : components_) c->Loaded();
  ArrangeTabOrder();
  for (const auto& bind : componentBinders_) bind();
  BindComponents();
  if (visible_) ShowWindow(Handle(), SW_SHOW);
}

void TForm::LoadFromResource(const char* resourceName, const ClassRegistry& classes,
                             HWND ownerWindow) {
  auto text = StoredResource(resourceName);
  if (!text) throw DescriptionError(0, std::string("no form description ") + resourceName);
  Load(*text, classes, ownerWindow);
}

}  // namespace tk
