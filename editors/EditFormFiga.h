#pragma once
// TFormFiga, the editor of TarvexCreate: all ten parameters and a live
// preview gauge that the kinds list, the check boxes, the track bar and the
// colour and font choosers move.

#include <string>
#include <vector>

#include "editors/EditorFrame.h"
#include "editors/core/create_editor.h"

namespace gauges {
class TGauge;
}
namespace tk {
class TTrackBar;
}

namespace editors {

class TFormFiga : public TEditorForm {
 public:
  explicit TFormFiga(HWND parentWindow);

  // Published handlers besides the frame's.
  void SpeedButton1Click();  // variable for LEdit2
  void SpeedButton3Click();  // variable for LEdit3
  void SpeedButton6Click();  // variable for LEdit4
  void SpeedButton8Click();  // variable for LEdit5
  void SpeedButton2Click();  // colour of LEdit2 -> preview ForeColor
  void SpeedButton4Click();  // colour of LEdit3 -> preview BackColor
  void SpeedButton5Click();  // colour of LEdit4 -> preview Color
  void SpeedButton7Click();  // font of LEdit5 -> preview font
  void ComboBox1Select();
  void CheckBox1Click();
  void CheckBox2Click();
  void TrackBar1Change();

  // Fill at open from the ten slots (after the object name), and the ten
  // texts to write back after OK, in slot order.
  void Fill(nb::HostSlot* slots);
  std::vector<std::string> SlotTexts() const;
  // The preview opens at 6 of 10.
  void StartPreview();

  tk::TLabel* Label1 = nullptr;
  tk::TLabel* Label2 = nullptr;
  tk::TLabel* Label3 = nullptr;
  tk::TLabel* Label4 = nullptr;
  tk::TLabeledEdit* LEdit2 = nullptr;
  tk::TLabeledEdit* LEdit3 = nullptr;
  tk::TLabeledEdit* LEdit4 = nullptr;
  tk::TLabeledEdit* LEdit5 = nullptr;
  tk::TComboBox* ComboBox1 = nullptr;
  tk::TSpinEdit* SpinEdit1 = nullptr;
  tk::TSpinEdit* SpinEdit2 = nullptr;
  tk::TSpinEdit* SpinEdit3 = nullptr;
  tk::TCheckBox* CheckBox1 = nullptr;
  tk::TCheckBox* CheckBox2 = nullptr;
  tk::TTrackBar* TrackBar1 = nullptr;
  gauges::TGauge* Gauge1 = nullptr;
  tk::TLabel* LabelFont = nullptr;

 private:
  void ShowKind(const KindRow& row, bool atOpen);
  void ScalingChanged() override;
  // The preview at previewPlace_, scaled to the screen.
  void PlacePreview();
  // The preview's place as last chosen, in the design's pixels: left, top,
  // width, height.
  RECT previewPlace_{};
  FlagTexts flags_;
  bool hideTextClicked_ = false;
  bool hideGaugeClicked_ = false;
};

extern TFormFiga* FormFiga;

}  // namespace editors
