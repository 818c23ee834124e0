// The yardstick for the start-up benchmark: the least a Qt 6 Widgets program does to put one
// window of the About window's size on the screen with one line of text in the default font, as
// the About window shows its notice. Any window with a word in it pays for the fonts;
// bare_window, which draws none, shows what that costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(388, 202);
  QLabel notice("Tavrel 3.0: age at testing. Click or press Return to begin.", &window);
  notice.setGeometry(20, 174, 345, 20);
  notice.setAlignment(Qt::AlignCenter);
  window.show();
  return app.exec();
}
