#include "app/Form3.h"
#include "app/ProgramSetUp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ProgramSetUp::SetUp(app);
    Form3 start;
    start.show();
    return app.exec();
}
