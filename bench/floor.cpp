// The floor the benchmark compares Conteggo with: a bare Qt 6 Widgets window showing one label,
// with nothing of the program's own.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("0:00:00"));
    label.resize(197, 76);
    label.show();
    return QApplication::exec();
}
