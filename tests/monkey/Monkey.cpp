#include "Monkey.h"

#include "HostileTexts.h"
#include "app/Form3.h"
#include "axes/AxisPainter.h"
#include "drawing/DrawingWindow.h"
#include "help/Form2.h"
#include "help/Form4.h"
#include "help/Form5.h"
#include "mainwindow/Form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const char* const kSuffix[3] = {"F", "G", "O"};
const char* const kEnlarge[3] = {"Ampliar f", "Ampliar g", "Ampliar operação"};
const char* const kReduce[3] = {"Reduzir f", "Reduzir g", "Reduzir operação"};

// Texts a user may well type: each either plots or stops with a message.
const char* const kExpressions[] = {
    "4sen(x)",
    "tg(x)",
    "x",
    "x^2-3",
    "1/x",
    "sqr(x)",
    "log(x)",
    "exp(x)",
    "2X",
    "-x",
    "cos(2x)+1",
    "5sen (2x)",
    "pi",
    "e",
    "0",
    "-2.5",
    "3",
    "x*x*x/10",
    "abs(x)",
    "sen(x)*cos(x)",
    "log (exp (sen (5x)))",
    "x\\2",
    "x%3",
    "sqr(-1)",
    "rnd(x)",
    "fix(x)",
};
const char* const kPieces[] = {"x",   "X",   "(",   ")",   "+", "-",   "*",   "/",   "^",   "\\",
                               "%",   ",",   "1",   "0.5", "8", "e",   "pi",  "sen", "cos", "tg",
                               "log", "sqr", "exp", " ",   ".", "1e3", "max", "y",   "ç",   "é"};

// The program's own texts: a message box showing anything else is a fault.
bool KnownMessage(const QString& text) {
    static const QStringList exact = {
        QString::fromUtf8("Deve escrever a expressão analítica da função que pretende "
                          "representar graficamente."),
        QString::fromUtf8("Deve indicar o valor de a."),
        QString::fromUtf8("Deve indicar o valor de b."),
        QString::fromUtf8("Deve indicar para abcissa um valor entre -8 e 8."),
    };
    static const QStringList headings = {QString::fromUtf8("Erro na expressão analítica:\r\n\r\n"),
                                         QStringLiteral("Erro:\r\n\r\n")};
    if (exact.contains(text))
        return true;
    for (const QString& h : headings)
        if (text.startsWith(h) && text.size() > h.size())
            return true;
    return false;
}

long ResidentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

constexpr bool kAddressSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

} // namespace

Monkey::Monkey(Form3& start, quint32 seed) : start_(start), rng_(seed) {
    qApp->installEventFilter(this);
    // Each is an activation of the main window when it comes from another
    // window of the program.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        if (w != nullptr && MainWindow() != nullptr && w == MainWindow()->windowHandle())
            ++counts_[QStringLiteral("main window focused")];
    });
    BuildActions();
}

Form1* Monkey::MainWindow() const {
    return start_.MainWindow();
}

QWidget* Monkey::Find(QWidget* window, const char* name) const {
    return window ? window->findChild<QWidget*>(QString::fromUtf8(name)) : nullptr;
}

bool Monkey::Shown(QWidget* w) const {
    return w != nullptr && w->isVisible();
}

void Monkey::Click(QWidget* window, const char* name) {
    if (QWidget* w = Find(window, name))
        QTest::mouseClick(w, Qt::LeftButton);
    else
        problems_ << QStringLiteral("no control %1").arg(QString::fromUtf8(name));
}

// --- The actions ---------------------------------------------------------------

void Monkey::BuildActions() {
    for (const char* item : {"Quivela", "Instruções", "Sintaxe", "FunçõesDefinidas"}) {
        actions_.push_back(
            {QString::fromUtf8("menu %1").arg(QString::fromUtf8(item)), [] { return true; },
             [this, item] { start_.findChild<QAction*>(QString::fromUtf8(item))->trigger(); }});
    }
    // Switching to another window of the program by clicking on it.
    actions_.push_back({QStringLiteral("activate a window"), [] { return true; },
                        [this] {
                            const QList<QWidget*> open = {&start_, MainWindow(),
                                                          start_.Instructions(), start_.Syntax(),
                                                          start_.Functions()};
                            QWidget* w = open[int(rng_.bounded(open.size()))];
                            if (Shown(w))
                                w->activateWindow();
                        }});
    AddForm1Actions();
    AddHelpActions();
}

