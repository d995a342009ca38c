// Makes the main window's components from the rows of ComponentTable.cpp: one
// small maker per kind, then the settings every row has (name, place, font,
// colours, caption, visibility, focus), the menu, and the tab order.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>
#include <climits>
#include <map>
#include <stdexcept>
#include <string>

#include "grid/qt/TextGridWidget.h"
#include "ui/ComponentTable.h"
#include "ui/HandlerBindings.h"
#include "ui/Tarvelsicht_Unit_Main.h"

namespace {

QWidget* MakePanel(QWidget* Parent, const TControlRow& Row) {
  auto* panel = new TPanel(Parent);
  panel->SetBevel((Row.Flags & cfNoBevel) == 0);
  return panel;
}

// A label is sized to its caption unless the row fixes its size.
QWidget* MakeLabel(QWidget* Parent, const TControlRow& Row) {
  auto* label = new QLabel(Parent);
  label->setAlignment(((Row.Flags & cfCentred) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  label->setWordWrap((Row.Flags & cfWordWrap) != 0);
  label->setProperty(AutoSizeProperty, (Row.Flags & cfFixedSize) == 0);
  return label;
}

QWidget* MakeShape(QWidget* Parent, const TControlRow&) { return new QFrame(Parent); }

QWidget* MakePictureBox(QWidget* Parent, const TControlRow&) { return new TPictureBox(Parent); }

// A rich edit field: one line of plain text, right-aligned, no border.
QWidget* MakeRichEdit(QWidget* Parent, const TControlRow& Row) {
  auto* field = new TFieldEdit(Parent);
  field->setFrame(false);
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  field->setTextMargins(0, 0, 0, 0);
  field->setReadOnly((Row.Flags & cfReadOnly) != 0);
  return field;
}

QWidget* MakeEdit(QWidget* Parent, const TControlRow&) { return new TFieldEdit(Parent); }

QWidget* MakeBitBtn(QWidget* Parent, const TControlRow& Row) {
  auto* button = new TBitBtn(Parent);
  button->SetGlyph(Row.Glyph);
  return button;
}

QWidget* MakeButton(QWidget* Parent, const TControlRow&) { return new QPushButton(Parent); }

QWidget* MakeCheckBox(QWidget* Parent, const TControlRow& Row) {
  auto* box = new QCheckBox(Parent);
  box->setChecked((Row.Flags & cfChecked) != 0);
  return box;
}

// A radio button: one group per parent; only the checked one is a tab stop.
QWidget* MakeRadioButton(QWidget* Parent, const TControlRow& Row) {
  auto* button = new QRadioButton(Parent);
  button->setChecked((Row.Flags & cfChecked) != 0);
  QObject::connect(button, &QRadioButton::toggled, button, [button](bool Checked) {
    button->setFocusPolicy(Checked ? Qt::StrongFocus : Qt::ClickFocus);
  });
  return button;
}

// Lines of a list of one height.
class TFixedHeightDelegate : public QStyledItemDelegate {
 public:
  TFixedHeightDelegate(int Height, QObject* Parent) : QStyledItemDelegate(Parent), Height_(Height) {}
  QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    return {QStyledItemDelegate::sizeHint(Option, Index).width(), Height_};
  }

 private:
  int Height_;
};

// The zone list: pick-only, so that a line is always chosen once it has
// lines; eight lines shown when it drops down, each of the row's height.
QWidget* MakeComboBox(QWidget* Parent, const TControlRow& Row) {
  auto* list = new QComboBox(Parent);
  list->setEditable(false);
  list->setMaxVisibleItems(8);
  list->setStyleSheet("QComboBox { combobox-popup: 0; }");  // a scrolling list, also where the style drops a menu
  if (Row.ItemHeight > 0) list->setItemDelegate(new TFixedHeightDelegate(Row.ItemHeight, list));
  return list;
}

QWidget* MakeScrollBar(QWidget* Parent, const TControlRow& Row) {
  auto* bar = new QScrollBar(Qt::Horizontal, Parent);
  bar->setRange(Row.Range.Min, Row.Range.Max);
  bar->setValue(Row.Range.Position);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  return bar;
}

QWidget* MakeMemo(QWidget* Parent, const TControlRow&) {
  auto* memo = new QPlainTextEdit(Parent);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setTabChangesFocus(false);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return memo;
}

QWidget* MakeStatusBar(QWidget* Parent, const TControlRow&) { return new TStatusBar(Parent); }

// A string grid: fixed columns and rows without header, cells not editable.
QWidget* MakeStringGrid(QWidget* Parent, const TControlRow& Row) {
  auto* grid = new QTableWidget(Row.Grid.Rows, Row.Grid.Columns, Parent);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->horizontalHeader()->setDefaultSectionSize(Row.Grid.ColumnWidth);
  grid->verticalHeader()->setDefaultSectionSize(Row.Grid.RowHeight);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setTabKeyNavigation(false);  // the tab key leaves the grid
  for (int r = 0; r < Row.Grid.Rows; ++r)
    for (int c = 0; c < Row.Grid.Columns; ++c) grid->setItem(r, c, new QTableWidgetItem());
  return grid;
}

// The body table's grid: no border and no row gutter, the row's font (fixed
// pitch asked for) for cells and header, the small font of the same face for
// gutter and footer, the row's columns, rows and widths.
QWidget* MakeTextGrid(QWidget* Parent, const TControlRow& Row) {
  auto* widget = new TTextGridWidget(Parent);
  widget->SetBorderStyle(bsNone);
  widget->SetTabStop(Row.TabOrder >= 0);
  TTextGrid& grid = widget->Grid();
  tv::TFont font;
  font.Name = Row.Font.Face;
  font.Height = -Row.Font.Height;
  font.Color = Row.Font.Color;
  font.Pitch = tv::TFontPitch::fpFixed;
  grid.SetFont(font);
  grid.SetHeaderFont(font);
  tv::TFont small = font;
  small.Height = -10;
  small.Pitch = tv::TFontPitch::fpDefault;
  grid.SetFooterFont(small);
  grid.SetGutterFont(small);
  grid.SetDefColWidth(Row.Grid.DefColWidth);
  grid.SetReadOnly((Row.Flags & cfReadOnly) != 0);
  grid.SetGutterKind(gkNone);
  grid.SetGutterWidth(0);
  grid.SetShowFooter(false);
  grid.SetColCount(Row.Grid.Columns);
  for (int c = 0; c < Row.Grid.Columns; ++c) grid.Columns()[c].SetWidth(Row.Grid.ColumnWidth);
  grid.SetRowCount(Row.Grid.Rows);
  return widget;
}

using TMaker = QWidget* (*)(QWidget* Parent, const TControlRow& Row);

TMaker MakerOf(TKind Kind) {
  switch (Kind) {
    case TKind::Panel: return MakePanel;
    case TKind::Label: return MakeLabel;
    case TKind::Shape: return MakeShape;
    case TKind::PictureBox: return MakePictureBox;
    case TKind::RichEdit: return MakeRichEdit;
    case TKind::Edit: return MakeEdit;
    case TKind::BitBtn: return MakeBitBtn;
    case TKind::Button: return MakeButton;
    case TKind::CheckBox: return MakeCheckBox;
    case TKind::RadioButton: return MakeRadioButton;
    case TKind::ComboBox: return MakeComboBox;
    case TKind::ScrollBar: return MakeScrollBar;
    case TKind::Memo: return MakeMemo;
    case TKind::StatusBar: return MakeStatusBar;
    case TKind::StringGrid: return MakeStringGrid;
    case TKind::TextGrid: return MakeTextGrid;
  }
  throw std::logic_error("unknown kind of component");
}

// The focus a control takes: none for the controls that never take it, by
// the tab key for tab stops, else only by a click.
Qt::FocusPolicy FocusOf(const TControlRow& Row) {
  switch (Row.Kind) {
    case TKind::Panel:
    case TKind::Label:
    case TKind::Shape:
    case TKind::PictureBox:
    case TKind::StatusBar: return Qt::NoFocus;
    case TKind::RadioButton: return (Row.Flags & cfChecked) != 0 ? Qt::StrongFocus : Qt::ClickFocus;
    default: return Row.TabOrder >= 0 ? Qt::StrongFocus : Qt::ClickFocus;
  }
}

}  // namespace

namespace {

struct TComponentBuilder {
  TForm_Main& Form;
  std::map<std::string, QWidget*> Made;
  // Children of each parent in the order they were made, with their tab order.
  std::map<QWidget*, std::vector<std::pair<int, QWidget*>>> Children;

