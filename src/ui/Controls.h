// The main window's kinds of control that Qt does not offer as they are: a
// panel with a colour and a bevel, a picture box that shows a bitmap, a
// single-line coloured field with a key-down hook (standing in for a rich
// edit field), a bitmap button that reports press and release with the mouse
// state, a status bar of fixed-width panels and the window's client area.
// Captions and fonts are set through the helpers at the end, which keep the
// exact caption text the window was given.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "platform/canvas/Canvas.h"
#include "platform/qt/Bitmap.h"

// System colours the window's controls use beyond the canvas's own.
constexpr tv::TColor clScrollBar = 0x80000000;  // scroll-bar face
constexpr tv::TColor clBackground = 0x80000001; // desktop
constexpr tv::TColor clBtnText = 0x80000012;    // button text
constexpr tv::TColor clDefault = 0x1FFFFFFF;    // no colour of its own: the parent's

// The Qt colour of a colour value or system colour.
QColor ToQColor(tv::TColor Color);

// A widget font: Face as the window names it ("Default" and "MS Sans Serif"
// become Liberation Sans, "Courier New" Liberation Mono, "Arial" and "Arial
// Narrow" resolve through the font configuration), the character height in
// pixels, bold or not.
QFont WidgetFont(const char* Face, int PixelHeight, bool Bold);

// Gives Widget a background colour of its own (painted) and, unless
// TextColor is clDefault, a text colour.
void SetWidgetColors(QWidget* Widget, tv::TColor Background, tv::TColor TextColor);

// A panel: a plain area with a colour and no bevel or a raised one.
class TPanel : public QFrame {
 public:
  explicit TPanel(QWidget* Parent);
  void SetBevel(bool Raised);
};

// A picture box: shows Picture stretched into the box with its proportions
// kept, anchored at the top left; nothing when the picture is empty.
class TPictureBox : public QWidget {
 public:
  explicit TPictureBox(QWidget* Parent);
  tv::TBitmap Picture;

 protected:
  void paintEvent(QPaintEvent* Event) override;
};

// The key-down hook of a field: may change Key; 0 swallows the key.
using TKeyDownHook = std::function<void(int& Key, Qt::KeyboardModifiers Shift)>;

// A single-line field whose text is its value. KeyDown runs before the field
// handles a key press.
class TFieldEdit : public QLineEdit {
 public:
  explicit TFieldEdit(QWidget* Parent);
  TKeyDownHook KeyDown;

 protected:
  void keyPressEvent(QKeyEvent* Event) override;
};

// The glyph of a step button: a black triangle on transparent ground.
enum class TGlyph { None, Up, Down, Left, Right };

// A mouse press or release hook: button, modifiers, position in the control.
using TMouseHook = std::function<void(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint Position)>;

// A button without caption that shows a glyph and reports the mouse press
// and release after the button has handled them.
class TBitBtn : public QPushButton {
 public:
  explicit TBitBtn(QWidget* Parent);
  void SetGlyph(TGlyph Glyph);
  TMouseHook MouseDown;
  TMouseHook MouseUp;

 protected:
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
};

// A status bar of six panels side by side with the widths and alignments of
// the window's layout; the last panel takes what remains.
class TStatusBar : public QFrame {
 public:
  static constexpr int PanelCount = 6;
  explicit TStatusBar(QWidget* Parent);
  void SetPanelText(int Index, const std::string& Text);  // UTF-8; index 0 to 5
  std::string PanelText(int Index) const;
  QLabel* Panel(int Index) const;

 protected:
  void resizeEvent(QResizeEvent* Event) override;

 private:
  void PlacePanels();
  std::array<QLabel*, PanelCount> Panels_{};
};

// The window's client area below the menu bar; reports its size changes
// (to re-dock its panels; nothing there may pump events).
class TClientArea : public QWidget {
 public:
  explicit TClientArea(QWidget* Parent);
  std::function<void()> Resized;

 protected:
  void resizeEvent(QResizeEvent* Event) override;
};

// The dynamic property that holds a control's docking (a TAlign as int).
inline constexpr const char* AlignProperty = "tvAlign";
// The dynamic property of a label that is sized to its caption: its top-left
// corner stays, its width and height follow the text at every caption.
inline constexpr const char* AutoSizeProperty = "tvAutoSize";

// The caption of a control as the window set it (UTF-8): a label's, button's,
// check box's or panel's caption, a field's text, a list's shown text. Labels
// show a caption's CR LF as a line break; a label sized to its caption takes
// the size of the new text.
void SetCaption(QWidget* Control, const std::string& Caption);
std::string Caption(const QWidget* Control);