void Monkey::AddForm1Actions() {
    auto form1Shown = [this] { return Shown(MainWindow()); };
    auto button = [&](const QString& name, std::function<void()> after, Modal modal) {
        const QByteArray n = name.toUtf8();
        actions_.push_back({name, form1Shown,
                            [this, n, after] {
                                Click(MainWindow(), n.constData());
                                if (after)
                                    after();
                            },
                            modal});
    };
    for (int k = 0; k < 3; ++k) {
        const QString s = QString::fromUtf8(kSuffix[k]);
        button(
            QStringLiteral("Desenhar") + s, [this, k] { Plotted(k); }, Modal::Message);
        button(
            QStringLiteral("Apagar") + s, [this, k] { Erased(k); }, Modal::None);
        button(
            QStringLiteral("EixosRad") + s,
            [this, k] {
                graphs_[k].drawn = false;
                graphs_[k].redrawn = true;
            },
            Modal::None);
        button(
            QStringLiteral("CorDoFundo") + s,
            [this, k] {
                if (!answers_.empty() && answers_.back().accepted)
                    Erased(k);
            },
            Modal::Colour);
        button(QString::fromUtf8("CorDoGráfico") + s, {}, Modal::Colour);
        button(
            QStringLiteral("Command%1").arg(k + 1),
            [this, k] { graphs_[k].enlarged = !graphs_[k].enlarged; }, Modal::None);
    }
    for (const char* b : {"Command4", "Command5", "Ajuda"})
        button(QString::fromUtf8(b), {}, Modal::None);
    button(QStringLiteral("DesenharCoordenadas"), {}, Modal::Message);
    for (const char* b :
         {"OptionSoma", "OptionProduto", "OptionSubfg", "OptionSubgf", "OptionQuofg", "OptionQuogf",
          "OptionSqrf", "OptionSqrg", "OptionCompfg", "OptionCompgf", "Optionbf", "Optionfa",
          "AbcissaF", "AbcissaG", "AbcissaO", "OrdenadaF", "OrdenadaG", "OrdenadaO", "Check1"})
        button(QString::fromUtf8(b), {}, Modal::None);
    // "Fechar", or the title bar's close.
    actions_.push_back({QStringLiteral("Command6"), form1Shown, [this] {
                            discarded_ = MainWindow();
                            Click(MainWindow(), "Command6");
                            Closed();
                        }});
    actions_.push_back({QStringLiteral("close the main window"), form1Shown, [this] {
                            discarded_ = MainWindow();
                            MainWindow()->close();
                            Closed();
                        }});
    for (const char* box : {"FunçãoF", "FunçãoG", "Função", "ValorDeA", "ValorDeB", "Abcissa"})
        AddText(box);
    actions_.push_back(
        {QStringLiteral("move the pointer over a drawing window"), form1Shown, [this] {
             const QString name = QStringLiteral("Picture1_%1").arg(1 + rng_.bounded(9));
             QWidget* w = Find(MainWindow(), name.toUtf8().constData());
             if (Shown(w))
                 QTest::mouseMove(
                     w, QPoint(int(rng_.bounded(w->width())), int(rng_.bounded(w->height()))));
         }});
}

