#include "help/Form5.h"

#include "mainwindow/Twips.h"

Form5::Form5(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("FUNÇÕES DEFINIDAS"));
    setFixedSize(Twips(7245), Twips(10965));
}
