// Program entry: runs the modules' start-up, creates the main window and enters
// the event loop.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <clocale>
#include <cstdlib>
#include <memory>
#ifdef TV_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

#include "data/Tarvelsicht_Unit_Variables.h"
#include "platform/ProgramRun.h"
#include "ui/Tarvelsicht_Unit_Main.h"

// False only on an X display that no window manager serves (a bare virtual
// display): there nothing acts on a request to maximise a window.
static bool HasWindowManager() {
#ifdef TV_HAVE_XCB
  const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return true;
  xcb_connection_t* connection = x11->connection();
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  static const char name[] = "_NET_SUPPORTING_WM_CHECK";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
  bool found = false;
  if (atom != nullptr && atom->atom != XCB_ATOM_NONE && screen != nullptr) {
    xcb_get_property_reply_t* property = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    found = property != nullptr && xcb_get_property_value_length(property) > 0;
    std::free(property);
  }
  std::free(atom);
  return found;
#else
  return true;
#endif
}

// The application's title, the main window made and shown maximised, and
// the event loop.
static int RunMainWindow() {
  QApplication::setApplicationName("Tarvelsicht");
  const std::unique_ptr<TForm_Main> window(CreateForm_Main());
  if (!HasWindowManager())
    if (const QScreen* screen = window->screen()) window->setGeometry(screen->availableGeometry());
  window->ShowMaximizedAtStart();
  return QApplication::exec();
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes the user's locale for the C library too; every number text of
  // the program is made with its own decimal mark, so the C library keeps
  // the point.
  std::setlocale(LC_NUMERIC, "C");
  // The data module's message: no icon, one OK button, before any window.
  MessageBoxHook = [](const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
  };
  const auto errorBox = [](const std::string& text, const std::string& caption) {
    QMessageBox::critical(nullptr, QString::fromStdString(caption), QString::fromStdString(text));
  };
  // Module start-up in module order; the window only after all have returned.
  return tv::RunProgram({{Init_Variables, Final_Variables}}, &RunMainWindow, errorBox);
}