void Monkey::AddText(const char* box) {
    const QString name = QString::fromUtf8(box);
    auto shown = [this] { return Shown(MainWindow()); };
    // Three ways of typing, twice as likely as any button.
    for (int i = 0; i < 2; ++i) {
        actions_.push_back({QStringLiteral("type into ") + name, shown, [this, box] {
                                auto* edit = qobject_cast<QLineEdit*>(Find(MainWindow(), box));
                                const QString text = Text();
                                const int how = int(rng_.bounded(3));
                                bool plain = text.size() <= 30;
                                for (QChar c : text)
                                    plain = plain && c.unicode() >= 32 && c.unicode() < 127;
                                if (how == 0 && plain) {
                                    edit->clear();
                                    QTest::keyClicks(edit, text);
                                } else {
                                    // Pasted over the text, or after it.
                                    if (how == 2)
                                        edit->end(false);
                                    else
                                        edit->selectAll();
                                    edit->insert(text);
                                }
                            }});
    }
    // Enter presses the box's button.
    const int graph = name == QString::fromUtf8("FunçãoF")   ? 0
                      : name == QString::fromUtf8("FunçãoG") ? 1
                                                             : 2;
    const bool plots = name != QStringLiteral("Abcissa");
    actions_.push_back({QStringLiteral("Enter in ") + name, shown,
                        [this, box, plots, graph] {
                            QWidget* edit = Find(MainWindow(), box);
                            QTest::keyClick(edit, Qt::Key_Return);
                            if (plots)
                                Plotted(graph);
                        },
                        Modal::Message});
}

void Monkey::AddHelpActions() {
    struct Window {
        std::function<QWidget*()> window;
        std::vector<const char*> buttons;
        bool keepsPage;
    };
    const Window windows[] = {
        {[this] { return start_.Instructions(); }, {"Command1", "Command2"}, true},
        {[this] { return start_.Syntax(); }, {"SetaE", "SetaD"}, false},
        {[this] { return start_.Functions(); }, {"SetaE", "SetaD"}, false},
    };
    for (const Window& w : windows) {
        auto shown = [this, get = w.window] { return Shown(get()); };
        for (const char* b : w.buttons)
            actions_.push_back(
                {QString::fromUtf8(b), shown, [this, get = w.window, b] { Click(get(), b); }});
        // "Fechar", or the title bar's close.
        for (const bool titleBar : {false, true}) {
            actions_.push_back(
                {titleBar ? QStringLiteral("close a help window") : QStringLiteral("Fechar"), shown,
                 [this, get = w.window, titleBar, keeps = w.keepsPage] {
                     QWidget* help = get();
                     if (keeps)
                         instructionsPage_ = start_.Instructions()->CurrentPage();
                     if (titleBar)
                         help->close();
                     else
                         Click(help, keeps ? "Command3" : "Command1");
                     if (!keeps && qobject_cast<PagedHelpWindow*>(help)->CurrentPage() != 1)
                         problems_ << QStringLiteral("closed on a page other than 1");
                 }});
        }
    }
}

QString Monkey::Act() {
    std::vector<int> open;
    for (int i = 0; i < int(actions_.size()); ++i)
        if (actions_[i].available())
            open.push_back(i);
    const Action& action = actions_[open[rng_.bounded(int(open.size()))]];
    answers_.clear();
    lastModal_ = action.modal;
    for (GraphModel& g : graphs_)
        g.redrawn = false;
    action.run();
    // What a user would wait for before the next action: the deferred
    // deletions and the window system's answers.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    ++step_;
    return action.name;
}

// --- The model -------------------------------------------------------------------

void Monkey::Plotted(int graph) {
    // The box that had the focus may belong to a window closed since.
    if (MainWindow() != modelled_)
        return;
    GraphModel& g = graphs_[graph];
    const bool stopped = !answers_.empty();
    g.stopped = stopped;
    if (!stopped)
        g.drawn = true;
    ++counts_[stopped ? QStringLiteral("plots stopped") : QStringLiteral("plots drawn")];
}

void Monkey::Erased(int graph) {
    graphs_[graph].drawn = false;
    graphs_[graph].stopped = false;
    graphs_[graph].redrawn = true;
}

void Monkey::Closed() {
    ++counts_[QStringLiteral("main windows closed")];
    graphs_ = {};
    modelled_ = MainWindow();
}

// --- Dialogs -----------------------------------------------------------------------

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        // Every dialog of the program is modal, shown by exec().
        if (dialog != nullptr && dialog->isWindow())
            QTimer::singleShot(0, dialog, [this, dialog] { Answer(dialog); });
    }
    return false;
}

