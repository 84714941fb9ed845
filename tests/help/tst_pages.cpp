// The content of the help pages checked against the engine: every call token
// the engine knows is documented, every example states what the engine gives,
// every page fits its picture and every function graph shows a curve.

#include "expression/EngineError.h"
#include "expression/FunctionLibrary.h"
#include "expression/clsEquation.h"
#include "help/Form2.h"
#include "help/Form4.h"
#include "help/Form5.h"
#include "help/FunctionPages.h"
#include "help/InstructionsPages.h"
#include "help/SyntaxPages.h"

#include <QTest>

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

Q_DECLARE_METATYPE(HelpExample)
Q_DECLARE_METATYPE(HelpPage)
Q_DECLARE_METATYPE(GraphSpec)

namespace {

using quivela::expression::EngineError;
using quivela::expression::FindFunction;
using quivela::expression::kFormulas;
using quivela::expression::kFunctionCount;

double Parse(const char* text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text, text + std::strlen(text), value);
    if (error != std::errc() || *end != '\0')
        qFatal("not a number on a page: %s", text);
    return value;
}

// Half a unit of the last digit printed.
double HalfLastDigit(const char* text) {
    const char* point = std::strchr(text, '.');
    const int decimals = point ? static_cast<int>(std::strlen(point + 1)) : 0;
    return 0.5 * std::pow(10.0, -decimals);
}

struct Outcome {
    bool raised = false;
    int number = 0;
    std::string description;
    double value = 0;
    bool undefined = false;
};

Outcome Evaluate(const HelpExample& example) {
    Outcome outcome;
    clsEquation eq;
    try {
        eq.SetEquation(example.typed);
        if (example.x)
            eq.SetVar("x", Parse(example.x));
        eq.Solve();
        outcome.value = eq.Solution();
        outcome.undefined = eq.Undefined();
    } catch (const EngineError& error) {
        outcome.raised = true;
        outcome.number = error.Number();
        outcome.description = error.Description();
    }
    return outcome;
}

void AddExampleRows(const QString& where, const std::vector<HelpExample>& examples) {
    for (const HelpExample& example : examples)
        QTest::newRow(qPrintable(where + QStringLiteral(": ") + QString::fromUtf8(example.typed)))
            << example;
}

void AddTextPageRows(const QString& window, const std::vector<TextPage>& pages) {
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (const PageBlock& block : pages[p].blocks)
            AddExampleRows(QStringLiteral("%1 page %2").arg(window).arg(p + 1), block.examples);
}

const FunctionEntry* EntryFor(std::string_view token, int* matches) {
    const FunctionEntry* found = nullptr;
    *matches = 0;
    for (const FunctionGroup& group : FunctionCatalogue())
        for (const FunctionEntry& entry : group.entries)
            if (token == entry.portuguese || (entry.english && token == entry.english)) {
                found = &entry;
                ++*matches;
            }
    return found;
}

bool StartsWith(const char* text, const char* prefix) {
    return prefix && std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { functionPages_ = FunctionPages(); }
    void pageCounts();
    void everyEngineTokenIsDocumented_data();
    void everyEngineTokenIsDocumented();
    void everyDocumentedTokenIsTheEngines();
    void examplesGiveWhatThePageStates_data();
    void examplesGiveWhatThePageStates();
    void pagesFitTheirPictures_data();
    void pagesFitTheirPictures();
    void graphsShowTheirFunction_data();
    void graphsShowTheirFunction();

private:
    std::vector<HelpPage> functionPages_;
};

void PagesTest::pageCounts() {
    QCOMPARE(InstructionsPages().size(), std::size_t{2});
    QCOMPARE(SyntaxPages().size(), std::size_t{4});
    QCOMPARE(functionPages_.size(), std::size_t{23});
}

void PagesTest::everyEngineTokenIsDocumented_data() {
    QTest::addColumn<QString>("token");
    QVERIFY(kFunctionCount > 0);
    for (std::size_t i = 0; i < kFunctionCount; ++i) {
        const std::string_view token = kFormulas[i].token;
        const QString text = QString::fromUtf8(token.data(), static_cast<qsizetype>(token.size()));
        QTest::newRow(qPrintable(text)) << text;
    }
}

void PagesTest::everyEngineTokenIsDocumented() {
    QFETCH(QString, token);
    const std::string utf8 = token.toStdString();
    int matches = 0;
    const FunctionEntry* entry = EntryFor(utf8, &matches);
    QVERIFY2(entry, "the engine knows a function that no page describes");
    QCOMPARE(matches, 1);
    // The graph beside it is of the function itself.
    QVERIFY2(StartsWith(entry->graph.expression, entry->portuguese) ||
                 StartsWith(entry->graph.expression, entry->english),
             entry->graph.expression);
    // And the page drawn names the token as it is typed.
    bool named = false;
    for (const HelpPage& page : functionPages_)
        named = named || page.html.contains(QStringLiteral("<tt>") + token);
    QVERIFY(named);
}

void PagesTest::everyDocumentedTokenIsTheEngines() {
    std::size_t documented = 0;
    for (const FunctionGroup& group : FunctionCatalogue())
        for (const FunctionEntry& entry : group.entries)
            for (const char* token : {entry.portuguese, entry.english}) {
                if (!token)
                    continue;
                ++documented;
                QVERIFY2(FindFunction(token) >= 0, token);
            }
    QCOMPARE(documented, kFunctionCount);
}

