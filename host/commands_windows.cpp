// Commands about the host's objects, the plug-in's windows inside them,
// pictures and resource counts.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "host/commands.h"
#include "host/core/syntax.h"
#include "host/pictures.h"
#include "toolkit/gui_objects.h"

namespace host {
namespace {

using script::Line;

void Report(CommandContext& c, const std::string& error) {
  if (!error.empty()) c.out.Fail(error);
}

void Object(CommandContext& c, const Line& line) {
  Report(c, c.session.Window().Create(TextArg(line, 1), IntArg(line, 2), IntArg(line, 3),
                                      IntArg(line, 4), IntArg(line, 5)));
}
void Move(CommandContext& c, const Line& line) {
  Report(c, c.session.Window().Move(TextArg(line, 1), IntArg(line, 2), IntArg(line, 3)));
}
void Resize(CommandContext& c, const Line& line) {
  Report(c, c.session.Window().Resize(TextArg(line, 1), IntArg(line, 2), IntArg(line, 3)));
}
void HostWindow(CommandContext& c, const Line& line) {
  Report(c, c.session.Window().SetClientSize(IntArg(line, 1), IntArg(line, 2)));
}
void DestroyObject(CommandContext& c, const Line& line) {
  Report(c, c.session.Window().Destroy(TextArg(line, 1)));
}

HWND ObjectWindow(CommandContext& c, const Line& line) {
  HWND object = c.session.Window().Find(TextArg(line, 1));
  if (!object) c.out.Fail("no object named \"" + TextArg(line, 1) + "\"");
  return object;
}

// The plug-in's window in an object: the object's first child window.
HWND PluginWindow(CommandContext& c, const Line& line) {
  HWND object = ObjectWindow(c, line);
  if (!object) return nullptr;
  HWND child = GetWindow(object, GW_CHILD);
  if (!child) c.out.Fail("object \"" + TextArg(line, 1) + "\" holds no plug-in window");
  return child;
}

// The host destroys the plug-in's window itself, behind the plug-in's back.
void DestroyPluginWindow(CommandContext& c, const Line& line) {
  if (HWND window = PluginWindow(c, line)) DestroyWindow(window);
}

void Post(CommandContext& c, const Line& line) {
  if (HWND window = PluginWindow(c, line)) {
    c.session.lastReply = SendMessageW(window, kHostRequest, 0, IntArg(line, 2));
  }
}

void ExpectReply(CommandContext& c, const Line& line) {
  if (!c.session.lastReply) {
    c.out.Fail("no post has been answered yet");
  } else if (*c.session.lastReply != IntArg(line, 1)) {
    c.out.Fail("expected the reply " + std::to_string(IntArg(line, 1)) + ", found " +
               std::to_string(*c.session.lastReply));
  }
}

void Capture(CommandContext& c, const Line& line) {
  HWND object = ObjectWindow(c, line);
  HWND window = PluginWindow(c, line);
  if (!window) return;
  RECT client{};
  GetClientRect(object, &client);
  LRESULT reply = 0;
  c.session.lastCapture = CapturePaintRequest(window, client.right, client.bottom, reply);
  c.session.lastReply = reply;
}

std::string Hex(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
  return text;
}

const Picture* LastCapture(CommandContext& c) {
  if (!c.session.lastCapture) c.out.Fail("no capture has been taken");
  return c.session.lastCapture ? &*c.session.lastCapture : nullptr;
}

void ExpectPixel(CommandContext& c, const Line& line) {
  const Picture* picture = LastCapture(c);
  if (!picture) return;
  int x = IntArg(line, 1), y = IntArg(line, 2);
  std::uint32_t expected = *script::ParseRgb(TextArg(line, 3));
  if (!picture->Contains(x, y)) {
    c.out.Fail(std::string("(") + std::to_string(x) + ", " + std::to_string(y) + ") is outside the " +
               std::to_string(picture->width) + "x" + std::to_string(picture->height) + " capture");
  } else if (picture->At(x, y) != expected) {
    c.out.Fail("pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): expected " + Hex(expected) +
               ", found " + Hex(picture->At(x, y)));
  }
}

void ExpectCaptureUntouched(CommandContext& c, const Line&) {
  const Picture* picture = LastCapture(c);
  if (!picture || picture->AllEqual(kMagenta)) return;
  for (int y = 0; y < picture->height; ++y) {
    for (int x = 0; x < picture->width; ++x) {
      if (picture->At(x, y) != kMagenta) {
        c.out.Fail("the capture was painted: (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                   Hex(picture->At(x, y)));
        return;
      }
    }
  }
}

void SaveCapture(CommandContext& c, const Line& line) {
  if (const Picture* picture = LastCapture(c)) Report(c, SavePng(*picture, TextArg(line, 1)));
}

void Screenshot(CommandContext& c, const Line& line) {
  Report(c, SavePng(host::Screenshot(c.session.Window().Handle()), TextArg(line, 1)));
}

void ExpectPluginWindows(CommandContext& c, const Line& line) {
  HWND object = ObjectWindow(c, line);
  if (!object) return;
  int count = 0;
  for (HWND child = GetWindow(object, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  if (count != IntArg(line, 2)) {
    c.out.Fail("object \"" + TextArg(line, 1) + "\": expected " + std::to_string(IntArg(line, 2)) +
               " plug-in windows, found " + std::to_string(count));
  }
}

void ExpectPluginWindow(CommandContext& c, const Line& line) {
  HWND window = PluginWindow(c, line);
  if (!window) return;
  const std::string& state = TextArg(line, 2);
  std::string prefix = "the plug-in window in \"" + TextArg(line, 1) + "\" ";
  bool visible = (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
  bool enabled = IsWindowEnabled(window) != 0;
  if (state == "visible" && !visible) c.out.Fail(prefix + "is hidden");
  if (state == "hidden" && visible) c.out.Fail(prefix + "is visible");
  if (state == "enabled" && !enabled) c.out.Fail(prefix + "is disabled");
  if (state == "disabled" && enabled) c.out.Fail(prefix + "is enabled");
  if (state == "size") {
    RECT r{};
    GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width != IntArg(line, 3) || height != IntArg(line, 4)) {
      c.out.Fail(prefix + "is " + std::to_string(width) + "x" + std::to_string(height) + ", expected " +
                 std::to_string(IntArg(line, 3)) + "x" + std::to_string(IntArg(line, 4)));
    }
  }
}

// A gauge hidden by TarvexSetVisible leaves its window in place and paints
// only the window's own colour; a shown one paints more than one colour (its
// percentage text is the inverse of what lies under it). So a shown gauge
// drawn in one colour only, with its text hidden, reads as hidden.
void ExpectGauge(CommandContext& c, const Line& line) {
  HWND object = ObjectWindow(c, line);
  HWND window = PluginWindow(c, line);
  if (!window) return;
  bool expectShown = TextArg(line, 2) == "shown";
  std::string prefix = "the gauge in \"" + TextArg(line, 1) + "\" ";
  if (!(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE)) {
    if (expectShown) c.out.Fail(prefix + "is not shown: its whole window is hidden");
    return;
  }
  RECT client{};
  GetClientRect(object, &client);
  LRESULT reply = 0;
  Picture picture = CapturePaintRequest(window, client.right, client.bottom, reply);
  bool flat = picture.pixels.empty() || picture.AllEqual(picture.pixels.front());
  if (expectShown && flat) {
    c.out.Fail(prefix + "is hidden: its window paints one colour only (or the gauge shows one colour, text hidden)");
  } else if (!expectShown && !flat) {
    c.out.Fail(prefix + "is shown");
  }
}

void GdiMark(CommandContext& c, const Line&) { c.session.resourceMark = tk::CountGuiObjects(); }

void ExpectGdiFlat(CommandContext& c, const Line& line) {
  if (!c.session.resourceMark) {
    c.out.Fail("no gdi-mark was set");
    return;
  }
  long tolerance = line.tokens.size() > 1 ? IntArg(line, 1) : 0;
  tk::GuiObjects now = tk::CountGuiObjects();
  const tk::GuiObjects& mark = *c.session.resourceMark;
  auto check = [&](const char* what, long then, long current) {
    long growth = current - then;
    if (std::labs(growth) > tolerance) {
      c.out.Fail(std::string(what) + " objects went from " + std::to_string(then) + " to " +
                 std::to_string(current));
    }
  };
  check("GDI", mark.gdi, now.gdi);
  check("USER", mark.user, now.user);
}

}  // namespace

void AddWindowCommands(CommandTable& table) {
  table.insert({
      {"object", Object},
      {"host-window", HostWindow},
      {"move", Move},
      {"resize", Resize},
      {"destroy-object", DestroyObject},
      {"destroy-plugin-window", DestroyPluginWindow},
      {"post", Post},
      {"expect-reply", ExpectReply},
      {"capture", Capture},
      {"expect-pixel", ExpectPixel},
      {"expect-capture-untouched", ExpectCaptureUntouched},
      {"save-capture", SaveCapture},
      {"screenshot", Screenshot},
      {"expect-plugin-windows", ExpectPluginWindows},
      {"expect-plugin-window", ExpectPluginWindow},
      {"expect-gauge", ExpectGauge},
      {"gdi-mark", GdiMark},
      {"expect-gdi-flat", ExpectGdiFlat},
  });
}

}  // namespace host