// OK, Escape or the title bar's close, at random.
void Monkey::Answer(QDialog* dialog) {
    Answered a{QString::fromLatin1(dialog->metaObject()->className()), dialog->windowTitle(), {}};
    const int how = int(rng_.bounded(3));
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        a.text = box->text();
        a.accepted = true;
        if (how == 0 && box->button(QMessageBox::Ok))
            box->button(QMessageBox::Ok)->click();
        else if (how == 1)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    } else if (auto* colour = qobject_cast<QColorDialog*>(dialog)) {
        a.accepted = how == 0;
        if (how == 0) {
            colour->setCurrentColor(QColor::fromRgb(rng_.generate() & 0xFFFFFF));
            auto* buttons = colour->findChild<QDialogButtonBox*>();
            buttons->button(QDialogButtonBox::Ok)->click();
        } else if (how == 1) {
            QTest::keyClick(colour, Qt::Key_Escape);
        } else {
            colour->close();
        }
    } else {
        dialog->reject();
    }
    answers_.push_back(a);
    ++counts_[a.className +
              (a.accepted ? QStringLiteral(" accepted") : QStringLiteral(" refused"))];
    if (dialog->isVisible()) {
        problems_ << QStringLiteral("%1 did not close on answer %2").arg(a.className).arg(how);
        dialog->reject();
    }
}

QString Monkey::Summary() const {
    QStringList out;
    for (const auto& [what, n] : counts_)
        out << QStringLiteral("%1 %2").arg(n).arg(what);
    return out.join(QStringLiteral(", "));
}

// --- The invariants ----------------------------------------------------------------

QString Monkey::Broken() {
    if (!problems_.isEmpty())
        return problems_.join(QStringLiteral("; "));
    if (QWidget* modal = QApplication::activeModalWidget())
        return QStringLiteral("a modal %1 is left open").arg(modal->metaObject()->className());
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(w) && w->isVisible())
            return QStringLiteral("a dialog is left open: ") + w->windowTitle();
    if (const QCursor* c = QApplication::overrideCursor())
        return QStringLiteral("the pointer is left as shape %1").arg(int(c->shape()));
    if (QString b = BrokenAnswers(lastModal_); !b.isEmpty())
        return b;
    if (discarded_)
        return QStringLiteral("the closed main window still exists");
    if (modelled_ == nullptr)
        modelled_ = MainWindow();
    if (Form1* f = MainWindow()) {
        if (f != modelled_)
            return QStringLiteral("the main window was replaced without being closed");
        if (QString b = BrokenMainWindow(*f); !b.isEmpty())
            return b;
    }
    if (QString b = BrokenHelp(); !b.isEmpty())
        return b;
    return step_ % 50 == 0 ? BrokenMemory() : QString();
}

QString Monkey::BrokenAnswers(Modal allowed) {
    if (answers_.size() > 1)
        return QStringLiteral("%1 dialogs came up in one action").arg(answers_.size());
    for (const Answered& a : answers_) {
        const bool colour = a.className == QStringLiteral("QColorDialog");
        if ((colour && allowed != Modal::Colour) || (!colour && allowed != Modal::Message))
            return QStringLiteral("an unexpected %1 came up: %2").arg(a.className, a.text);
        if (!colour && (a.title != QStringLiteral("Quivela") || !KnownMessage(a.text)))
            return QStringLiteral("a message box titled \"%1\" said \"%2\"")
                .arg(a.title, a.text.left(200));
    }
    if (allowed == Modal::Colour && answers_.empty())
        return QStringLiteral("no colour dialog came up");
    return {};
}

