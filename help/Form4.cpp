#include "help/Form4.h"

#include "mainwindow/Twips.h"

Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("SINTAXE"));
    setFixedSize(Twips(7350), Twips(11310));
}
