// The main window's component tree. Places are pixels in the parent's client
// area; fonts are face, character height in pixels, bold, colour.
#include "ui/ComponentTable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <array>
#include <stdexcept>
#include <type_traits>

#include "grid/qt/TextGridWidget.h"
#include "ui/Tarvelsicht_Unit_Main.h"

namespace {

// Stores Control in the window's field Member, which must be of its class.
template <auto Member>
void StoreField(TForm_Main& Form, QObject* Control) {
  using TField = std::remove_pointer_t<std::remove_reference_t<decltype(Form.*Member)>>;
  auto* typed = dynamic_cast<TField*>(Control);
  if (typed == nullptr) throw std::logic_error("component of the wrong kind: " + Control->objectName().toStdString());
  Form.*Member = typed;
}

// The name of a component and the field that holds it.
#define COMPONENT(X) .Name = #X, .Field = &StoreField<&TForm_Main::X>

using F = TForm_Main;
using enum TKind;
using enum TAlign;
using enum TGlyph;

constexpr tv::TColor Lime = tv::RGBColor(0, 255, 0);
constexpr tv::TColor DigitGrey = tv::RGBColor(160, 160, 164);
constexpr tv::TColor LabelGrey = tv::RGBColor(128, 128, 128);

constexpr TFontSpec WindowFont{"MS Sans Serif", 13, false, tv::clWindowText};
constexpr TFontSpec Default13{"Default", 13, false, tv::clWindowText};
constexpr TFontSpec Default17{"Default", 17, false, clDefault};
constexpr TFontSpec LocalDigits{"Arial Narrow", 27, true, Lime};
constexpr TFontSpec UniversalDigits{"Arial Narrow", 27, true, DigitGrey};
constexpr TFontSpec Narrow17{"Arial Narrow", 17, false, clDefault};
constexpr TFontSpec Narrow17Grey{"Arial Narrow", 17, false, LabelGrey};
constexpr TFontSpec Narrow20{"Arial Narrow", 20, false, tv::clWindowText};
constexpr TFontSpec Narrow20Bold{"Arial Narrow", 20, true, clDefault};

// The separator labels between the date and time fields keep their size;
// only Label3 is sized to its text.
constexpr unsigned Separator = cfCentred | cfFixedSize;

// clang-format off
const TControlRow Rows[] = {
  // --- children of the window ---------------------------------------------------
  {COMPONENT(Img0), .Kind = PictureBox, .Parent = "Form_Main", .Bounds = {272, 528, 100, 100}, .Flags = cfHidden},
  {COMPONENT(Img1), .Kind = PictureBox, .Parent = "Form_Main", .Bounds = {400, 528, 121, 121}, .Flags = cfHidden},
  {COMPONENT(Image3), .Kind = PictureBox, .Parent = "Form_Main", .Bounds = {728, 496, 97, 89}},
  {COMPONENT(Panel_Rght), .Kind = Panel, .Parent = "Form_Main", .Bounds = {942, 0, 330, 943}, .Font = Default13,
   .TabOrder = 1, .Flags = cfNoBevel, .Align = alRight},
  {COMPONENT(Panel_Bild), .Kind = Panel, .Parent = "Form_Main", .Bounds = {85, 5, 850, 850},
   .Color = tv::RGBColor(128, 128, 128), .TabOrder = 0, .Flags = cfNoBevel},
  {COMPONENT(Bild), .Kind = PictureBox, .Parent = "Panel_Bild", .Bounds = {48, 72, 153, 153}},
  {COMPONENT(StatusBar1), .Kind = StatusBar, .Parent = "Form_Main", .Bounds = {0, 943, 1272, 25},
   .Font = {"Arial Narrow", 17, false, clBtnText}, .Align = alBottom},
  {COMPONENT(Panel_About), .Kind = Panel, .Parent = "Form_Main", .Bounds = {401, 717, 345, 473},
   .Caption = "Panel_About", .TabOrder = 3, .Flags = cfHidden},
  {COMPONENT(Image2), .Kind = PictureBox, .Parent = "Panel_About", .Bounds = {6, 5, 51, 36}},
  {COMPONENT(Label_Tarvelsicht), .Kind = Label, .Parent = "Panel_About", .Bounds = {67, 10, 112, 24},
   .Caption = "Tarvelsicht", .Font = {"MS Sans Serif", 20, true, clDefault}},
  {COMPONENT(Button_About_OK), .Kind = Button, .Parent = "Panel_About", .Bounds = {133, 416, 89, 33},
   .Caption = "OK", .TabOrder = 0, .OnClick = &F::Button_About_OKClick},
  {COMPONENT(StringGrid_VersionsInfo), .Kind = StringGrid, .Parent = "Panel_About", .Bounds = {6, 43, 335, 345},
   .Font = {"MS Sans Serif", 13, true, clDefault}, .TabOrder = 1,
   .Grid = {.Columns = 2, .Rows = 17, .ColumnWidth = 165, .RowHeight = 19}},
  {COMPONENT(Panel_Left), .Kind = Panel, .Parent = "Form_Main", .Bounds = {0, 0, 81, 943}, .TabOrder = 4,
   .Flags = cfNoBevel, .Align = alLeft},
  {COMPONENT(Memo1), .Kind = Memo, .Parent = "Form_Main", .Bounds = {88, 16, 129, 89}, .Caption = "Memo1",
   .Font = {"Courier New", 13, false, tv::clWindowText}, .Color = tv::clWindow, .Flags = cfHidden},

  // --- (a) universal and local date and time ----------------------------------------
  {COMPONENT(Label9), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {5, 0, 281, 63}, .Caption = "Weltzeit UT\r\n",
   .Font = {"Arial Narrow", 27, true, DigitGrey}, .Color = tv::clBlack,
   .Flags = cfCentred | cfWordWrap | cfFixedSize},
  {COMPONENT(Shape3), .Kind = Shape, .Parent = "Panel_Rght", .Bounds = {7, 90, 280, 85}, .Color = tv::clBlack},
  {COMPONENT(Label1), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {88, 115, 10, 35}, .Caption = "-",
   .Font = LocalDigits, .Color = clBackground, .Flags = Separator},
  {COMPONENT(Label2), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {126, 115, 10, 35}, .Caption = "-",
   .Font = LocalDigits, .Color = clBackground, .Flags = Separator},
  {COMPONENT(Label3), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {210, 114, 7, 31}, .Caption = ":",
   .Font = LocalDigits, .Color = clBackground, .Flags = cfCentred},
  {COMPONENT(Label4), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {245, 114, 10, 35}, .Caption = ":",
   .Font = LocalDigits, .Color = clBackground, .Flags = Separator},
  {COMPONENT(Label5), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {86, 27, 10, 35}, .Caption = "-",
   .Font = UniversalDigits, .Color = clBackground, .Flags = Separator},
  {COMPONENT(Label6), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {124, 27, 10, 35}, .Caption = "-",
   .Font = UniversalDigits, .Color = clBackground, .Flags = Separator},
  {COMPONENT(Label7), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {210, 27, 10, 35}, .Caption = ":",
   .Font = UniversalDigits, .Color = clBackground, .Flags = Separator},
  {COMPONENT(Label8), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {245, 27, 10, 35}, .Caption = ":",
   .Font = UniversalDigits, .Color = clBackground, .Flags = Separator},

  {COMPONENT(RichEdit_Jahr), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {7, 116, 82, 31}, .Caption = "2019",
   .Font = LocalDigits, .Color = tv::clBlack, .TabOrder = 18, .OnKeyDown = &F::RichEdit_JahrKeyDown},
  {COMPONENT(RichEdit_Monat), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {97, 116, 31, 31}, .Caption = "06",
   .Font = LocalDigits, .Color = tv::clBlack, .TabOrder = 19, .OnKeyDown = &F::RichEdit_MonatKeyDown},
  {COMPONENT(RichEdit_Daag), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {134, 116, 31, 31}, .Caption = "01",
   .Font = LocalDigits, .Color = tv::clBlack, .TabOrder = 20, .OnKeyDown = &F::RichEdit_DaagKeyDown},
  {COMPONENT(RichEdit_Stunde), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {181, 116, 31, 31}, .Caption = "18",
   .Font = LocalDigits, .Color = tv::clBlack, .TabOrder = 21, .OnKeyDown = &F::RichEdit_StundeKeyDown},
  {COMPONENT(RichEdit_Minute), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {217, 116, 31, 31}, .Caption = "00",
   .Font = LocalDigits, .Color = tv::clBlack, .TabOrder = 22, .OnKeyDown = &F::RichEdit_MinuteKeyDown},
  {COMPONENT(RichEdit_Sekunde), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {253, 116, 31, 31}, .Caption = "00",
   .Font = LocalDigits, .Color = tv::clBlack, .TabOrder = 23, .OnKeyDown = &F::RichEdit_SekundeKeyDown},
  {COMPONENT(RichEdit_Jahr_UT), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {8, 29, 80, 31}, .Caption = "2019",
   .Font = UniversalDigits, .Color = tv::clBlack, .TabOrder = 24, .Flags = cfReadOnly},
  {COMPONENT(RichEdit_Monat_UT), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {95, 29, 31, 31}, .Caption = "06",
   .Font = UniversalDigits, .Color = tv::clBlack, .TabOrder = 25, .Flags = cfReadOnly},
  {COMPONENT(RichEdit_Daag_UT), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {133, 29, 31, 31}, .Caption = "01",
   .Font = UniversalDigits, .Color = tv::clBlack, .TabOrder = 26, .Flags = cfReadOnly},
  {COMPONENT(RichEdit_Stunde_UT), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {181, 29, 31, 31}, .Caption = "18",
   .Font = UniversalDigits, .Color = tv::clBlack, .TabOrder = 27, .Flags = cfReadOnly},
  {COMPONENT(RichEdit_Minute_UT), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {217, 29, 31, 31}, .Caption = "00",
   .Font = UniversalDigits, .Color = tv::clBlack, .TabOrder = 28, .Flags = cfReadOnly},
  {COMPONENT(RichEdit_Sekunde_UT), .Kind = RichEdit, .Parent = "Panel_Rght", .Bounds = {253, 29, 31, 31}, .Caption = "00",
   .Font = UniversalDigits, .Color = tv::clBlack, .TabOrder = 29, .Flags = cfReadOnly},

  {COMPONENT(BitBtn_Jahr_Plus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {7, 92, 82, 25}, .Glyph = Up,
   .OnMouseDown = &F::BitBtn_Jahr_PlusMouseDown, .OnMouseUp = &F::BitBtn_Jahr_PlusMouseUp},
  {COMPONENT(BitBtn_Jahr_Minus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {7, 148, 82, 25}, .Glyph = Down,
   .OnMouseDown = &F::BitBtn_Jahr_MinusMouseDown, .OnMouseUp = &F::BitBtn_Jahr_MinusMouseUp},
  {COMPONENT(BitBtn_Monat_Plus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {96, 92, 31, 25}, .Glyph = Up,
   .OnMouseDown = &F::BitBtn_Monat_PlusMouseDown, .OnMouseUp = &F::BitBtn_Monat_PlusMouseUp},
  {COMPONENT(BitBtn_Monat_Minus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {96, 148, 31, 25}, .Glyph = Down,
   .OnMouseDown = &F::BitBtn_Monat_MinusMouseDown, .OnMouseUp = &F::BitBtn_Monat_MinusMouseUp},
  {COMPONENT(BitBtn_Daag_Plus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {134, 92, 31, 25}, .Glyph = Up,
   .OnMouseDown = &F::BitBtn_Daag_PlusMouseDown, .OnMouseUp = &F::BitBtn_Daag_PlusMouseUp},
  {COMPONENT(BitBtn_Daag_Minus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {134, 148, 31, 25}, .Glyph = Down,
   .OnMouseDown = &F::BitBtn_Daag_MinusMouseDown, .OnMouseUp = &F::BitBtn_Daag_MinusMouseUp},
  {COMPONENT(BitBtn_Stunde_Plus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {181, 92, 31, 25}, .Glyph = Up,
   .OnMouseDown = &F::BitBtn_Stunde_PlusMouseDown, .OnMouseUp = &F::BitBtn_Stunde_PlusMouseUp},
  {COMPONENT(BitBtn_Stunde_Minus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {181, 148, 31, 25}, .Glyph = Down,
   .OnMouseDown = &F::BitBtn_Stunde_MinusMouseDown, .OnMouseUp = &F::BitBtn_Stunde_MinusMouseUp},
  {COMPONENT(BitBtn_Minute_Plus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {217, 92, 31, 25}, .Glyph = Up,
   .OnMouseDown = &F::BitBtn_Minute_PlusMouseDown, .OnMouseUp = &F::BitBtn_Minute_PlusMouseUp},
  {COMPONENT(BitBtn_Minute_Minus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {217, 148, 31, 25}, .Glyph = Down,
   .OnMouseDown = &F::BitBtn_Minute_MinusMouseDown, .OnMouseUp = &F::BitBtn_Minute_MinusMouseUp},
  {COMPONENT(BitBtn_Sekunde_Plus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {253, 92, 31, 25}, .Glyph = Up,
   .OnMouseDown = &F::BitBtn_Sekunde_PlusMouseDown, .OnMouseUp = &F::BitBtn_Sekunde_PlusMouseUp},
  {COMPONENT(BitBtn_Sekunde_Minus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {253, 148, 31, 25}, .Glyph = Down,
   .OnMouseDown = &F::BitBtn_Sekunde_MinusMouseDown, .OnMouseUp = &F::BitBtn_Sekunde_MinusMouseUp},
  {COMPONENT(BitBtn_Sterntag_Plus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {134, 71, 31, 20}, .Glyph = Up,
   .OnMouseDown = &F::BitBtn_Sterntag_PlusMouseDown, .OnMouseUp = &F::BitBtn_Sterntag_PlusMouseUp},
  {COMPONENT(BitBtn_Sterntag_Minus), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {134, 174, 31, 20}, .Glyph = Down,
   .OnMouseDown = &F::BitBtn_Sterntag_MinusMouseDown, .OnMouseUp = &F::BitBtn_Sterntag_MinusMouseUp},

  {COMPONENT(Button_Mittag), .Kind = Button, .Parent = "Panel_Rght", .Bounds = {181, 70, 104, 21}, .Caption = "Mittag",
   .Font = Default17, .OnClick = &F::Button_MittagClick},
  {COMPONENT(Button_Mitternacht), .Kind = Button, .Parent = "Panel_Rght", .Bounds = {181, 175, 104, 21},
   .Caption = "Mitternacht", .Font = Default17, .OnClick = &F::Button_MitternachtClick},
  {COMPONENT(Button_Jetzt), .Kind = Button, .Parent = "Panel_Rght", .Bounds = {181, 199, 104, 21}, .Caption = "Jetzt",
   .Font = Default17, .OnClick = &F::Button_JetztClick},
  {COMPONENT(CheckBox1), .Kind = CheckBox, .Parent = "Panel_Rght", .Bounds = {7, 63, 38, 25}, .Caption = "M",
   .OnClick = &F::CheckBox1Click},

  // --- (b) series controls ------------------------------------------------------------
  {COMPONENT(Panel_Month), .Kind = Panel, .Parent = "Panel_Rght", .Bounds = {5, 225, 214, 25},
   .Color = tv::RGBColor(166, 202, 240), .TabOrder = 32, .Flags = cfNoBevel},
  {COMPONENT(RadioButton_M01), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {1, 3, 17, 17},
   .Flags = cfChecked, .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M02), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {17, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M03), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {33, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M04), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {55, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M05), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {71, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M06), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {87, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M07), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {109, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M08), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {125, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M09), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {141, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M10), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {163, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M11), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {179, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(RadioButton_M12), .Kind = RadioButton, .Parent = "Panel_Month", .Bounds = {195, 3, 17, 17},
   .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(CheckBox_Monat), .Kind = CheckBox, .Parent = "Panel_Rght", .Bounds = {221, 225, 85, 25},
   .Caption = "Monat", .Font = Narrow17, .OnClick = &F::CheckBox_MonatClick},
  {COMPONENT(Panel_Quartal), .Kind = Panel, .Parent = "Panel_Rght", .Bounds = {5, 255, 214, 25},
   .Color = tv::RGBColor(192, 220, 192), .TabOrder = 30, .Flags = cfNoBevel},
  {COMPONENT(RadioButton_Q1), .Kind = RadioButton, .Parent = "Panel_Quartal", .Bounds = {1, 3, 17, 17},
   .Flags = cfChecked, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_Q2), .Kind = RadioButton, .Parent = "Panel_Quartal", .Bounds = {55, 3, 17, 17},
   .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_Q3), .Kind = RadioButton, .Parent = "Panel_Quartal", .Bounds = {109, 3, 17, 17},
   .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_Q4), .Kind = RadioButton, .Parent = "Panel_Quartal", .Bounds = {163, 3, 17, 17},
   .Font = Narrow17Grey, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(CheckBox_Quartal), .Kind = CheckBox, .Parent = "Panel_Rght", .Bounds = {221, 255, 85, 25},
   .Caption = "Quartal", .Font = Narrow17, .Color = tv::clBtnFace, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(Panel_Jahr), .Kind = Panel, .Parent = "Panel_Rght", .Bounds = {5, 285, 214, 25},
   .Color = tv::RGBColor(255, 192, 192), .Flags = cfNoBevel},
  {COMPONENT(CheckBox_Jahr), .Kind = CheckBox, .Parent = "Panel_Rght", .Bounds = {221, 285, 85, 25},
   .Caption = "Jahr", .Font = Narrow17, .OnClick = &F::CheckBox_JahrClick},
  {COMPONENT(ScrollBar_Quartal), .Kind = ScrollBar, .Parent = "Panel_Rght", .Bounds = {5, 314, 279, 21},
   .Range = {.Min = 0, .Max = 91, .Position = 1}, .OnClick = &F::ScrollBar_QuartalChange},
  {COMPONENT(Panel_Daemmerung), .Kind = Panel, .Parent = "Panel_Rght", .Bounds = {4, 348, 161, 33},
   .Color = clScrollBar, .TabOrder = 31, .Flags = cfNoBevel},
  {COMPONENT(RadioButton_MAstrD), .Kind = RadioButton, .Parent = "Panel_Daemmerung", .Bounds = {1, 1, 21, 29},
   .Font = {"Default", 13, false, tv::clBlack}, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_MNautD), .Kind = RadioButton, .Parent = "Panel_Daemmerung", .Bounds = {19, 1, 21, 29},
   .Font = {"Default", 13, false, tv::clBlack}, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_MBurgD), .Kind = RadioButton, .Parent = "Panel_Daemmerung", .Bounds = {37, 1, 21, 29},
   .Font = {"Default", 13, false, tv::clBlack}, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_SAufga), .Kind = RadioButton, .Parent = "Panel_Daemmerung", .Bounds = {55, 1, 21, 29},
   .Font = {"Default", 13, false, tv::clBlack}, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_SUnter), .Kind = RadioButton, .Parent = "Panel_Daemmerung", .Bounds = {87, 1, 21, 29},
   .Font = {"Default", 13, false, tv::clBlack}, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_ABurgD), .Kind = RadioButton, .Parent = "Panel_Daemmerung", .Bounds = {105, 1, 21, 29},
   .Font = {"Default", 13, false, tv::clBlack}, .Flags = cfChecked, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_ANautD), .Kind = RadioButton, .Parent = "Panel_Daemmerung", .Bounds = {123, 1, 21, 29},
   .Font = {"Default", 13, false, tv::clBlack}, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(RadioButton_AAstrD), .Kind = RadioButton, .Parent = "Panel_Daemmerung", .Bounds = {141, 1, 21, 29},
   .Font = {"Default", 13, false, tv::clBlack}, .OnClick = &F::CheckBox_QuartalClick},
  {COMPONENT(Label_Line1), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {168, 342, 93, 22},
   .Caption = "Abendhimmel:", .Font = Narrow17Grey},
  {COMPONENT(Label_Line2), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {168, 362, 135, 22},
   .Caption = "Bürgerl. Dämmerung", .Font = Narrow17Grey},

  // --- (c) time zone and place ------------------------------------------------------
  {COMPONENT(ComboBox_TZone), .Kind = ComboBox, .Parent = "Panel_Rght", .Bounds = {6, 389, 108, 30},
   .Caption = "ComboBox_TZone", .Font = {"Arial Narrow", 17, true, clDefault}, .TabOrder = 14, .ItemHeight = 22,
   .OnClick = &F::ComboBox_TZoneChange},
  {COMPONENT(CheckBox_DST), .Kind = CheckBox, .Parent = "Panel_Rght", .Bounds = {126, 393, 160, 25},
   .Caption = "Sommerzeit", .Font = {"Default", 17, true, clDefault}, .OnClick = &F::CheckBox_DSTClick},
  {COMPONENT(Label_nLat), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {59, 424, 165, 24},
   .Caption = "Geogr. Breite +=N -=S", .Font = Narrow20},
  {COMPONENT(BitBtn_nLat_MinusSmall), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {52, 449, 49, 25},
   .Glyph = Left, .OnMouseDown = &F::BitBtn_nLat_MinusSmallMouseDown, .OnMouseUp = &F::BitBtn_nLat_MinusSmallMouseUp},
  {COMPONENT(Edit_nLat), .Kind = Edit, .Parent = "Panel_Rght", .Bounds = {114, 447, 54, 28}, .Caption = "47.50",
   .Font = Narrow20Bold, .OnKeyDown = &F::Edit_nLatKeyDown},
  {COMPONENT(BitBtn_nLat_PlusSmall), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {183, 449, 49, 25},
   .Glyph = Right, .OnMouseDown = &F::BitBtn_nLat_PlusSmallMouseDown, .OnMouseUp = &F::BitBtn_nLat_PlusSmallMouseUp},
  {COMPONENT(Label_eLon), .Kind = Label, .Parent = "Panel_Rght", .Bounds = {59, 482, 173, 24},
   .Caption = "Geogr. Länge +=O -=W", .Font = Narrow20},
  {COMPONENT(BitBtn_eLon_MinusSmall), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {52, 507, 49, 25},
   .Glyph = Left, .OnMouseDown = &F::BitBtn_eLon_MinusSmallMouseDown, .OnMouseUp = &F::BitBtn_eLon_MinusSmallMouseUp},
  {COMPONENT(Edit_eLon), .Kind = Edit, .Parent = "Panel_Rght", .Bounds = {115, 506, 54, 28}, .Caption = "7.50",
   .Font = Narrow20Bold, .OnKeyDown = &F::Edit_eLonKeyDown},
  {COMPONENT(BitBtn_eLon_PlusSmall), .Kind = BitBtn, .Parent = "Panel_Rght", .Bounds = {183, 507, 49, 25},
   .Glyph = Right, .OnMouseDown = &F::BitBtn_eLon_PlusSmallMouseDown, .OnMouseUp = &F::BitBtn_eLon_PlusSmallMouseUp},
  {COMPONENT(Button_Zeichnen), .Kind = Button, .Parent = "Panel_Rght", .Bounds = {251, 426, 73, 25},
   .Caption = "Zeichnen", .Font = Default13, .Flags = cfHidden, .OnClick = &F::Button_ZeichnenClick},

  // --- (d) body table -------------------------------------------------------------------
  {COMPONENT(TextGrid1), .Kind = TextGrid, .Parent = "Panel_Rght", .Bounds = {3, 539, 310, 380},
   .Font = {"Arial Narrow", 15, false, tv::clWindowText}, .Flags = cfReadOnly,
   .Grid = {.Columns = 4, .Rows = 19, .ColumnWidth = 75, .RowHeight = 0, .DefColWidth = 40},
   .OnDrawCell = &F::TextGrid1DrawCell},
};

const TMenuRow Menu[] = {
  {COMPONENT(Exit1), .Caption = "E&xit", .Parent = nullptr, .Kind = TMenuKind::Command, .OnClick = &F::Exit1Click},
  {COMPONENT(Option1), .Caption = "&Option", .Parent = nullptr, .Kind = TMenuKind::Submenu},
  {COMPONENT(Deutsch1), .Caption = "Deutsch", .Parent = "Option1", .Kind = TMenuKind::RadioItem, .Checked = true,
   .OnClick = &F::Deutsch1Click},
  {COMPONENT(English1), .Caption = "English", .Parent = "Option1", .Kind = TMenuKind::RadioItem,
   .OnClick = &F::English1Click},
  {COMPONENT(Francais1), .Caption = "Français", .Parent = "Option1", .Kind = TMenuKind::RadioItem,
   .OnClick = &F::Francais1Click},
  {COMPONENT(N2), .Caption = "-", .Parent = "Option1", .Kind = TMenuKind::Separator},
  {COMPONENT(Info1), .Caption = "&Info", .Parent = nullptr, .Kind = TMenuKind::Command, .OnClick = &F::Info1Click},
};
// clang-format on

#undef COMPONENT

}  // namespace

std::span<const TControlRow> ControlRows() { return Rows; }
std::span<const TMenuRow> MenuRows() { return Menu; }
