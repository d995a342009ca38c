// Program entry: runs the modules' start-up, creates the main window and enters
// the event loop.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarvelsicht");
  QMainWindow window;
  window.setWindowTitle("Tarvelsicht");
  window.resize(1280, 900);
  window.show();
  return QApplication::exec();
}
