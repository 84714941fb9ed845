#pragma once

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class DrawingWindow;

// Every control of the main window, created at its design place with its
// design name, caption, initial text and tooltip. The window's behaviour lives
// in Form1; this class only builds the controls and hands out pointers to them.
//
// Per-graph arrays are indexed 0 = f, 1 = g, 2 = the operation.
class Form1Controls {
public:
    explicit Form1Controls(QWidget* form);

    // Picture1(1) .. Picture1(9); index 0 is unused.
    std::array<DrawingWindow*, 10> picture{};

    // "Opções"
    QGroupBox* frame6 = nullptr;
    QPushButton* command6 = nullptr; // Fechar
    QPushButton* command5 = nullptr; // Funções
    QPushButton* command4 = nullptr; // Sintaxe
    QPushButton* sair = nullptr;
    QPushButton* ajuda = nullptr; // Instruções

    // "Ampliar desenhos"
    QGroupBox* frame5 = nullptr;
    std::array<QPushButton*, 3> ampliar{}; // Command1, Command2, Command3

    // The functions group.
    QGroupBox* frame1 = nullptr;
    QLineEdit* funcaoF = nullptr;
    QLineEdit* funcaoG = nullptr;
    // The twelve option buttons, in the order the operation is looked up.
    std::array<QRadioButton*, 12> option{};
    QButtonGroup* options = nullptr;
    QLineEdit* valorDeA = nullptr;
    QLineEdit* valorDeB = nullptr;

    // "Opções sobre a função f" / "... g" / "... a operação"
    std::array<QGroupBox*, 3> graphFrame{};
    std::array<QPushButton*, 3> desenhar{};
    std::array<QPushButton*, 3> apagar{};
    std::array<QPushButton*, 3> eixosRad{};
    std::array<QPushButton*, 3> corDoFundo{};
    std::array<QPushButton*, 3> corDoGrafico{};
    QLineEdit* funcao = nullptr; // the operation's text

    // "Desenhar linhas"
    QGroupBox* frame4 = nullptr;
    QLineEdit* abcissa = nullptr;
    std::array<QCheckBox*, 3> abcissaCheck{};  // AbcissaF, AbcissaG, AbcissaO
    std::array<QCheckBox*, 3> ordenadaCheck{}; // OrdenadaF, OrdenadaG, OrdenadaO
    QPushButton* desenharCoordenadas = nullptr;

    // "Ver coordenadas nos gráficos"
    QGroupBox* frame7 = nullptr;
    QCheckBox* check1 = nullptr;
    QLabel* label6 = nullptr;

    // Titles of the enlarged views: Label12, Label13, Label15.
    std::array<QLabel*, 3> enlargedTitle{};

private:
    // The tab order follows the window's visual order.
    void SetTabOrder();
    QRadioButton* OptionAt(int column, int row) const;
    std::array<int, 12> optionColumn_{};
    std::array<int, 12> optionRow_{};

    void BuildPictures(QWidget* form);
    void BuildTitles(QWidget* form);
    void BuildShellButtons(QWidget* form);
    void BuildFunctionsGroup(QWidget* form);
    void BuildGraphFrames(QWidget* form);
    void BuildLinesGroup(QWidget* form);
    void BuildReadoutGroup(QWidget* form);
    void BuildEnlargeGroup(QWidget* form);
};