void PagesTest::examplesGiveWhatThePageStates_data() {
    QTest::addColumn<HelpExample>("example");
    AddTextPageRows(QStringLiteral("instructions"), InstructionsPages());
    AddTextPageRows(QStringLiteral("syntax"), SyntaxPages());
    AddExampleRows(QStringLiteral("functions page 1"), FunctionIntroductionExamples());
    for (const FunctionGroup& group : FunctionCatalogue())
        for (const FunctionEntry& entry : group.entries)
            AddExampleRows(QString::fromUtf8(entry.name), entry.examples);
}

void PagesTest::examplesGiveWhatThePageStates() {
    QFETCH(HelpExample, example);
    // Random draws are checked over many calls.
    const bool random =
        example.outcome == ExampleOutcome::Between || example.outcome == ExampleOutcome::IntegerIn;
    for (int draw = 0; draw < (random ? 200 : 1); ++draw) {
        const Outcome got = Evaluate(example);
        if (example.outcome == ExampleOutcome::Error) {
            QVERIFY2(got.raised, "the page states an error, the engine gives a value");
            QCOMPARE(got.number, example.error);
            QCOMPARE(QString::fromStdString(got.description), QString::fromUtf8(example.stated));
            continue;
        }
        QVERIFY2(!got.raised, got.description.c_str());
        if (example.outcome == ExampleOutcome::Undefined) {
            QVERIFY2(got.undefined, "the page states no value, the engine gives one");
            continue;
        }
        QVERIFY2(!got.undefined, "the engine passes over a fault here");
        const double stated = Parse(example.stated);
        switch (example.outcome) {
        case ExampleOutcome::Value: {
            const double tolerance = example.approximate ? HalfLastDigit(example.stated) + 1e-12
                                                         : 1e-12 * std::max(1.0, std::fabs(stated));
            if (std::fabs(got.value - stated) > tolerance)
                QFAIL(qPrintable(QStringLiteral("the page states %1, the engine gives %2")
                                     .arg(QString::fromUtf8(example.stated))
                                     .arg(got.value, 0, 'g', 17)));
            break;
        }
        case ExampleOutcome::Between:
            QVERIFY(got.value >= stated);
            QVERIFY(got.value < Parse(example.upper));
            break;
        case ExampleOutcome::IntegerIn:
            QCOMPARE(got.value, std::floor(got.value));
            QVERIFY(got.value >= stated);
            QVERIFY(got.value <= Parse(example.upper));
            break;
        default:
            break;
        }
    }
}

void PagesTest::pagesFitTheirPictures_data() {
    QTest::addColumn<HelpPage>("page");
    QTest::addColumn<QSize>("size");
    const QSize instructions = Form2::PageSize();
    for (std::size_t p = 0; p < InstructionsPages().size(); ++p)
        QTest::newRow(qPrintable(QStringLiteral("instructions page %1").arg(p + 1)))
            << TextPageHtml(InstructionsPages()[p]) << instructions;
    const QSize syntax = PagedHelpWindow::PageSize(Form4::kWidthTwips, Form4::kHeightTwips);
    for (std::size_t p = 0; p < SyntaxPages().size(); ++p)
        QTest::newRow(qPrintable(QStringLiteral("syntax page %1").arg(p + 1)))
            << TextPageHtml(SyntaxPages()[p]) << syntax;
    const QSize functions = PagedHelpWindow::PageSize(Form5::kWidthTwips, Form5::kHeightTwips);
    const std::vector<HelpPage>& pages = functionPages_;
    for (std::size_t p = 0; p < pages.size(); ++p)
        QTest::newRow(qPrintable(QStringLiteral("functions page %1").arg(p + 1)))
            << pages[p] << functions;
}

void PagesTest::pagesFitTheirPictures() {
    QFETCH(HelpPage, page);
    QFETCH(QSize, size);
    const int needed = PageContentHeight(page, size.width());
    QVERIFY2(needed <= size.height(),
             qPrintable(QStringLiteral("needs %1 pixels of %2").arg(needed).arg(size.height())));
    // Something is written on it: a good share of the paper carries ink.
    const QImage image = RenderPage(page, size);
    int ink = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            ink += qGray(image.pixel(x, y)) < 128;
    QVERIFY2(ink > 500, qPrintable(QString::number(ink)));
}

void PagesTest::graphsShowTheirFunction_data() {
    QTest::addColumn<GraphSpec>("graph");
    for (const FunctionGroup& group : FunctionCatalogue())
        for (const FunctionEntry& entry : group.entries)
            QTest::newRow(entry.graph.expression) << entry.graph;
}

void PagesTest::graphsShowTheirFunction() {
    QFETCH(GraphSpec, graph);
    // At the design, and at the smallest scale a window takes.
    for (const double scale : {1.0, 0.71}) {
        const QImage image = DrawMiniGraph(graph, QSize(196, 156), scale);
        int blue = 0, right = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (qBlue(c) > 200 && qRed(c) < 100 && qGreen(c) < 100)
                    ++blue, right = std::max(right, x);
            }
        // A curve across the graph, or a cloud of dots for the random
        // functions, within the graph's margins.
        QVERIFY2(blue > 60 * scale * scale, qPrintable(QString::number(blue)));
        QVERIFY2(right < image.width() - 5 * scale, qPrintable(QString::number(right)));
    }
}

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
