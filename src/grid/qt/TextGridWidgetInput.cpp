// The widget's input: Qt keys become the grid's virtual-key codes with a
// separate character step, mouse events the grid's press, move and release
// in client pixels, and the in-place edit field's keys and characters go to
// the grid's editor first.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "grid/qt/TextGridWidget.h"

namespace {
// The virtual-key code of a Qt key; 0 for a key without one.
TVirtualKey VirtualKeyOf(int Key) {
  if ((Key >= Qt::Key_0 && Key <= Qt::Key_9) || (Key >= Qt::Key_A && Key <= Qt::Key_Z)) {
    return static_cast<TVirtualKey>(Key);  // the same ASCII codes
  }
  if (Key >= Qt::Key_F1 && Key <= Qt::Key_F24) return static_cast<TVirtualKey>(VK_F1 + (Key - Qt::Key_F1));
  switch (Key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Print: return 44;
    case Qt::Key_Menu: return 93;
    default: return 0;
  }
}

TShiftState ShiftOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons = Qt::NoButton) {
  TShiftState shift = 0;
  if (Modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (Modifiers & Qt::AltModifier) shift |= ssAlt;
  if (Modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (Buttons & Qt::LeftButton) shift |= ssLeft;
  if (Buttons & Qt::RightButton) shift |= ssRight;
  if (Buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

// The characters a key types, as Latin-1 codes: none with Alt (they belong
// to the window's mnemonics), a control code for Ctrl with a letter (Ctrl+C
// types 3), none for Ctrl with anything else; Backspace types 8 also where
// the platform gives no text. Tab (focus navigation), Delete (127, a key,
// not a character) and characters beyond Latin-1 are not typed.
std::string TypedCharacters(const QKeyEvent& Event) {
  std::string chars;
  const Qt::KeyboardModifiers mods = Event.modifiers();
  if (mods & Qt::AltModifier) return chars;
  QString text = Event.text();
  if (text.isEmpty() && Event.key() == Qt::Key_Backspace) text = QString(QChar(8));
  for (const QChar ch : text) {
    char16_t code = ch.unicode();
    if (mods & Qt::ControlModifier) {
      if (code >= u'a' && code <= u'z') code = static_cast<char16_t>(code - u'a' + u'A');
      if (code >= u'@' && code <= u'_') {
        code = static_cast<char16_t>(code & 0x1F);
      } else if (code >= 32) {
        continue;
      }
    }
    if (code > 255 || code == 9 || code == 127) continue;
    chars += static_cast<char>(static_cast<unsigned char>(code));
  }
  return chars;
}

TMouseButton ButtonOf(Qt::MouseButton Button) {
  switch (Button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}

bool KnownButton(Qt::MouseButton Button) {
  return Button == Qt::LeftButton || Button == Qt::RightButton || Button == Qt::MiddleButton;
}
}  // namespace

// The arrows (always) and the characters typed without Ctrl or Alt are the
// grid's, never a shortcut's or a mnemonic's.
bool TTextGridWidget::event(QEvent* Event) {
  if (Event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(Event);
    const bool plainCharacter = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                                !key->text().isEmpty() && key->text().at(0).isPrint();
    if (TTextGrid::WantsSpecialKey(VirtualKeyOf(key->key())) || plainCharacter) {
      Event->accept();
      return true;
    }
  }
  return QWidget::event(Event);
}

void TTextGridWidget::keyPressEvent(QKeyEvent* Event) {
  Event->accept();
  TVirtualKey key = VirtualKeyOf(Event->key());
  const TShiftState shift = ShiftOf(Event->modifiers());
  if (key != 0) Guarded([&] { Grid_->KeyDown(key, shift); });
  for (char chr : TypedCharacters(*Event)) Guarded([&] { Grid_->KeyPress(chr); });
}

// Enter, Escape, Up and Down close the editor; every character goes through
// the grid's filter, and a refused one never reaches the field.
bool TTextGridWidget::EditorKey(QKeyEvent* Event) {
  bool consumed = false;
  Guarded([&] { consumed = Grid_->InplaceEditor().KeyDown(VirtualKeyOf(Event->key()), ShiftOf(Event->modifiers())); });
  if (consumed) return true;
  for (char chr : TypedCharacters(*Event)) {
    Guarded([&] { Grid_->InplaceEditor().KeyPress(chr); });
    if (chr == 0) return true;
  }
  return false;
}

// Every mouse event goes to the grid in client pixels with the buttons held
// and the modifiers; the second press of a double click is a press like the
// first. Buttons other than the three are not the grid's.
void TTextGridWidget::ForwardMouse(QMouseEvent* Event) {
  Event->accept();
  const QEvent::Type type = Event->type();
  if (type != QEvent::MouseMove && !KnownButton(Event->button())) return;
  const QPoint p = Event->position().toPoint() - ClientGeometry().topLeft();
  const TShiftState shift = ShiftOf(Event->modifiers(), Event->buttons());
  const TMouseButton button = ButtonOf(Event->button());
  Guarded([&] {
    switch (type) {
      case QEvent::MouseMove: Grid_->MouseMove(shift, p.x(), p.y()); break;
      case QEvent::MouseButtonRelease: Grid_->MouseUp(button, shift, p.x(), p.y()); break;
      default: Grid_->MouseDown(button, shift, p.x(), p.y()); break;
    }
  });
}

void TTextGridWidget::mousePressEvent(QMouseEvent* Event) { ForwardMouse(Event); }
void TTextGridWidget::mouseDoubleClickEvent(QMouseEvent* Event) { ForwardMouse(Event); }
void TTextGridWidget::mouseMoveEvent(QMouseEvent* Event) { ForwardMouse(Event); }
void TTextGridWidget::mouseReleaseEvent(QMouseEvent* Event) { ForwardMouse(Event); }
