#pragma once
// The bytes of an RCDATA resource stored in this module.

#include <optional>
#include <string>
#include <string_view>

namespace tk {

// The bytes stay valid as long as the module is loaded; empty when there is
// no such resource.
std::optional<std::string_view> StoredResource(const std::string& name);

}  // namespace tk
