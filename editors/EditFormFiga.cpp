#include "editors/EditFormFiga.h"

#include <optional>
#include <string>
#include <vector>

#include "editors/core/number_field.h"
#include "gauge/Gauges.h"
#include "base/PlugInUtils.h"
#include "base/core/encodings.h"
#include "base/core/font_spec.h"
#include "toolkit/buttons.h"
#include "toolkit/edits.h"
#include "toolkit/font_handle.h"
#include "toolkit/label.h"
#include "toolkit/lists.h"
#include "toolkit/track_bar.h"

namespace editors {

TFormFiga* FormFiga = nullptr;

namespace {

constexpr tk::HandlerBinding<TFormFiga> kHandlers[] = {
    {"Kn1Click", &TFormFiga::Kn1Click},
    {"SpeedVariableClick", &TFormFiga::SpeedVariableClick},
    {"SpeedButton1Click", &TFormFiga::SpeedButton1Click},
    {"SpeedButton3Click", &TFormFiga::SpeedButton3Click},
    {"SpeedButton6Click", &TFormFiga::SpeedButton6Click},
    {"SpeedButton8Click", &TFormFiga::SpeedButton8Click},
    {"SpeedButton2Click", &TFormFiga::SpeedButton2Click},
    {"SpeedButton4Click", &TFormFiga::SpeedButton4Click},
    {"SpeedButton5Click", &TFormFiga::SpeedButton5Click},
    {"SpeedButton7Click", &TFormFiga::SpeedButton7Click},
    {"ComboBox1Select", &TFormFiga::ComboBox1Select},
    {"CheckBox1Click", &TFormFiga::CheckBox1Click},
    {"CheckBox2Click", &TFormFiga::CheckBox2Click},
    {"TrackBar1Change", &TFormFiga::TrackBar1Change},
};
const tk::ComponentBinding<TFormFiga> kComponents[] = {
    {"Label1", &TFormFiga::Label1},       {"Label2", &TFormFiga::Label2},
    {"Label3", &TFormFiga::Label3},       {"Label4", &TFormFiga::Label4},
    {"LEdit2", &TFormFiga::LEdit2},       {"LEdit3", &TFormFiga::LEdit3},
    {"LEdit4", &TFormFiga::LEdit4},       {"LEdit5", &TFormFiga::LEdit5},
    {"ComboBox1", &TFormFiga::ComboBox1}, {"SpinEdit1", &TFormFiga::SpinEdit1},
    {"SpinEdit2", &TFormFiga::SpinEdit2}, {"SpinEdit3", &TFormFiga::SpinEdit3},
    {"CheckBox1", &TFormFiga::CheckBox1}, {"CheckBox2", &TFormFiga::CheckBox2},
    {"TrackBar1", &TFormFiga::TrackBar1}, {"Gauge1", &TFormFiga::Gauge1},
    {"LabelFont", &TFormFiga::LabelFont},
};

constexpr int kPreviewStart = 6;  // of 10: the preview opens at 60 %

std::optional<std::string_view> SlotText(nb::HostSlot slot) {
  if (slot == nullptr) return std::nullopt;
  return std::string_view(slot);
}

// A colour slot for the preview: nil gives whenNil; an unreadable text
// leaves the preview's colour.
void PreviewColour(gauges::TGauge& gauge, void (gauges::TGauge::*setter)(tk::TColor), nb::HostSlot slot,
                   tk::TColor whenNil) {
  if (slot == nullptr) {
    (gauge.*setter)(whenNil);
  } else if (auto colour = nb::ParseColourTriple(slot)) {
    (gauge.*setter)(*colour);
  }
}

// A number box: nil shows the default; a stored text is shown as it stands
// and kept until the author changes the box.
void FillNumber(tk::TSpinEdit& field, nb::HostSlot slot, int whenNil) {
  field.SetIntegerReader(&ReadNumberText);
  if (slot != nullptr) field.SetText(slot);
  else field.SetValue(whenNil);
}

std::string NumberText(const tk::TSpinEdit& field) {
  return field.ChangedByAuthor() ? std::to_string(field.Value()) : field.Text();
}

}  // namespace

TFormFiga::TFormFiga(HWND parentWindow) : TEditorForm("TFormFiga") {
  BindTables(this, kHandlers, kComponents);
  LoadEditor("FORM_FORMFIGA", parentWindow);
}

void TFormFiga::ShowKind(const KindRow& row, bool atOpen) {
  Gauge1->SetKind(row.kind);
  previewPlace_ = RECT{row.left, PreviewTop(row, atOpen), row.width, row.height};
  PlacePreview();
}

void TFormFiga::PlacePreview() {
  const RECT& p = previewPlace_;
  const RECT r = ScaledBounds(p.left, p.top, p.right, p.bottom);
  Gauge1->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TFormFiga::ScalingChanged() {
  TEditorForm::ScalingChanged();
  // Before a kind is shown the preview keeps its stored place, scaled with the rest.
  if (previewPlace_.right > 0) PlacePreview();
}

void TFormFiga::Fill(nb::HostSlot* slots) {
  flags_ = ReadFlagTexts(SlotText(slots[9]));

  Localise(*Label1, figa_captions::kKind);
  for (const KindRow& row : KindRows()) ComboBox1->AddItem(std::string(row.text));
  const std::string kind = nb::ReadHostString(slots[1]);
  if (const KindRow* row = FindKindRow(kind)) {
    ComboBox1->SetItemIndex(static_cast<int>(row - KindRows().data()));
    ShowKind(*row, true);
  } else if (!kind.empty()) {
    // A host variable or a word of another case stays as an entry of its own.
    ComboBox1->SetExtraItem(kind);
  }

  Localise(*LEdit2, figa_captions::kProgressColour);
  LEdit2->SetText(nb::ReadHostString(slots[2]));
  PreviewColour(*Gauge1, &gauges::TGauge::SetForeColor, slots[2], tk::clBlack);
  Localise(*LEdit3, figa_captions::kBackColour);
  LEdit3->SetText(nb::ReadHostString(slots[3]));
  PreviewColour(*Gauge1, &gauges::TGauge::SetBackColor, slots[3], tk::clWhite);
  Localise(*LEdit4, figa_captions::kUnderlayColour);
  LEdit4->SetText(nb::ReadHostString(slots[4]));
  PreviewColour(*Gauge1, &gauges::TGauge::SetColor, slots[4], tk::clWhite);

  Localise(*Label2, figa_captions::kMinimum);
  FillNumber(*SpinEdit1, slots[5], 0);
  Localise(*Label3, figa_captions::kMaximum);
  FillNumber(*SpinEdit2, slots[6], 100);

  Localise(*LEdit5, figa_captions::kFont);
  LEdit5->SetText(nb::ReadHostString(slots[7]));
  if (slots[7] != nullptr) {
    tk::FontRecord font = Gauge1->Font();
    if (nb::ApplyFontSpec(slots[7], font, tk::ScreenPixelsPerInch()) != nb::FontSpecResult::TooFewFields)
      Gauge1->SetFont(font);
  }

  Localise(*Label4, figa_captions::kProgress);
  FillNumber(*SpinEdit3, slots[8], 0);

  Localise(*CheckBox1, figa_captions::kHideText);
  CheckBox1->SetChecked(FlagTicks(flags_.hideText));
  Gauge1->SetShowText(!CheckBox1->Checked());
  Localise(*CheckBox2, figa_captions::kHideGauge);
  CheckBox2->SetChecked(FlagTicks(flags_.hideGauge));
  Gauge1->SetVisible(!CheckBox2->Checked());
}

void TFormFiga::StartPreview() {
  Gauge1->SetProgress(kPreviewStart);
  TrackBar1->SetPosition(kPreviewStart);
}

std::vector<std::string> TFormFiga::SlotTexts() const {
  const std::string flags = FlagToWrite(flags_.hideText, CheckBox1->Checked(), hideTextClicked_) + "|" +
                            FlagToWrite(flags_.hideGauge, CheckBox2->Checked(), hideGaugeClicked_);
  return {LEdit1->Text(),         ComboBox1->Text(), LEdit2->Text(),
          LEdit3->Text(),         LEdit4->Text(),    NumberText(*SpinEdit1),
          NumberText(*SpinEdit2), LEdit5->Text(),    NumberText(*SpinEdit3),
          flags};
}

void TFormFiga::SpeedButton1Click() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit2); }
void TFormFiga::SpeedButton3Click() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit3); }
void TFormFiga::SpeedButton6Click() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit4); }
void TFormFiga::SpeedButton8Click() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit5); }

