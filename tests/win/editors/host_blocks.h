#pragma once
// The GlobalAlloc blocks of this program, the host's strings among them:
// while a HostBlocks lives, the program's own imports of GlobalAlloc and
// GlobalFree go through a count of the blocks they hand out and take back.
// The plug-in's code is linked into the test program, so its blocks are
// counted alike.

#include <cstddef>

namespace editors::test {

class HostBlocks {
 public:
  HostBlocks();
  ~HostBlocks();
  HostBlocks(const HostBlocks&) = delete;
  HostBlocks& operator=(const HostBlocks&) = delete;

  // Blocks made since the count began and not freed yet.
  std::size_t Live() const;
};

}  // namespace editors::test
