#include "help/Form2.h"

#include "mainwindow/Twips.h"

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("INSTRUÇÕES"));
    setFixedSize(Twips(8145), Twips(9765));
}
