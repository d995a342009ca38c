// Program entry: runs the modules' start-up, creates the main window and enters
// the event loop.
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>

#include "data/Tarvelsicht_Unit_Variables.h"
#include "platform/ProgramRun.h"

static int RunMainWindow() {
  QApplication::setApplicationName("Tarvelsicht");
  QMainWindow window;
  window.setWindowTitle("Tarvelsicht");
  window.resize(1280, 900);
  QMenu* file = window.menuBar()->addMenu("&Datei");
  QAction* exitAction = file->addAction("&Exit");
  exitAction->setShortcut(QKeySequence::Quit);
  QObject::connect(exitAction, &QAction::triggered, &window, &QWidget::close);
  window.show();
  return QApplication::exec();
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
