// The yardstick for the start-up benchmark: the least a Qt 6 Widgets program does to put one
// window of the About window's size on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(388, 202);
  window.show();
  return app.exec();
}
