#pragma once
// Stored form descriptions: the text that gives a form's properties and its
// components, read in one place. The format:
//
//   # a comment line
//   object AboutBoxForm: TAboutBoxForm      <- name and class
//     Caption = 'About'                     <- string: '' is a quote, #nnn a byte
//     ClientWidth = 319                     <- integer (also -5, $FF)
//     Color = clWhite                       <- identifier (enum value, colour, True)
//     Font.Style = [fsBold, fsItalic]       <- set of identifiers
//     Items = ('Show', 'Hide')              <- list of strings
//     OnClick = Button1Click                <- event: the handler's name
//     object Button1: TButton               <- a component, nested in its parent
//       ...
//     end
//   end
//
// Properties are applied in the order written; components are created in the
// order written (later windowless ones paint over earlier ones).
//
// Stored fragments: inside any object, a line
//   include FieldGroup(Name = 'pnl2', Top = 113)
// inserts the fragment's lines there (property lines and object blocks, no
// root), after replacing every $(Name) in its text by the value exactly as
// written. Fragments may include fragments. A missing fragment, a $(Key)
// without a value and a parameter the fragment never uses are errors naming
// the include line; nodes and properties from a fragment carry that line.

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/color.h"

namespace tk::form {

// A description that cannot be read or applied; line is 0 when unknown.
class DescriptionError : public std::runtime_error {
 public:
  DescriptionError(int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

struct Value {
  enum class Kind { Integer, String, Identifier, Set, List };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  std::string text;                // String, Identifier
  std::vector<std::string> items;  // Set (identifiers), List (strings)
  int line = 0;

  // Typed reads; each throws DescriptionError naming the line on a mismatch.
  int AsInt() const;
  const std::string& AsString() const;
  const std::string& AsIdentifier() const;
  bool AsBool() const;  // True / False, in any letter case
  TColor AsColor() const;  // integer or colour identifier
  const std::vector<std::string>& AsSet() const;
  const std::vector<std::string>& AsList() const;
};

struct Property {
  std::string name;  // may be dotted: Font.Name, EditLabel.Caption
  Value value;
  int line = 0;
};

struct ObjectNode {
  std::string name;
  std::string className;
  int line = 0;
  std::vector<Property> properties;
  std::vector<ObjectNode> children;

  // The one reader of a stored object's properties, for what must be known
  // before they are applied (a window is made in its stored place, with its
  // stored frame and kind). One rule: of a name written more than once, the
  // last counts, as when the properties are applied in order (a fragment's
  // value, then the object's own written after the include). Null when the
  // object does not write it.
  const Property* Find(std::string_view propertyName) const;
  // Typed reads by the same rule, read as Value's typed reads read them;
  // nothing for a value of another kind or out of range (applying the
  // property reports it).
  std::optional<int> FindInteger(std::string_view propertyName) const;
  std::optional<bool> FindBool(std::string_view propertyName) const;  // True / False in any letter case
  std::optional<std::string> FindIdentifier(std::string_view propertyName) const;
};

// The text of the named fragment; nullopt when there is none.
using FragmentSource = std::function<std::optional<std::string>(std::string_view name)>;

ObjectNode ParseDescription(std::string_view text, const FragmentSource& fragments = {});

// Visits the node and every nested component, parents first.
template <typename Visit>
void ForEachObject(const ObjectNode& node, Visit&& visit) {
  visit(node);
  for (const ObjectNode& child : node.children) ForEachObject(child, visit);
}

}  // namespace tk::form
