// A bare window the size of Zentaro's main window, with one control of each
// kind it uses most. bench/startup compares Zentaro's start-up against it.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Zentaro floor"));
    window.resize(725, 440);

    QLineEdit edit(&window);
    edit.setGeometry(156, 52, 81, 33);
    QLabel label(QStringLiteral("Voltage"), &window);
    label.setGeometry(72, 56, 81, 33);
    QPushButton button(QStringLiteral("Solve"), &window);
    button.setGeometry(604, 152, 81, 33);

    window.show();
    return QApplication::exec();
}
