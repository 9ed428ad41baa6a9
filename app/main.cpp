// Corvane Shaper entry point.
#include <QApplication>
#include <QMainWindow>
#include <clocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QMainWindow w;
    w.setWindowTitle("Corvane Shaper");
    w.resize(1024, 768);
    w.show();
    return app.exec();
}
