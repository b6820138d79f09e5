// The kept surfaces of painting: the paint buffer follows the display's
// colour depth, and bitmaps are copied from a DC the process keeps.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/host_window.h"
#include "toolkit/dib.h"
#include "toolkit/gui_objects.h"
#include "toolkit/paint_buffer.h"

namespace {

HGDIOBJ BufferBitmap(tk::PaintBuffer& buffer) { return GetCurrentObject(buffer.dc(), OBJ_BITMAP); }

int BitmapDepth(HGDIOBJ bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return info.bmBitsPixel * info.bmPlanes;
}

// Puts the depth the process knows back as the screen has it.
struct KnownDepthRestored {
  ~KnownDepthRestored() { tk::PaintBuffer::DisplayChanged(screen); }
  int screen = tk::PaintBuffer::DisplayBitsPerPixel();
};

TEST(PaintBuffer, IsMadeAnewAsLargeWhenTheDisplayDepthChanges) {
  KnownDepthRestored restore;
  const int screen = restore.screen;
  ASSERT_GT(screen, 0);
  const int other = screen == 16 ? 32 : 16;

  tk::PaintBuffer buffer;
  ASSERT_TRUE(buffer.Reserve(40, 30));
  EXPECT_EQ(buffer.BitsPerPixel(), screen);
  EXPECT_EQ(BitmapDepth(BufferBitmap(buffer)), screen);
  const HGDIOBJ first = BufferBitmap(buffer);

  ASSERT_TRUE(buffer.Reserve(10, 10));
  EXPECT_EQ(BufferBitmap(buffer), first) << "same depth, room enough: kept";

  tk::PaintBuffer::DisplayChanged(other);
  ASSERT_TRUE(buffer.Reserve(10, 10));
  EXPECT_NE(BufferBitmap(buffer), first) << "another depth: made anew";
  EXPECT_EQ(buffer.Width(), 40);
  EXPECT_EQ(buffer.Height(), 30);
  // Made in the screen's own format, which the process now knows again.
  EXPECT_EQ(buffer.BitsPerPixel(), screen);
  EXPECT_EQ(tk::PaintBuffer::DisplayBitsPerPixel(), screen);
  const HGDIOBJ second = BufferBitmap(buffer);
  ASSERT_TRUE(buffer.Reserve(10, 10));
  EXPECT_EQ(BufferBitmap(buffer), second) << "and kept from then on";
}

TEST(PaintBuffer, ATopLevelWindowPassesTheNewDepthOn) {
  KnownDepthRestored restore;
  const int other = restore.screen == 16 ? 32 : 16;
  tarvex::test::HostWindow window(50, 50);
  SendMessageW(window.Handle(), WM_DISPLAYCHANGE, other, MAKELPARAM(1024, 768));
  EXPECT_EQ(tk::PaintBuffer::DisplayBitsPerPixel(), other);
}

TEST(PaintBuffer, RemakingForADepthKeepsOneBitmap) {
  KnownDepthRestored restore;
  tk::PaintBuffer buffer;
  ASSERT_TRUE(buffer.Reserve(20, 20));
  const long before = tk::CountGuiObjects().gdi;
  for (int depth : {16, restore.screen, 24, restore.screen}) {
    tk::PaintBuffer::DisplayChanged(depth);
    ASSERT_TRUE(buffer.Reserve(20, 20)) << depth;
    EXPECT_EQ(tk::CountGuiObjects().gdi, before) << depth;
  }
}

TEST(SourceDC, LendsTheKeptDcAndGivesANestedUseItsOwn) {
  void* bitsA = nullptr;
  void* bitsB = nullptr;
  tk::Bitmap freeA = tk::CreateTopDownDib(4, 4, &bitsA), freeB = tk::CreateTopDownDib(4, 4, &bitsB);
  ASSERT_TRUE(freeA && freeB);
  { tk::SourceDC first(freeA.get()); }  // the kept DC is made at its first use
  const long before = tk::CountGuiObjects().gdi;
  HDC keptDc = nullptr;
  {
    tk::SourceDC outer(freeA.get());
    ASSERT_NE(outer.get(), nullptr);
    EXPECT_TRUE(outer.Kept());
    EXPECT_EQ(GetCurrentObject(outer.get(), OBJ_BITMAP), freeA.get());
    keptDc = outer.get();
    {
      tk::SourceDC inner(freeB.get());
      ASSERT_NE(inner.get(), nullptr);
      EXPECT_FALSE(inner.Kept());
      EXPECT_NE(inner.get(), outer.get());
      EXPECT_EQ(GetCurrentObject(inner.get(), OBJ_BITMAP), freeB.get());
    }
    EXPECT_EQ(GetCurrentObject(outer.get(), OBJ_BITMAP), freeA.get()) << "the nested use left it alone";
  }
  EXPECT_NE(GetCurrentObject(keptDc, OBJ_BITMAP), freeA.get()) << "the bitmap left the kept DC";
  tk::SourceDC again(freeB.get());
  EXPECT_TRUE(again.Kept()) << "the kept DC is free again";
  EXPECT_EQ(again.get(), keptDc);
  EXPECT_EQ(tk::CountGuiObjects().gdi, before) << "no DC or object left behind";
}

TEST(SourceDC, ABitmapThatCannotBeSelectedGivesNoDc) {
  tk::DibSection selected(4, 4);  // its bitmap is in its own DC already
  const HGDIOBJ busy = GetCurrentObject(selected.dc(), OBJ_BITMAP);
  struct Case {
    const char* what;
    HBITMAP bitmap;
  } cases[] = {{"none", nullptr}, {"selected elsewhere", static_cast<HBITMAP>(busy)}};
  for (const Case& c : cases) {
    tk::SourceDC source(c.bitmap);
    EXPECT_EQ(source.get(), nullptr) << c.what;
  }
  void* bits = nullptr;
  tk::Bitmap free = tk::CreateTopDownDib(2, 2, &bits);
  tk::SourceDC works(free.get());
  EXPECT_NE(works.get(), nullptr);
  EXPECT_TRUE(works.Kept()) << "a failed use gives the kept DC back";
}

}  // namespace
