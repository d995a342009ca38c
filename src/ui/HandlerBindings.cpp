#include "ui/HandlerBindings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QResizeEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <QDeadlineTimer>

#include <exception>

#include "grid/qt/TextGridWidget.h"
#include "platform/Errors.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/FrameworkErrors.h"

namespace {

// Handlers entered since the last event pump: a handler run by a control that
// code changes inside another handler (a check box set, a scroll bar moved)
// passes its errors to that handler, as a direct call would; a handler run
// from the event loop or a pump reports them in the error box.
int HandlerDepth = 0;

// The error of a handler that a change made in code ran, held while Qt's
// signal code returns, until the call that made the change raises it again.
std::exception_ptr PendingError;

// A scroll bar's page size (the thumb's share of the range): none.
constexpr int ScrollPageSize = 0;

void RaisePendingError() {
  if (!PendingError) return;
  const std::exception_ptr error = PendingError;
  PendingError = nullptr;
  std::rethrow_exception(error);
}

}  // namespace

// No exception leaves here into Qt: a handler of the event loop reports its
// error, one run inside another handler's change of a control hands its error
// on (see SetChecked).
void TForm_Main::RunEvent(const std::function<void()>& Handler) {
  if (HandlerDepth > 0) {
    try {
      Handler();
    } catch (...) {
      if (!PendingError) PendingError = std::current_exception();
    }
    return;
  }
  ++HandlerDepth;
  try {
    Handler();
    RaisePendingError();  // held by a change that no call raised again
  } catch (const std::exception& Error) {
    HandlerDepth = 0;
    PendingError = nullptr;
    ShowErrorBox(Error.what());
    return;
  } catch (const tv::EProgramHalt& Halt) {
    HandlerDepth = 0;
    EndProgram(Halt.ExitCode());
    return;
  } catch (...) {
    HandlerDepth = 0;
    PendingError = nullptr;
    ShowErrorBox("Unknown error");
    return;
  }
  --HandlerDepth;
}

void SetChecked(QAbstractButton* Button, bool Checked) {
  Button->setChecked(Checked);
  RaisePendingError();
}

void SetPosition(QScrollBar* Bar, int Position) {
  Bar->setValue(Position);
  RaisePendingError();
}

void SetMaximum(QScrollBar* Bar, int Maximum) {
  if (Maximum < Bar->minimum() || Maximum < ScrollPageSize) throw EInvalidOperation("Scrollbar property out of range");
  Bar->setMaximum(Maximum);
  RaisePendingError();
}

void TForm_Main::ProcessMessages() {
  const int depth = HandlerDepth;
  HandlerDepth = 0;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  HandlerDepth = depth;
}

void TForm_Main::ShowErrorBox(const std::string& Message) {
  std::string text = Message;
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  const QString title = QGuiApplication::applicationDisplayName();
  if (ErrorBox) {
    ErrorBox(text, title.toStdString());
    return;
  }
  QMessageBox::critical(QApplication::activeWindow(), title, QString::fromStdString(text), QMessageBox::Ok);
}

