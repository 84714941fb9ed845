#include "app/Form3.h"

#include "app/Artwork.h"
#include "drawing/ReturnClicks.h"
#include "drawing/Twips.h"
#include "drawing/WindowScale.h"
#include "help/Form2.h"
#include "help/Form4.h"
#include "help/Form5.h"
#include "mainwindow/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>

namespace {

// Brings a window of the program to the user: shown if hidden, raised and
// given the focus if already shown. Opened the first time on the start
// window's screen, so that it is fitted to the screen the user works on.
void Present(QWidget* w, QScreen* screen) {
    if (!w->windowHandle() && w->screen() != screen)
        w->move(screen->availableGeometry().topLeft());
    w->show();
    w->raise();
    w->activateWindow();
}

QLabel* TitleLabel(QWidget* parent, const char* name, const char* text, int pixels, bool bold,
                   QColor colour, QRect twips) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromUtf8(name));
    // Comic Neue: a free font of the same look as the one the title was
    // designed in.
    QFont font(QStringLiteral("Comic Neue"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return l;
}

} // namespace

Form3::Form3() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("QUIVELA COM FUNÇÕES"));
    BuildMenu();
    BuildContent();
    setFixedSize(Twips(15240), Twips(10710) + menuBar()->sizeHint().height());
    WindowScale::Fit(this);
    ClickButtonsOnReturn(this);
}

Form3::~Form3() = default;

void Form3::BuildMenu() {
    QMenuBar* bar = menuBar();
    QMenu* ficheiro = bar->addMenu(QStringLiteral("Ficheiro"));
    ficheiro->setObjectName(QStringLiteral("Ficheiro"));
    ficheiro->menuAction()->setObjectName(QStringLiteral("Ficheiro"));
    QAction* sair = ficheiro->addAction(QStringLiteral("Sair"));
    sair->setObjectName(QStringLiteral("Sair"));
    connect(sair, &QAction::triggered, qApp, &QCoreApplication::quit);

    struct Item {
        const char *name, *caption;
        void (Form3::*show)();
    };
    static constexpr Item items[] = {
        {"Quivela", "Quivela", &Form3::ShowMainWindow},
        {"Instruções", "Instruções", &Form3::ShowInstructions},
        {"Sintaxe", "Sintaxe", &Form3::ShowSyntax},
        {"FunçõesDefinidas", "Funções definidas", &Form3::ShowFunctions},
    };
    for (const Item& item : items) {
        QAction* a = bar->addAction(QString::fromUtf8(item.caption));
        a->setObjectName(QString::fromUtf8(item.name));
        connect(a, &QAction::triggered, this, item.show);
    }
}

void Form3::BuildContent() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form3Client"));
    client->setFixedSize(Twips(15240), Twips(10710));
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 204));
    // Text on the fixed paper has a fixed colour too, or a dark desktop
    // would write it near-white on cream.
    pal.setColor(QPalette::WindowText, Qt::black);
    client->setPalette(pal);
    setCentralWidget(client);

    const QColor navy(0, 0, 128), red(192, 0, 0), teal(0, 110, 110);
    TitleLabel(client, "Label1", "QUIVELA", 96, true, navy, {3600, 600, 8040, 1650});
    TitleLabel(client, "Label2", "COM", 56, true, red, {3600, 2300, 8040, 1050});
    TitleLabel(client, "Label3", "FUNÇÕES", 96, true, navy, {3600, 3350, 8040, 1650});
    TitleLabel(client, "Label6", "Operações com funções reais de variável real", 26, false, teal,
               {2400, 5300, 10440, 600});
    TitleLabel(client, "Label7", "Escolha no menu a janela que pretende abrir.", 20, false, teal,
               {2400, 9000, 10440, 500});

    struct Picture {
        const char* name;
        Artwork::Kind kind;
        int left, top;
    };
    static constexpr Picture pictures[] = {
        {"Image1", Artwork::Kind::Waves, 300, 300},
        {"Image2", Artwork::Kind::Parabolas, 11940, 300},
        {"Image3", Artwork::Kind::Operations, 300, 6150},
        {"Image10", Artwork::Kind::Spiral, 11940, 6150},
    };
    for (const Picture& pic : pictures) {
        auto* art = new Artwork(pic.kind, client);
        art->setObjectName(QString::fromUtf8(pic.name));
        art->setGeometry(TwipsRect(pic.left, pic.top, 3000, 3000));
    }

    auto plain = [client](const char* name, const char* text, QRect twips) {
        auto* l = new QLabel(QString::fromUtf8(text), client);
        l->setObjectName(QString::fromUtf8(name));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(PointsToPixels(9.75));
        l->setFont(font);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    };
    plain("Label4", "Versão " QUIVELA_VERSION, {5400, 6300, 4440, 345});
    plain("Label5", "Resolução: 1024x768", {5400, 6750, 4440, 345});
}

void Form3::CreateMainWindow() {
    form1_ = std::make_unique<Form1>();
    connect(form1_.get(), &Form1::InstructionsRequested, this, &Form3::ShowInstructions);
    connect(form1_.get(), &Form1::SyntaxRequested, this, &Form3::ShowSyntax);
    connect(form1_.get(), &Form1::FunctionsRequested, this, &Form3::ShowFunctions);
    connect(form1_.get(), &Form1::Closed, this, &Form3::MainWindowClosed);
}

void Form3::MainWindowClosed() {
    // "Fechar" discards the window and all it held; a fresh one waits,
    // hidden, for the next time it is asked for. The old one is still inside
    // its own handler, so it goes when control is back in the event loop.
    form1_.release()->deleteLater();
    CreateMainWindow();
}

void Form3::ShowMainWindow() {
    if (!form1_)
        CreateMainWindow();
    Present(form1_.get(), screen());
}

void Form3::ShowInstructions() {
    if (!form2_)
        form2_ = std::make_unique<Form2>();
    Present(form2_.get(), screen());
}

void Form3::ShowSyntax() {
    if (!form4_)
        form4_ = std::make_unique<Form4>();
    Present(form4_.get(), screen());
}

void Form3::ShowFunctions() {
    if (!form5_)
        form5_ = std::make_unique<Form5>();
    Present(form5_.get(), screen());
}

void Form3::closeEvent(QCloseEvent* event) {
    // Closing the start window leaves no menu to reach the others: it ends
    // the program, as "Sair" does.
    event->accept();
    QCoreApplication::quit();
}
