#include <QApplication>
#include <QWidget>

// An empty window of the calculator's size, and nothing else.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(486, 550);
    window.show();
    return QApplication::exec();
}