void ConnectEvents(TForm_Main& Form, QWidget* Control, const TControlRow& Row) {
  TForm_Main* form = &Form;
  if (const TClickHandler click = Row.OnClick) {
    const auto run = [form, Control, click] { TForm_Main::RunEvent([&] { (form->*click)(Control); }); };
    switch (Row.Kind) {
      case TKind::CheckBox:  // every change of the checked state, by the user or by code
        QObject::connect(static_cast<QCheckBox*>(Control), &QCheckBox::toggled, form, run);
        break;
      case TKind::RadioButton:  // the button becomes checked, by the user or by code
        QObject::connect(static_cast<QRadioButton*>(Control), &QRadioButton::toggled, form,
                         [run](bool Checked) {
                           if (Checked) run();
                         });
        break;
      case TKind::Button:  // a click; the hidden draw button only from code
        QObject::connect(static_cast<QPushButton*>(Control), &QPushButton::clicked, form, run);
        break;
      case TKind::ComboBox:  // a line chosen by the user; a line set by code runs nothing
        QObject::connect(static_cast<QComboBox*>(Control), &QComboBox::activated, form, run);
        break;
      case TKind::ScrollBar:  // every change of the position, by the user or by code
        QObject::connect(static_cast<QScrollBar*>(Control), &QScrollBar::valueChanged, form, run);
        break;
      default: throw std::logic_error("no click event for " + std::string(Row.Name));
    }
  }
  if (const TKeyHandler keyDown = Row.OnKeyDown) {  // a key pressed in a field, before the field acts
    dynamic_cast<TFieldEdit&>(*Control).KeyDown = [form, Control, keyDown](int& Key, Qt::KeyboardModifiers Shift) {
      TForm_Main::RunEvent([&] { (form->*keyDown)(Control, Key, Shift); });
    };
  }
  if (Row.OnMouseDown != nullptr || Row.OnMouseUp != nullptr) {  // press and release of a step button
    auto& button = dynamic_cast<TBitBtn&>(*Control);
    const auto hook = [form, Control](TMouseHandler Handler) -> TMouseHook {
      if (Handler == nullptr) return {};
      return [form, Control, Handler](Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint At) {
        TForm_Main::RunEvent([&] { (form->*Handler)(Control, Button, Shift, At.x(), At.y()); });
      };
    };
    button.MouseDown = hook(Row.OnMouseDown);
    button.MouseUp = hook(Row.OnMouseUp);
  }
  if (Row.Kind == TKind::TextGrid)  // an error of the grid inside one of its Qt events
    dynamic_cast<TTextGridWidget&>(*Control).OnError = [](const std::exception& Error) {
      TForm_Main::ShowErrorBox(Error.what());
    };
  if (const TDrawCellHandler drawCell = Row.OnDrawCell) {  // a cell about to be painted
    dynamic_cast<TTextGridWidget&>(*Control).Grid().OnDrawCell =
        [form, drawCell](TTextGrid& Sender, tv::TCanvas& ACanvas, std::int32_t X, std::int32_t Y, tv::TRect Rc,
                         bool& Handled) { (form->*drawCell)(Sender, ACanvas, X, Y, Rc, Handled); };
  }
}

void ConnectMenuItem(TForm_Main& Form, QAction* Item, const TMenuRow& Row) {
  if (const TClickHandler click = Row.OnClick) {  // chosen by the user, by mouse or access key
    TForm_Main* form = &Form;
    QObject::connect(Item, &QAction::triggered, form,
                     [form, click] { TForm_Main::RunEvent([&] { (form->*click)(form); }); });
  }
}

// A change of the window's size, once the window's layout has placed the
// client area (so that the handler's event pumps never run inside that).
void TForm_Main::resizeEvent(QResizeEvent* Event) {
  QMainWindow::resizeEvent(Event);
  if (HoldResize_) {
    ResizeHeld_ = true;
    return;
  }
  RunEvent([this] { FormResize(this); });
}

void TForm_Main::ShowMaximizedAtStart() {
  HoldResize_ = true;
  ResizeHeld_ = false;
  showMaximized();
  // The events until the window is exposed; the timer wakes the wait.
  QTimer wake;
  wake.start(20);
  const QDeadlineTimer deadline(2000);
  while (!deadline.hasExpired()) {
    const QWindow* window = windowHandle();
    if (window != nullptr && window->isExposed()) break;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  QCoreApplication::processEvents();  // what came with the exposure
  HoldResize_ = false;
  if (!ResizeHeld_) return;
  ResizeHeld_ = false;
  RunEvent([this] { FormResize(this); });
}

// The close query: the window's close button or the system menu. The
// handler ends the program itself; when it comes back (its settings write
// failed, reported in the error box), the window stays open.
void TForm_Main::closeEvent(QCloseEvent* Event) {
  bool canClose = true;
  bool returned = false;
  RunEvent([&] {
    FormCloseQuery(this, canClose);
    returned = true;
  });
  if (returned && canClose)
    Event->accept();
  else
    Event->ignore();
}
