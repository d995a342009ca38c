// Program entry: runs the modules' start-up, creates the main window and enters
// the event loop.
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
