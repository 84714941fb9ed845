#include "mainwindow/Failure.h"

#include "expression/EngineError.h"

using quivela::expression::EngineError;

Failure::Failure(int number, QString description)
    : number_(number), description_(std::move(description)), utf8_(description_.toUtf8()) {}

Failure Failure::FromEngine(const EngineError& error) {
    return Failure(error.Number(), QString::fromStdString(error.Description()));
}

QString FailureMessage(const QString& heading, const QString& description) {
    return heading + QStringLiteral("\r\n\r\n") + description;
}
