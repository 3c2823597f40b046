#include "FirstExpose.h"

#include <QComboBox>
#include <QFontDatabase>

// The yardstick: the least a Qt Widgets program does to show a main window that holds a list
// of the installed font families.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    FirstExpose::Install();
    QMainWindow window;
    auto* fonts = new QComboBox(&window);
    fonts->addItems(QFontDatabase::families());
    window.setCentralWidget(fonts);
    window.show();
    return QApplication::exec();
}
