// The language switch from the menu: the ten captions in each language, the
// checked item, one draw per switch, and what stays as it was.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "WindowFixture.h"

namespace {

class LanguageSwitch : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
  }
};

TEST_F(LanguageSwitch, CaptionsInEachLanguageWithTheMenuCheck) {
  TForm_Main& form = *Window;
  struct TLanguageRow {
    QAction* Item;
    std::array<const char*, 10> Captions;  // in the order of the controls below
  } const Rows[] = {
      {form.English1,
       {"Midnight", "Universal time UT\r\n", "D.S.T.", "Geogr. Latitude +=N -=S", "Geogr. Longitude +=E -=W", "now",
        "Noon", "Month", "Quarter", "Year"}},
      {form.Francais1,
       {"Minuit", "Temps universel TU\r\n", "Heure d'été", "Latitude géogr. +=N -=S", "Longitude géogr. +=E -=O",
        "maintenant", "Midi", "Mois", "Trimestre", "Année"}},
      {form.Deutsch1,
       {"Mitternacht", "Weltzeit UT\r\n", "Sommerzeit", "Geogr. Breite +=N -=S", "Geogr. Länge +=O -=W", "Jetzt",
        "Mittag", "Monat", "Quartal", "Jahr"}},
  };
  QWidget* const controls[10] = {form.Button_Mitternacht, form.Label9,        form.CheckBox_DST,   form.Label_nLat,
                                 form.Label_eLon,         form.Button_Jetzt,  form.Button_Mittag,  form.CheckBox_Monat,
                                 form.CheckBox_Quartal,   form.CheckBox_Jahr};
  for (std::size_t l = 0; l < 3; ++l) {
    const TLanguageRow& language = Rows[l];
    const int draws = form.DrawRequests();
    language.Item->trigger();
    SCOPED_TRACE(language.Item->objectName().toStdString());
    EXPECT_EQ(form.DrawRequests(), draws + 1);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(Caption(controls[i]), language.Captions[static_cast<std::size_t>(i)]);
    for (QAction* item : {form.Deutsch1, form.English1, form.Francais1})
      EXPECT_EQ(item->isChecked(), item == language.Item) << item->objectName().toStdString();
    // The heading's text stands on the first of two lines.
    EXPECT_TRUE(form.Label9->text().endsWith("\n"));
    EXPECT_FALSE(form.Label9->text().contains("\r"));
  }
  EXPECT_EQ(Language, 0);
  // What the switch leaves alone.
  EXPECT_EQ(form.Exit1->text(), "E&xit");
  EXPECT_EQ(Caption(form.Label1), "-");
  EXPECT_EQ(Caption(form.CheckBox1), "M");
  EXPECT_EQ(Caption(form.Button_Zeichnen), "Zeichnen");
  EXPECT_EQ(Caption(form.Button_About_OK), "OK");
  EXPECT_TRUE(ErrorBoxes.empty());
}

// The place labels and the series labels are sized to their captions: in
// every language, and for every event's name, the whole text shows from the
// label's place in the tree.
TEST_F(LanguageSwitch, LabelsSizedToTheirCaptionsShowTheWholeText) {
  TForm_Main& form = *Window;
  const std::pair<QLabel*, QPoint> labels[] = {{form.Label_nLat, {59, 424}},
                                               {form.Label_eLon, {59, 482}},
                                               {form.Label_Line1, {168, 342}},
                                               {form.Label_Line2, {168, 362}}};
  const auto check = [&](const char* When) {
    for (const auto& [label, place] : labels) {
      SCOPED_TRACE(std::string(When) + ": " + label->objectName().toStdString() + " \"" +
                   label->text().toStdString() + "\"");
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
      EXPECT_GE(label->height(), label->fontMetrics().height());
      EXPECT_EQ(label->pos(), place);
    }
  };
  int widest = 0;
  for (QAction* item : {form.English1, form.Francais1, form.Deutsch1}) {
    item->trigger();
    check(item->text().toUtf8().constData());
  }
  form.Francais1->trigger();
  form.RadioButton_MAstrD->click();  // "Crépuscule astronomique"
  check("morning astronomical twilight");
  widest = form.Label_Line2->width();
  form.RadioButton_SAufga->click();
  check("sunrise");
  EXPECT_LT(form.Label_Line2->width(), widest) << "a shorter name, a narrower label";
  EXPECT_GT(form.Label_eLon->width(), 173) << "\"Longitude géogr. +=E -=O\" is wider than the tree's label";
  EXPECT_TRUE(ErrorBoxes.empty());
}

TEST_F(LanguageSwitch, CheckedLanguageAgainRedrawsAndChangesNoText) {
  TForm_Main& form = *Window;
  form.English1->trigger();
  const std::string before = Caption(form.Label_eLon);
  const int draws = form.DrawRequests();
  form.English1->trigger();
  EXPECT_EQ(form.DrawRequests(), draws + 1);
  EXPECT_EQ(Caption(form.Label_eLon), before);
  EXPECT_TRUE(form.English1->isChecked());
  // Check boxes keep their state when their captions change.
  form.CheckBox_DST->setChecked(true);
  form.Francais1->trigger();
  EXPECT_TRUE(form.CheckBox_DST->isChecked());
  EXPECT_EQ(DSTOffset, 1.0);
}

}  // namespace
