#include "decor/FormClasses.h"

#include "decor/Gradient.h"
#include "decor/LinkLabel.h"
#include "gauge/Gauges.h"
#include "toolkit/core/gauge_kind.h"

namespace decor {

namespace {

tk::ComponentClass LinkLabelClass() {
  tk::PropertyTable<TLinkLabel> properties;
  for (auto& [name, setter] : tk::LabelProperties()) {
    tk::PropertySetter<tk::TLabel> inner = setter;
    properties[name] = [inner](TLinkLabel& o, const tk::form::Value& v, tk::LoadContext& c) {
      inner(o, v, c);
    };
  }
  properties["LinkType"] = tk::EnumSetter(
      &TLinkLabel::SetLinkType,
      std::vector<std::pair<std::string, TLinkType>>{
          {"ltfile", ltfile}, {"ltftp", ltftp}, {"ltgopher", ltgopher},
          {"lthttp", lthttp}, {"lthttps", lthttps}, {"ltmailto", ltmailto},
          {"ltnews", ltnews}, {"lttelnet", lttelnet}, {"ltwais", ltwais}});
  properties["HyperLink"] = tk::StringSetter(&TLinkLabel::SetHyperLink);
  return tk::MakeComponentClass<TLinkLabel>("TLinkLabel", std::move(properties));
}

// Stored values are applied while loading: no pattern is rendered until all
// of them are in.
class StoredGradient : public TGradient {
 public:
  StoredGradient() : TGradient(StartLoading{}) {}
};

// A setter of a base class's property, for the class that the loader makes.
template <typename Made, typename Base>
tk::PropertySetter<Made> ForMade(tk::PropertySetter<Base> setter) {
  return [setter](Made& o, const tk::form::Value& v, tk::LoadContext& c) { setter(o, v, c); };
}

tk::ComponentClass GradientClass() {
  using P = StoredGradient;
  using B = TGradient;
  return tk::MakeComponentClass<P>(
      "TGradient",
      {
          {"ColorBegin", ForMade<P, B>(tk::ColorSetter(&B::SetColorBegin))},
          {"ColorEnd", ForMade<P, B>(tk::ColorSetter(&B::SetColorEnd))},
          {"UseSysColors", ForMade<P, B>(tk::BoolSetter(&B::SetUseSysColors))},
          {"Style", ForMade<P, B>(tk::EnumSetter(
                        &B::SetStyle, tk::NamesByOrdinal<TGradientStyle>(kGradientStyleNames)))},
          {"Shape", ForMade<P, B>(tk::EnumSetter(
                        &B::SetShape, tk::NamesByOrdinal<TShapeType>(tk::kShapeTypeNames)))},
          {"Shift", ForMade<P, B>(tk::IntSetter(&B::SetShift))},
          {"Rotation", ForMade<P, B>(tk::IntSetter(&B::SetRotation))},
          {"Reverse", ForMade<P, B>(tk::BoolSetter(&B::SetReverse))},
          {"BorderColor", ForMade<P, B>(tk::ColorSetter(&B::SetBorderColor))},
          {"BorderWidth", ForMade<P, B>(tk::IntSetter(&B::SetBorderWidth))},
      });
}

// The range setters check MinValue <= MaxValue only after loading, so the
// two may be stored in either order.
class StoredGauge : public gauges::TGauge {
 public:
  StoredGauge() { BeginLoading(); }
  void Loaded() { EndLoading(); }
};

tk::ComponentClass GaugeClass() {
  using P = StoredGauge;
  using B = gauges::TGauge;
  return tk::MakeComponentClass<P>(
      "TGauge",
      {
          {"Kind", ForMade<P, B>(tk::EnumSetter(
                       &B::SetKind, tk::NamesByOrdinal<tk::TGaugeKind>(tk::kGaugeKindStoredNames)))},
          {"MinValue", ForMade<P, B>(tk::IntSetter(&B::SetMinValue))},
          {"MaxValue", ForMade<P, B>(tk::IntSetter(&B::SetMaxValue))},
          {"Progress", ForMade<P, B>(tk::IntSetter(&B::SetProgress))},
          {"BorderStyle", ForMade<P, B>(tk::EnumSetter<B, gauges::TBorderStyle>(&B::SetBorderStyle,
                              {{"bsNone", gauges::bsNone}, {"bsSingle", gauges::bsSingle}}))},
          {"ForeColor", ForMade<P, B>(tk::ColorSetter(&B::SetForeColor))},
          {"BackColor", ForMade<P, B>(tk::ColorSetter(&B::SetBackColor))},
          {"ShowText", ForMade<P, B>(tk::BoolSetter(&B::SetShowText))},
      });
}

tk::ClassRegistry MakeRegistry() {
  tk::ClassRegistry registry;
  tk::AddStandardClasses(registry);
  registry.Add(LinkLabelClass());
  registry.Add(GradientClass());
  registry.Add(GaugeClass());
  return registry;
}

}  // namespace

const tk::ClassRegistry& FormClasses() {
  static const tk::ClassRegistry registry = MakeRegistry();
  return registry;
}

}  // namespace decor
