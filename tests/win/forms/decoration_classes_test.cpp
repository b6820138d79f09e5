// The gradient panel and the gauge built from a description, as the editor
// dialogs store them: every stored property reaches the control.
#include <windows.h>

#include <gtest/gtest.h>

#include "decor/FormClasses.h"
#include "decor/Gradient.h"
#include "gauge/Gauges.h"
#include "toolkit/form.h"
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

}  // namespace
