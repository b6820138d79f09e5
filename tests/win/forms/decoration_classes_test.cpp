// The gradient panel and the gauge built from a description, as the editor
// dialogs store them: every stored property reaches the control.
#include <windows.h>

#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "decor/FormClasses.h"
#include "decor/Gradient.h"
#include "gauge/Gauges.h"
#include "toolkit/form.h"
#include "toolkit/graphics.h"
#include "toolkit/panel.h"

namespace {

class PreviewForm : public tk::TForm {
 public:
  PreviewForm() : tk::TForm("TPreviewForm") {}
};

constexpr char kPreview[] =
    "object PreviewForm: TPreviewForm\n"
    "  ClientWidth = 300\n"
    "  ClientHeight = 200\n"
    "  object pnl3: TPanel\n"
    "    Left = 10\n    Top = 10\n    Width = 200\n    Height = 46\n"
    "    BevelOuter = bvNone\n"
    "    object grdnt14: TGradient\n"
    "      Left = 0\n      Top = 0\n      Width = 200\n      Height = 20\n"
    "      ColorBegin = clSkyBlue\n"
    "      Style = gsLinearH\n"
    "      Shape = stRoundRect\n"
    "      BorderColor = clMedGray\n"
    "      BorderWidth = 1\n"
    "      Shift = -20\n"
    "      Rotation = 30\n"
    "      Reverse = True\n"
    "    end\n"
    "  end\n"
    "  object Gauge1: TGauge\n"
    "    Left = 220\n    Top = 60\n    Width = 70\n    Height = 70\n"
    "    Kind = gkVerticalBar\n"
    "    Progress = 6\n"
    "    MaxValue = 10\n"
    "    MinValue = 2\n"
    "    BorderStyle = bsNone\n"
    "    ForeColor = clRed\n"
    "    BackColor = 65280\n"
    "    ShowText = False\n"
    "  end\n"
    "end\n";

TEST(DecorationClasses, GradientAndGaugeTakeTheirStoredProperties) {
  PreviewForm form;
  form.Load(kPreview, decor::FormClasses(), nullptr);

  auto& gradient = form.Get<decor::TGradient>("grdnt14");
  EXPECT_EQ(gradient.Parent(), &form.Get<tk::TPanel>("pnl3").Surface());
  EXPECT_EQ(gradient.ColorBegin(), tk::clSkyBlue);
  EXPECT_EQ(gradient.ColorEnd(), tk::clBtnFace) << "default kept";
  EXPECT_EQ(gradient.Style(), decor::gsLinearH);
  EXPECT_EQ(gradient.Shape(), decor::stRoundRect);
  EXPECT_EQ(gradient.BorderColor(), tk::clMedGray);
  EXPECT_EQ(gradient.BorderWidth(), 1);
  EXPECT_EQ(gradient.Shift(), -20);
  EXPECT_EQ(gradient.Rotation(), 30);
  EXPECT_TRUE(gradient.Reverse());
  EXPECT_EQ(gradient.Width(), 200);
  EXPECT_EQ(gradient.Height(), 20);
  EXPECT_EQ(gradient.RebuildCount(), 1u) << "one pattern, of the stored values, not the default's first";

  auto& gauge = form.Get<gauges::TGauge>("Gauge1");
  EXPECT_EQ(gauge.Kind(), gauges::gkVerticalBar);
  EXPECT_EQ(gauge.MinValue(), 2);
  EXPECT_EQ(gauge.MaxValue(), 10) << "range stored before it is checked";
  EXPECT_EQ(gauge.Progress(), 6);
  EXPECT_EQ(gauge.BorderStyle(), gauges::bsNone);
  EXPECT_EQ(gauge.ForeColor(), tk::clRed);
  EXPECT_EQ(gauge.BackColor(), tk::clLime);
  EXPECT_FALSE(gauge.ShowText());
  EXPECT_THROW(gauge.SetMinValue(11), tk::EInvalidOperation) << "checked again after loading";
}

// The names stored forms give the styles and shapes, in ordinal order: each
// loads as its value, on the gradient panel and on the shape figure.
TEST(DecorationClasses, EveryStyleAndShapeNameLoadsAsItsValue) {
  const char* const styles[] = {
      "gsCustom",     "gsRadialC",    "gsRadialT",    "gsRadialB",    "gsRadialL",
      "gsRadialR",    "gsRadialTL",   "gsRadialTR",   "gsRadialBL",   "gsRadialBR",
      "gsLinearH",    "gsLinearV",    "gsReflectedH", "gsReflectedV", "gsDiagonalLF",
      "gsDiagonalLB", "gsDiagonalRF", "gsDiagonalRB", "gsArrowL",     "gsArrowR",
      "gsArrowU",     "gsArrowD",     "gsDiamond",    "gsButterfly",  "gsRadialRect"};
  const char* const shapes[] = {"stRectangle", "stSquare",  "stRoundRect",
                                "stRoundSquare", "stEllipse", "stCircle"};
  for (int style = 0; style < static_cast<int>(std::size(styles)); ++style) {
    const int shape = style % static_cast<int>(std::size(shapes));
    const std::string description = std::string("object PreviewForm: TPreviewForm\n") +
                                    "  object Gradient1: TGradient\n    Style = " + styles[style] +
                                    "\n    Shape = " + shapes[shape] + "\n  end\n" +
                                    "  object Shape1: TShape\n    Shape = " + shapes[shape] +
                                    "\n  end\nend\n";
    PreviewForm form;
    form.Load(description, decor::FormClasses(), nullptr);
    const auto& gradient = form.Get<decor::TGradient>("Gradient1");
    EXPECT_EQ(gradient.Style(), style) << styles[style];
    EXPECT_EQ(gradient.Shape(), shape) << shapes[shape];
    EXPECT_EQ(form.Get<tk::TShape>("Shape1").Shape(), shape) << shapes[shape];
  }
  PreviewForm form;
  EXPECT_THROW(form.Load("object PreviewForm: TPreviewForm\n  object Gradient1: TGradient\n"
                         "    Style = gsradialc\n  end\nend\n",
                         decor::FormClasses(), nullptr),
               tk::form::DescriptionError)
      << "names are matched exactly";
}

}  // namespace