  QWidget* Control(const TControlRow& Row) {
    QWidget* parent = Made.at(Row.Parent);
    QWidget* control = MakerOf(Row.Kind)(parent, Row);
    control->setObjectName(QString::fromUtf8(Row.Name));
    control->setGeometry(Row.Bounds.Left, Row.Bounds.Top, Row.Bounds.Width, Row.Bounds.Height);
    if (Row.Font.Face != nullptr) control->setFont(WidgetFont(Row.Font.Face, Row.Font.Height, Row.Font.Bold));
    SetWidgetColors(control, Row.Color, Row.Font.Color);
    if (*Row.Caption != '\0') SetCaption(control, Row.Caption);
    if ((Row.Flags & cfHidden) != 0) control->setVisible(false);
    control->setFocusPolicy(FocusOf(Row));
    Row.Field(Form, control);
    Made[Row.Name] = control;
    Children[parent].push_back({Row.TabOrder, control});
    return control;
  }

  void Menu() {
    QMenuBar* bar = Form.menuBar();
    Form.MainMenu1 = bar;
    bar->setObjectName("MainMenu1");
    std::map<std::string, QMenu*> submenus;
    std::map<std::string, QActionGroup*> groups;
    for (const TMenuRow& Row : MenuRows()) {
      const QString caption = QString::fromUtf8(Row.Caption);
      QAction* item = nullptr;
      QMenu* parent = Row.Parent != nullptr ? submenus.at(Row.Parent) : nullptr;
      switch (Row.Kind) {
        case TMenuKind::Command: item = parent != nullptr ? parent->addAction(caption) : bar->addAction(caption); break;
        case TMenuKind::Submenu: {
          QMenu* menu = bar->addMenu(caption);
          menu->setSeparatorsCollapsible(false);  // every separator of the table shows, a closing one too
          submenus[Row.Name] = menu;
          item = menu->menuAction();
          break;
        }
        case TMenuKind::RadioItem: {
          item = parent->addAction(caption);
          QActionGroup*& group = groups[Row.Parent];
          if (group == nullptr) group = new QActionGroup(parent);
          item->setCheckable(true);
          item->setActionGroup(group);
          item->setChecked(Row.Checked);
          break;
        }
        case TMenuKind::Separator: item = parent->addSeparator(); break;
      }
      item->setObjectName(QString::fromUtf8(Row.Name));
      Row.Field(Form, item);
      ConnectMenuItem(Form, item, Row);
    }
  }

