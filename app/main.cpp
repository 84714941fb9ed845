#include "app/CommandLine.h"
#include "app/Form3.h"
#include "app/ProgramSetUp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before the application object, which would need a display.
    if (const std::optional<int> status = CommandLine::Answer(argc, argv))
        return *status;
    QApplication app(argc, argv);
    ProgramSetUp::SetUp(app);
    Form3 start;
    start.show();
    return app.exec();
}
