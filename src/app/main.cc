// brilox: the windowed program.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("BRILOX 8.5j");
  window.setCentralWidget(new QLabel("BRILOX"));
  window.resize(686, 541);
  window.show();
  return app.exec();
}
