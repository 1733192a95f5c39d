// A bare Qt window built like the player (same compiler flags and Qt), to
// compare start-up times with: it shows an empty, titled window and waits.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("BareWindow");
  window.resize(1280, 50);
  window.show();
  return QApplication::exec();
}
