#include "decor/FormClasses.h"

#include "decor/LinkLabel.h"

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

tk::ClassRegistry MakeRegistry() {
  tk::ClassRegistry registry;
  tk::AddStandardClasses(registry);
  registry.Add(LinkLabelClass());
  return registry;
}

}  // namespace

const tk::ClassRegistry& FormClasses() {
  static const tk::ClassRegistry registry = MakeRegistry();
  return registry;
}

}  // namespace decor
