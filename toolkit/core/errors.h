#pragma once

#include <stdexcept>
#include <string>

namespace tk {

// A property write that the control refuses (the message is for the caller).
class EInvalidOperation : public std::runtime_error {
 public:
  explicit EInvalidOperation(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tk
