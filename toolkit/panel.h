#pragma once
// TPanel: a windowed surface that carries components of both kinds.

#include <string>

#include "toolkit/container.h"
#include "toolkit/core/coded_text.h"
#include "toolkit/font_handle.h"
#include "toolkit/win_control.h"

namespace tk {

enum class PanelBevel { bvNone, bvLowered, bvRaised };

class PanelSurface : public Container {
 public:
  PanelBevel outer = PanelBevel::bvRaised;
  PanelBevel inner = PanelBevel::bvNone;
  CodedText caption;
  // Made where a stored object places it (else at 0,0, visible).
  void Create(HWND parent, int id, const StoredPlacement& placement = {});
  // The form whose components the surface carries: their notifications go back to them.
  void SetForm(TForm* form) { form_ = form; }
  LayoutScale Scaling() const override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintBackground(HDC dc, const RECT& client) override;

 private:
  FontCache captionFont_;
  TForm* form_ = nullptr;
};

class TPanel : public WinControl {
 public:
  explicit TPanel(const ParentSite& site);
  ~TPanel() override;
  Container& Surface() { return surface_; }
  void SetBevelOuter(PanelBevel bevel);
  void SetBevelInner(PanelBevel bevel);
  void SetCaption(const std::string& caption);
  // Bytes in a stated code page, drawn through the wide-character API.
  void SetCaption(const CodedText& caption);
  const std::string& Caption() const { return surface_.caption.bytes; }
  CodedText CaptionText() const { return surface_.caption; }
  void SetColor(TColor color) override;
  void SetFont(const FontRecord& font) override;
  // The surface's own procedure reads its object from the window's user
  // data: a panel takes no message filter (WinControl's throws).
  int AddMessageFilter(MessageFilter filter) = delete;

 private:
  PanelSurface surface_;
};

}  // namespace tk
