#include "app/Form3.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Form3 start;
    start.show();
    return app.exec();
}
