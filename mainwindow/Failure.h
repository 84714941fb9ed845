#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace quivela::expression {
class EngineError;
}

// Why a command of the main window stopped, as its message box tells the user.
// It is the one failure the window's handlers catch: an error of the engine
// becomes one where the engine is called (FromEngine), with its number and
// description; a condition of the window's own, such as a typed value that has
// no value, is raised as one directly.
class Failure : public std::exception {
public:
    Failure(int number, QString description);
    static Failure FromEngine(const quivela::expression::EngineError& error);

    int Number() const noexcept { return number_; }
    const QString& Description() const noexcept { return description_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    int number_;
    QString description_;
    QByteArray utf8_;
};

// The text of the message box that reports a failure: the command's heading,
// an empty line (two CR LF) and the description.
QString FailureMessage(const QString& heading, const QString& description);