QString Monkey::BrokenMainWindow(Form1& f) {
    if (f.cursor().shape() != Qt::ArrowCursor)
        return QStringLiteral("the main window's pointer is shape %1").arg(int(f.cursor().shape()));
    const bool crossAllowed =
        qobject_cast<QCheckBox*>(Find(&f, "Check1"))->checkState() != Qt::Unchecked;
    for (int i = 1; i <= 9; ++i)
        if (!crossAllowed && f.Picture1(i)->testAttribute(Qt::WA_SetCursor))
            return QStringLiteral("Picture1(%1) keeps a pointer with Check1 off").arg(i);
    for (int k = 0; k < 3; ++k) {
        const Form1::Graph g = Form1::Graph(k);
        const GraphModel& m = graphs_[k];
        const QString which = QString::fromUtf8(kSuffix[k]);
        DrawingWindow* normal = f.Picture1(k + 1);
        DrawingWindow* live = f.Picture1(k + 4);
        DrawingWindow* enlarged = f.Picture1(k + 7);
        if (f.Desenhado(g) != m.drawn)
            return QStringLiteral("Desenhado%1 is %2").arg(which).arg(f.Desenhado(g));
        if (f.Ampliado(g) != m.enlarged || enlarged->isHidden() == m.enlarged)
            return QStringLiteral("Ampliado%1 is %2, its view %3, expected %4")
                .arg(which)
                .arg(f.Ampliado(g))
                .arg(enlarged->isHidden() ? "hidden" : "shown")
                .arg(m.enlarged);
        auto* ampliar = qobject_cast<QPushButton*>(
            Find(&f, qPrintable(QStringLiteral("Command%1").arg(k + 1))));
        if (ampliar->text() != QString::fromUtf8(m.enlarged ? kReduce[k] : kEnlarge[k]))
            return QStringLiteral("Command%1 reads %2").arg(k + 1).arg(ampliar->text());
        const char* title[3] = {"Label12", "Label13", "Label15"};
        // Before the first enlarging a title stands shown where it shows
        // nothing; afterwards it is shown exactly while its view is.
        QWidget* label = Find(&f, title[k]);
        if (m.enlarged && (label->isHidden() || label->pos() != QPoint(4, 4)))
            return QStringLiteral("the title of the enlarged view %1 is not above it").arg(which);
        // The live view is in front only while a plot runs, or after one
        // that stopped with a message.
        if (normal->isHidden() == live->isHidden())
            return QStringLiteral("views %1 and %2 are both %3")
                .arg(k + 1)
                .arg(k + 4)
                .arg(normal->isHidden() ? "hidden" : "shown");
        if (!m.stopped && normal->isHidden())
            return QStringLiteral("the live view %1 is left in front").arg(k + 4);
        if (!f.isVisible())
            continue;
        // Between redraws the flag holds the opposite of the graduation on
        // screen, and the button offers the other one.
        const bool units = !f.EixosEmUnidades(g);
        auto* rad =
            qobject_cast<QPushButton*>(Find(&f, qPrintable(QStringLiteral("EixosRad") + which)));
        const QString caption = units ? QStringLiteral("Radianos") : QStringLiteral("Unidades");
        const QString tip = units ? QStringLiteral("Graduar o eixo das abcissas em rad")
                                  : QStringLiteral("Graduar o eixo das abcissas em unidades");
        if (rad->text() != caption || rad->toolTip() != tip)
            return QStringLiteral("EixosRad%1 reads %2 with the axes in %3")
                .arg(which, rad->text(), units ? "units" : "radians");
        if (m.redrawn && (normal->Image() != AxesOnly(*normal, false, units) ||
                          enlarged->Image() != AxesOnly(*enlarged, true, units)))
            return QStringLiteral("the views of %1 do not show bare axes in %2")
                .arg(which, units ? "units" : "radians");
    }
    return {};
}

// The axes alone, as the axis procedures draw them on a window like w. Kept
// for the few backgrounds in use: drawing them is slow.
const QImage& Monkey::AxesOnly(const DrawingWindow& w, bool enlarged, bool units) {
    const auto key = std::make_tuple(enlarged, units, w.BackColor().rgb());
    if (const auto it = axes_.find(key); it != axes_.end())
        return it->second;
    if (axes_.size() > 8)
        axes_.clear();
    DrawingWindow ref(w.Index());
    ref.resize(w.size());
    ref.SetScale(w.ScaleLeft(), w.ScaleTop(), w.ScaleRight(), w.ScaleBottom());
    ref.SetPersistent(true);
    ref.SetBackColor(w.BackColor());
    if (enlarged)
        AxisPainter::Enlarged(ref, units);
    else
        AxisPainter::Normal(ref, units);
    return axes_[key] = ref.Image();
}