void TFormFiga::SpeedButton2Click() {
  if (ChooseColour(*LEdit2)) Gauge1->SetForeColor(ColorDialog1.Color());
}
void TFormFiga::SpeedButton4Click() {
  if (ChooseColour(*LEdit3)) Gauge1->SetBackColor(ColorDialog1.Color());
}
void TFormFiga::SpeedButton5Click() {
  if (ChooseColour(*LEdit4)) Gauge1->SetColor(ColorDialog1.Color());
}

void TFormFiga::SpeedButton7Click() {
  if (!ChooseFont(*LEdit5, *LabelFont)) return;
  // The preview takes the chosen font whole, its styles exactly: the run
  // time sets exactly the styles of the font text now in the field, so a bold
  // preview made regular in the dialog shows regular, as the gauge will.
  Gauge1->SetFont(LabelFont->Font());
}

void TFormFiga::ComboBox1Select() {
  const int index = ComboBox1->ItemIndex();
  if (index >= 0 && index < static_cast<int>(KindRows().size())) ShowKind(KindRows()[index], false);
}

void TFormFiga::CheckBox1Click() {
  hideTextClicked_ = true;
  Gauge1->SetShowText(!CheckBox1->Checked());
}

void TFormFiga::CheckBox2Click() {
  hideGaugeClicked_ = true;
  Gauge1->SetVisible(!CheckBox2->Checked());
}

void TFormFiga::TrackBar1Change() { Gauge1->SetProgress(TrackBar1->Position()); }

}  // namespace editors
