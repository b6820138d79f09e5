// The toolkit's own component classes and the properties descriptions give them.
#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/buttons.h"
#include "toolkit/component.h"
#include "toolkit/edits.h"
#include "toolkit/graphics.h"
#include "toolkit/label.h"
#include "toolkit/lists.h"
#include "toolkit/panel.h"
#include "toolkit/speed_button.h"
#include "toolkit/stored_resource.h"
#include "toolkit/track_bar.h"

namespace tk {

namespace {

using form::DescriptionError;
using form::Value;

template <typename T>
PropertySetter<T> JpegPicture(void (T::*set)(Picture)) {
  return [set](T& o, const Value& v, LoadContext&) {
    // A damaged picture leaves the image empty; a missing one is a mistake.
    if (!StoredResource(v.AsString()))
      throw DescriptionError(v.line, "no picture resource " + v.AsString());
    (o.*set)(Picture::FromJpegResource(v.AsString()));
  };
}

template <typename T>
PropertySetter<T> BitmapPicture(void (T::*set)(Picture)) {
  return [set](T& o, const Value& v, LoadContext&) {
    Picture p = Picture::FromBitmapResource(v.AsString());
    if (p.Empty()) throw DescriptionError(v.line, "no bitmap resource " + v.AsString());
    (o.*set)(std::move(p));
  };
}

HCURSOR CursorFromValue(const Value& v) {
  const std::string& id = v.AsIdentifier();
  if (id == "crDefault") return nullptr;
  if (id == "crHandPoint") return LoadCursorW(nullptr, MAKEINTRESOURCEW(32649));  // IDC_HAND
  if (id == "crArrow") return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  throw DescriptionError(v.line, "unknown cursor " + id);
}

const std::vector<std::pair<std::string, ComboStyle>> kComboStyles = {
    {"csDropDown", ComboStyle::csDropDown}, {"csDropDownList", ComboStyle::csDropDownList}};

// A combo box's kind is fixed when its window is made: the window is made
// with the stored Style (an unknown one is reported when Style is applied).
std::unique_ptr<TComboBox> MakeComboBox(const ParentSite& site, const form::ObjectNode& node) {
  ComboStyle style = ComboStyle::csDropDown;
  if (std::optional<std::string> stored = node.FindIdentifier("Style"))
    for (const auto& [name, value] : kComboStyles)
      if (name == *stored) style = value;
  return std::make_unique<TComboBox>(site, style);
}

const std::vector<std::pair<std::string, PanelBevel>> kBevels = {
    {"bvNone", PanelBevel::bvNone}, {"bvLowered", PanelBevel::bvLowered},
    {"bvRaised", PanelBevel::bvRaised}};

}  // namespace

PropertyTable<TLabel> LabelProperties() {
  return {
      {"Caption", StringSetter<TLabel, const std::string&>(&TLabel::SetCaption)},
      {"AutoSize", BoolSetter(&TLabel::SetAutoSize)},
      {"WordWrap", BoolSetter(&TLabel::SetWordWrap)},
      {"Transparent", BoolSetter(&TLabel::SetTransparent)},
      {"Cursor", [](TLabel& o, const Value& v, LoadContext&) { o.SetCursor(CursorFromValue(v)); }},
      {"OnClick", EventSetter(&TLabel::OnClick)},
  };
}

void AddStandardClasses(ClassRegistry& registry) {
  registry.Add(MakeComponentClass<TLabel>("TLabel", LabelProperties()));

  registry.Add(MakeComponentClass<TImage>(
      "TImage", {
                    {"Picture.Jpeg", JpegPicture(&TImage::SetPicture)},
                    {"Picture.Bitmap", BitmapPicture(&TImage::SetPicture)},
                    {"Stretch", BoolSetter(&TImage::SetStretch)},
                    {"Center", BoolSetter(&TImage::SetCenter)},
                    {"Transparent", BoolSetter(&TImage::SetTransparent)},
                    {"OnClick", EventSetter(&TImage::OnClick)},
                }));

  registry.Add(MakeComponentClass<TShape>(
      "TShape",
      {
          {"Shape", EnumSetter(&TShape::SetShape, NamesByOrdinal<TShapeType>(kShapeTypeNames))},
          {"Pen.Color", ColorSetter(&TShape::SetPenColor)},
          {"Pen.Width", IntSetter(&TShape::SetPenWidth)},
          {"Pen.Style", EnumSetter(&TShape::SetPenClear, {{"psSolid", false}, {"psClear", true}})},
          {"Brush.Color", ColorSetter(&TShape::SetBrushColor)},
          {"Brush.Style", EnumSetter(&TShape::SetBrushClear, {{"bsSolid", false}, {"bsClear", true}})},
      }));

  registry.Add(MakeComponentClass<TSpeedButton>(
      "TSpeedButton", {
                          {"Glyph", BitmapPicture(&TSpeedButton::SetGlyph)},
                          {"Flat", BoolSetter(&TSpeedButton::SetFlat)},
                          {"OnClick", EventSetter(&TSpeedButton::OnClick)},
                      }));

  registry.Add(MakeComponentClass<TButton>(
      "TButton", {
                     {"Caption", StringSetter<TButton, const std::string&>(&TButton::SetCaption)},
                     {"Default", BoolSetter(&TButton::SetDefault)},
                     {"Cancel", BoolSetter(&TButton::SetCancel)},
                     {"ModalResult", IntSetter(&TButton::SetModalResult)},
                     {"OnClick", EventSetter(&TButton::OnClick)},
                 }));

  registry.Add(MakeComponentClass<TCheckBox>(
      "TCheckBox", {
                       {"Caption", StringSetter<TCheckBox, const std::string&>(&TCheckBox::SetCaption)},
                       {"Checked", BoolSetter(&TCheckBox::SetChecked)},
                       {"OnClick", EventSetter(&TCheckBox::OnClick)},
                   }));

  PropertyTable<TLabeledEdit> edit = {
      {"Text", StringSetter(&TLabeledEdit::SetText)},
      {"MaxLength", IntSetter(&TLabeledEdit::SetMaxLength)},
      {"BevelKind", EnumSetter(&TLabeledEdit::SetBevelKind, BevelKindNames())},
      {"BorderStyle", EnumSetter(&TLabeledEdit::SetBorder, {{"bsNone", false}, {"bsSingle", true}})},
      {"OnChange", EventSetter(&TLabeledEdit::OnChange)},
  };
  // EditLabel.<property>: the label's own properties and its common ones.
  for (auto& [name, setter] : LabelProperties()) {
    PropertySetter<TLabel> inner = setter;
    edit["EditLabel." + name] = [inner](TLabeledEdit& o, const Value& v, LoadContext& c) {
      inner(o.EditLabel(), v, c);
      o.PlaceLabel();
    };
  }
  for (const char* name : {"Font.Name", "Font.Height", "Font.Color", "Font.Style", "Font.Charset",
                           "ParentFont", "Visible"}) {
    std::string key = name;
    edit["EditLabel." + key] = [key](TLabeledEdit& o, const Value& v, LoadContext& c) {
      if (!SetCommonProperty(o.EditLabel(), form::Property{key, v, v.line}, c))
        throw DescriptionError(v.line, "a label has no property " + key);
      // Measured once, when the edit is loaded.
      o.PlaceLabel();
    };
  }
  registry.Add(MakeComponentClass<TLabeledEdit>("TLabeledEdit", std::move(edit)));

  registry.Add(MakeComponentClass<TSpinEdit>(
      "TSpinEdit", {
                       {"MinValue", IntSetter(&TSpinEdit::SetMinValue)},
                       {"MaxValue", IntSetter(&TSpinEdit::SetMaxValue)},
                       {"Value", IntSetter(&TSpinEdit::SetValue)},
                       {"MaxLength", IntSetter(&TSpinEdit::SetMaxLength)},
                       {"OnChange", EventSetter(&TSpinEdit::OnChange)},
                   }));

  registry.Add(MakeComponentClass<TComboBox>(
      "TComboBox",
      {
          {"Style", EnumSetter(&TComboBox::SetStyle, kComboStyles)},
          {"ItemHeight", IntSetter(&TComboBox::SetItemHeight)},
          {"DropDownCount", IntSetter(&TComboBox::SetDropDownCount)},
          {"Items", [](TComboBox& o, const Value& v, LoadContext&) { o.SetItems(v.AsList()); }},
          {"ItemIndex", IntSetter(&TComboBox::SetItemIndex)},
          {"OnSelect", EventSetter(&TComboBox::OnSelect)},
          {"OnChange", EventSetter(&TComboBox::OnChange)},
      },
      &MakeComboBox));

  registry.Add(MakeComponentClass<TTrackBar>(
      "TTrackBar",
      {
          {"Orientation", EnumSetter(&TTrackBar::SetOrientation,
                                     {{"trHorizontal", TrackBarOrientation::trHorizontal},
                                      {"trVertical", TrackBarOrientation::trVertical}})},
          {"Min", IntSetter(&TTrackBar::SetMin)},
          {"Max", IntSetter(&TTrackBar::SetMax)},
          {"Position", IntSetter(&TTrackBar::SetPosition)},
          {"Frequency", IntSetter(&TTrackBar::SetFrequency)},
          {"BorderWidth", IntSetter(&TTrackBar::SetBorderWidth)},
          {"OnChange", EventSetter(&TTrackBar::OnChange)},
      }));

  registry.Add(MakeComponentClass<TPanel>(
      "TPanel", {
                    {"BevelOuter", EnumSetter(&TPanel::SetBevelOuter, kBevels)},
                    {"BevelInner", EnumSetter(&TPanel::SetBevelInner, kBevels)},
                    {"Caption", StringSetter<TPanel, const std::string&>(&TPanel::SetCaption)},
                }));
}

}  // namespace tk