QString Monkey::BrokenHelp() {
    if (Form2* f = start_.Instructions()) {
        const bool one = !Find(f, "Image1")->isHidden(), two = !Find(f, "Image2")->isHidden();
        const int page = f->CurrentPage();
        if (one == two || page != (one ? 1 : 2) || Find(f, "Command1")->isEnabled() != one ||
            Find(f, "Command2")->isEnabled() != two)
            return QStringLiteral("the instructions show page %1 inconsistently").arg(page);
        if (instructionsPage_ != 0 && page != instructionsPage_)
            return QStringLiteral("the instructions came back on page %1, closed on %2")
                .arg(page)
                .arg(instructionsPage_);
        if (f->isVisible())
            instructionsPage_ = 0;
    }
    for (PagedHelpWindow* w : {static_cast<PagedHelpWindow*>(start_.Syntax()),
                               static_cast<PagedHelpWindow*>(start_.Functions())}) {
        if (w == nullptr)
            continue;
        const int page = w->CurrentPage(), n = w->PageCount();
        int visible = 0;
        for (int k = 1; k <= n; ++k)
            if (!Find(w, qPrintable(QStringLiteral("Image1_%1").arg(k)))->isHidden())
                visible = visible == 0 ? k : -1;
        if (visible != page ||
            qobject_cast<QLabel*>(Find(w, "Label2"))->text() != QString::number(page) ||
            Find(w, "SetaE")->isEnabled() != (page > 1) ||
            Find(w, "SetaD")->isEnabled() != (page < n))
            return QStringLiteral("%1 shows page %2 of %3 inconsistently (visible %4)")
                .arg(w->objectName())
                .arg(page)
                .arg(n)
                .arg(visible);
    }
    return {};
}

QString Monkey::BrokenMemory() {
    const qsizetype widgets = QApplication::allWidgets().size();
    if (widgetCeiling_ == 0) {
        // Once every window exists, the widgets are all there are: allow the
        // transient ones (tooltips, a closed window waiting to be deleted).
        if (MainWindow() && start_.Instructions() && start_.Syntax() && start_.Functions()) {
            widgetCeiling_ = widgets * 3 / 2;
            residentAtStart_ = ResidentKiB();
        }
        return {};
    }
    if (widgets > widgetCeiling_)
        return QStringLiteral("%1 widgets exist, more than %2").arg(widgets).arg(widgetCeiling_);
    // The sanitizer's quarantine holds freed memory back on purpose.
    const long grown = ResidentKiB() - residentAtStart_;
    if (!kAddressSanitizer && grown > 256 * 1024)
        return QStringLiteral("resident memory grew by %1 MiB").arg(grown / 1024);
    return {};
}

// --- Texts ---------------------------------------------------------------------------

QString Monkey::Text() {
    // Long texts are few: laying out 40,000 characters in a text box takes a
    // second under the address sanitizer.
    const int kind = int(rng_.bounded(80));
    auto pick = [this](const auto& list) { return list[rng_.bounded(int(std::size(list)))]; };
    if (kind < 28)
        return QString::fromUtf8(pick(kExpressions));
    if (kind < 40)
        return pick(HostileTexts()).text;
    if (kind < 50) { // random bytes, read as UTF-8
        QByteArray bytes;
        for (int i = int(rng_.bounded(40)); i > 0; --i)
            bytes += char(rng_.bounded(256));
        return QString::fromUtf8(bytes);
    }
    if (kind < 60) { // random UTF-16 code units, lone surrogates included
        QString s;
        for (int i = 1 + int(rng_.bounded(20)); i > 0; --i)
            s += QChar(char16_t(rng_.bounded(0x10000)));
        return s;
    }
    if (kind < 72) { // pieces of the language in any order
        QString s;
        for (int i = 1 + int(rng_.bounded(12)); i > 0; --i)
            s += QString::fromUtf8(pick(kPieces));
        return s;
    }
    if (kind < 78)
        return QString(int(rng_.bounded(3)), QLatin1Char(' '));
    // Long, or over the 32,767 characters of a text box. An unclosed
    // parenthesis first: the engine refuses it before the first sample, so
    // that no plot runs 28,001 evaluations of a long text.
    const int length =
        kind == 78 ? 1000 + int(rng_.bounded(7000)) : 32768 + int(rng_.bounded(8000));
    return QLatin1Char('(') + QString::fromUtf8(pick(kPieces)).repeated(length).left(length);
}
