#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// "INSTRUÇÕES": the two pages on how to use the main window. Unlike the other
// help windows it keeps its page when closed, so reopening shows the page last
// read.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    // The page shown: 1 or 2.
    int CurrentPage() const;

    // The size of the page pictures.
    static QSize PageSize();

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QLabel* image1_;
    QLabel* image2_;
    QPushButton* command1_;
    QPushButton* command2_;
};
