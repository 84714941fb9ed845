#pragma once

#include <QMainWindow>
#include <memory>

class Form1;
class Form2;
class Form4;
class Form5;

// The start window: the program's title artwork and the menu that opens the
// main window and the help windows. It owns every other window of the
// program; each is created on first use, exists once and is shown modelessly.
class Form3 : public QMainWindow {
    Q_OBJECT
public:
    Form3();
    ~Form3() override;

    // The windows as they stand (null until first shown), for tests.
    Form1* MainWindow() const { return form1_.get(); }
    Form2* Instructions() const { return form2_.get(); }
    Form4* Syntax() const { return form4_.get(); }
    Form5* Functions() const { return form5_.get(); }

    void ShowMainWindow();
    void ShowInstructions();
    void ShowSyntax();
    void ShowFunctions();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void BuildContent();
    void CreateMainWindow();
    void MainWindowClosed();

    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
};
