// The widget's input: Qt keys become the grid's virtual-key codes with a
// separate character step, mouse events the grid's press, move and release
// in client pixels, and the in-place edit field's keys and characters go to
// the grid's editor first.
#include <QApplication>
#include <QInputMethodEvent>
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

// The code points of a text; a lone surrogate half is no character.
std::u32string CodePoints(const QString& Text) {
  std::u32string chars;
  for (const char32_t code : Text.toUcs4()) {
    if (code < 0xD800 || code > 0xDFFF) chars += code;
  }
  return chars;
}

// The characters a key types: none with Alt (they belong to the window's
// mnemonics), a control code for Ctrl with a letter (Ctrl+C types 3), none
// for Ctrl with anything else; Backspace types 8 also where the platform
// gives no text. Tab (focus navigation) and Delete (127, a key, not a
// character) are not typed; every other character is, in any script.
std::u32string TypedCharacters(const QKeyEvent& Event) {
  std::u32string chars;
  const Qt::KeyboardModifiers mods = Event.modifiers();
  if (mods & Qt::AltModifier) return chars;
  QString text = Event.text();
  if (text.isEmpty() && Event.key() == Qt::Key_Backspace) text = QString(QChar(8));
  for (char32_t code : CodePoints(text)) {
    if (mods & Qt::ControlModifier) {
      if (code >= U'a' && code <= U'z') code = code - U'a' + U'A';
      if (code >= U'@' && code <= U'_') {
        code &= 0x1F;
      } else if (code >= 32) {
        continue;
      }
    }
    if (code == 9 || code == 127) continue;
    chars += code;
  }
  return chars;
}

// The characters of Chars that the filter Allow lets through, as text.
template <class F>
QString Filtered(const std::u32string& Chars, F&& Allow) {
  QString text;
  for (TChar chr : Chars) {
    if (Allow(chr)) text += QString::fromUcs4(&chr, 1);
  }
  return text;
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
  for (TChar chr : TypedCharacters(*Event)) Guarded([&] { Grid_->KeyPress(chr); });
}

// Only a real release: an auto-repeating key sends none until it goes up.
void TTextGridWidget::keyReleaseEvent(QKeyEvent* Event) {
  Event->accept();
  if (Event->isAutoRepeat()) return;
  TVirtualKey key = VirtualKeyOf(Event->key());
  const TShiftState shift = ShiftOf(Event->modifiers());
  if (key != 0) Guarded([&] { Grid_->KeyUp(key, shift); });
}

// Enter, Escape, Up and Down close the editor; every character goes through
// the grid's filter, and a refused one never reaches the field (the others
// of the same key, if any, do).
bool TTextGridWidget::EditorKey(QKeyEvent* Event) {
  bool consumed = false;
  Guarded([&] { consumed = Grid_->InplaceEditor().KeyDown(VirtualKeyOf(Event->key()), ShiftOf(Event->modifiers())); });
  if (consumed) return true;
  const std::u32string chars = TypedCharacters(*Event);
  if (chars.empty()) return false;
  const std::u32string taken = EditorFiltered(chars);
  if (taken == chars) return false;
  // Control characters (Backspace, Ctrl with a letter) are keys of the field:
  // they act only through the event itself, which goes on unchanged when
  // they are all the event types.
  const QString text = Filtered(taken, [](TChar Chr) { return Chr >= 32; });
  if (!text.isEmpty()) Editor_->insert(text);
  return true;
}

// An error of the filter lets the character through no more than a refusal.
std::u32string TTextGridWidget::EditorFiltered(const std::u32string& Chars) {
  std::u32string taken;
  for (const TChar chr : Chars) {
    TChar key = chr;
    bool failed = true;
    Guarded([&] {
      Grid_->InplaceEditor().KeyPress(key);
      failed = false;
    });
    if (!failed && key != 0) taken += key;
  }
  return taken;
}

bool TTextGridWidget::EditorInput(QInputMethodEvent* Event) {
  if (FilteringInput_ || Event->commitString().isEmpty()) return false;
  const std::u32string chars = CodePoints(Event->commitString());
  const std::u32string taken = EditorFiltered(chars);
  if (taken == chars) return false;
  QInputMethodEvent filtered(Event->preeditString(), Event->attributes());
  filtered.setCommitString(Filtered(taken, [](TChar) { return true; }), Event->replacementStart(),
                           Event->replacementLength());
  FilteringInput_ = true;
  QCoreApplication::sendEvent(Editor_, &filtered);
  FilteringInput_ = false;
  return true;
}

// Every mouse event goes to the grid in client pixels with the buttons held
// and the modifiers; the second press of a double click is a press like the
// first. Buttons other than the three are not the grid's.
void TTextGridWidget::ForwardMouse(QMouseEvent* Event) {
  Event->accept();
  const QEvent::Type type = Event->type();
  if (type != QEvent::MouseMove && !KnownButton(Event->button())) return;
  const QPoint p = Event->position().toPoint() - ClientGeometry().topLeft();
  TShiftState shift = ShiftOf(Event->modifiers(), Event->buttons());
  if (type == QEvent::MouseButtonDblClick) shift |= ssDouble;
  const TMouseButton button = ButtonOf(Event->button());
  const Qt::MouseButtons known = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
  if (type == QEvent::MouseMove && Captured_ && (Event->buttons() & known) == 0) {
    // The release went elsewhere (a window that opened meanwhile took it).
    Guarded([&] { Grid_->CancelMouseDrag(); });
  }
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
