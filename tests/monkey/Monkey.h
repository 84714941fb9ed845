#pragma once

// A seeded random user of the whole program: it presses any button of any
// open window in any state, types any text into any box, answers every dialog
// either way and switches between windows; after each action it checks what
// must always hold, against a small model of what the actions so far must
// have left on screen.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>

#include <QImage>
#include <array>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

class DrawingWindow;
class Form1;
class Form3;
class QDialog;
class QLineEdit;
class QWidget;

class Monkey : public QObject {
public:
    Monkey(Form3& start, quint32 seed);

    // Runs one random action; returns what it did, for the log of a failure.
    QString Act();
    // What is broken after the last action; empty when everything holds.
    QString Broken();
    // How often each kind of thing happened, to see that a run reached them.
    QString Summary() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What an action may bring up while it runs.
    enum class Modal { None, Message, Colour };
    struct Action {
        QString name;
        std::function<bool()> available;
        std::function<void()> run;
        Modal modal = Modal::None;
    };
    struct Answered {
        QString className, title, text;
        bool accepted = false;
    };
    // Per graph (f, g, operation): what the actions so far must have left.
    struct GraphModel {
        bool drawn = false;    // the Desenhado flag
        bool enlarged = false; // the Ampliado flag and its view
        bool stopped = false;  // the last plot stopped with a message
        bool redrawn = false;  // the last action redrew its axes
    };

    void BuildActions();
    void AddForm1Actions();
    void AddHelpActions();
    void AddText(const char* box);
    Form1* MainWindow() const;
    QWidget* Find(QWidget* window, const char* name) const;
    bool Shown(QWidget* w) const;
    void Click(QWidget* window, const char* name);
    void Answer(QDialog* dialog);
    QString Text();
    void Plotted(int graph);
    void Erased(int graph);
    void Closed();

    QString BrokenMainWindow(Form1& f);
    QString BrokenHelp();
    QString BrokenMemory();
    const QImage& AxesOnly(const DrawingWindow& w, bool enlarged, bool units);
    QString BrokenAnswers(Modal allowed);

    Form3& start_;
    QRandomGenerator rng_;
    std::vector<Action> actions_;
    int step_ = 0;
    Modal lastModal_ = Modal::None;
    std::vector<Answered> answers_;
    QStringList problems_;
    std::map<QString, int> counts_;

    QPointer<Form1> modelled_;
    QPointer<Form1> discarded_;
    std::array<GraphModel, 3> graphs_{};
    int instructionsPage_ = 0; // the page the instructions had when closed; 0: none

    std::map<std::tuple<bool, bool, QRgb>, QImage> axes_;
    qsizetype widgetCeiling_ = 0;
    long residentAtStart_ = 0;
};