  // The tab key's order: depth first through the tree, the children of each
  // parent by their tab order (controls without one after them, as made).
  void TabOrder() {
    std::vector<QWidget*> chain;
    Collect(Made.at("Form_Main"), chain);
    QWidget* previous = nullptr;
    for (QWidget* w : chain) {
      if (w->focusPolicy() == Qt::NoFocus) continue;
      if (previous != nullptr) QWidget::setTabOrder(previous, w);
      previous = w;
    }
  }

  void Collect(QWidget* Parent, std::vector<QWidget*>& Chain) {
    auto list = Children[Parent];
    std::stable_sort(list.begin(), list.end(), [](const auto& A, const auto& B) {
      return (A.first < 0 ? INT_MAX : A.first) < (B.first < 0 ? INT_MAX : B.first);
    });
    for (const auto& [order, child] : list) {
      Chain.push_back(child);
      Collect(child, Chain);
    }
  }
};

}  // namespace

void TForm_Main::BuildComponents() {
  TComponentBuilder builder{*this, {}, {}};
  builder.Made["Form_Main"] = Client_;
  for (const TControlRow& Row : ControlRows()) {
    QWidget* control = builder.Control(Row);
    if (Row.Align != TAlign::alNone) control->setProperty(AlignProperty, static_cast<int>(Row.Align));
    ConnectEvents(*this, control, Row);
  }
  builder.Menu();
  builder.TabOrder();
}
