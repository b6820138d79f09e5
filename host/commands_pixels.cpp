// Commands that count a capture's pixels inside a box. Text lands somewhere
// inside its box whatever font draws it, never reliably on one pixel.
#include <cstdio>

#include "host/commands.h"
#include "host/core/syntax.h"
#include "host/pictures.h"

namespace host {
namespace {

using script::Line;

// expect-pixels-in X0 Y0 X1 Y1 RRGGBB at-least|at-most N: the box runs from
// (X0, Y0) to (X1, Y1), both corners included.
void ExpectPixelsIn(CommandContext& c, const Line& line) {
  if (!c.session.lastCapture) {
    c.out.Fail("no capture has been taken");
    return;
  }
  const Picture& picture = *c.session.lastCapture;
  int x0 = IntArg(line, 1), y0 = IntArg(line, 2), x1 = IntArg(line, 3), y1 = IntArg(line, 4);
  std::string box = "(" + std::to_string(x0) + ", " + std::to_string(y0) + ")-(" + std::to_string(x1) + ", " +
                    std::to_string(y1) + ")";
  if (x0 > x1 || y0 > y1 || !picture.Contains(x0, y0) || !picture.Contains(x1, y1)) {
    c.out.Fail("the box " + box + " is empty or not inside the " + std::to_string(picture.width) + "x" +
               std::to_string(picture.height) + " capture");
    return;
  }
  std::uint32_t colour = *script::ParseRgb(TextArg(line, 5));
  long count = 0;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) count += picture.At(x, y) == colour ? 1 : 0;
  }
  bool atLeast = TextArg(line, 6) == "at-least";
  long bound = IntArg(line, 7);
  if (atLeast ? count < bound : count > bound) {
    char rgb[8];
    std::snprintf(rgb, sizeof rgb, "%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    c.out.Fail("the box " + box + " holds " + std::to_string(count) + " pixels " + rgb + ", expected " +
               TextArg(line, 6) + " " + std::to_string(bound));
  }
}

}  // namespace

void AddPixelCommands(CommandTable& table) { table.insert({"expect-pixels-in", ExpectPixelsIn}); }

}  // namespace host
