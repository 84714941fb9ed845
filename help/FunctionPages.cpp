#include "help/FunctionPages.h"

namespace {

constexpr int kEntriesPerPage = 2;
const QSize kGraphSize(196, 156);

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QString Call(const char* token, const char* arguments) {
    return QStringLiteral("<tt>") + Utf8(token) + Utf8(arguments) + QStringLiteral(")</tt>");
}

int PagesOf(const FunctionGroup& group) {
    return (static_cast<int>(group.entries.size()) + kEntriesPerPage - 1) / kEntriesPerPage;
}

QString ExamplesHtml(const std::vector<HelpExample>& examples) {
    QString html;
    for (const HelpExample& example : examples)
        html += QStringLiteral("<br>") + ExampleHtml(example);
    return html;
}

QString EntryHtml(const FunctionEntry& entry, const QString& graphName) {
    QString spelling =
        QStringLiteral("<b>Escreve-se</b> ") + Call(entry.portuguese, entry.arguments);
    if (entry.english)
        spelling += QStringLiteral("; em inglês ") + Call(entry.english, entry.arguments);
    else
        spelling += QStringLiteral(" (igual em inglês)");
    return HeadingHtml(Utf8(entry.name)) +
           QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                          "<td valign=\"top\">") +
           QStringLiteral("<p>") + spelling + QStringLiteral("</p>") +
           QStringLiteral("<p><b>Calcula:</b> ") + Utf8(entry.computes) + QStringLiteral("</p>") +
           QStringLiteral("<p><b>Sem valor:</b> ") + Utf8(entry.undefined) +
           QStringLiteral("</p><p><b>Exemplos:</b>") + ExamplesHtml(entry.examples) +
           QStringLiteral("</p></td><td valign=\"top\" align=\"center\" width=\"%1\">")
               .arg(kGraphSize.width() + 6) +
           QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\"><br>")
               .arg(graphName)
               .arg(kGraphSize.width())
               .arg(kGraphSize.height()) +
           QStringLiteral("<span class=\"note\">y = ") +
           QString::fromUtf8(entry.graph.expression).toHtmlEscaped() +
           QStringLiteral("</span></td></tr></table>");
}

QString IndexHtml() {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "width=\"100%\"><tr><th>Funções</th><th>Páginas</th></tr>");
    int page = 2;
    for (const FunctionGroup& group : FunctionCatalogue()) {
        const int last = page + PagesOf(group) - 1;
        html += QStringLiteral("<tr><td>%1</td><td align=\"center\">%2 a %3</td></tr>")
                    .arg(Utf8(group.title))
                    .arg(page)
                    .arg(last);
        page = last + 1;
    }
    return html + QStringLiteral("</table>");
}

HelpPage IntroductionPage() {
    QString body = TitleHtml(QStringLiteral("Funções definidas"));
    body += QStringLiteral(
        "<p>Uma função chama-se pelo seu nome seguido do argumento entre parênteses: "
        "<tt>sen(x)</tt>, <tt>log(x^2+1)</tt>. Muitas têm dois nomes, o português e o "
        "inglês, que dão o mesmo (<tt>sen</tt> ou <tt>sin</tt>, <tt>tg</tt> ou <tt>tan</tt>); "
        "maiúsculas e espaços antes do parêntese não contam.</p>"
        "<p>As funções de dois argumentos (<tt>logn</tt>, <tt>min</tt>, <tt>max</tt>, "
        "<tt>mod</tt>, <tt>random</tt>) separam-nos por uma vírgula. Com um só argumento, "
        "esse valor serve para os dois.</p>"
        "<p>Os ângulos são em <b>radianos</b>, à entrada e à saída; "
        "<tt>graus(x)</tt> e <tt>rad(x)</tt> convertem.</p>"
        "<p>Onde uma função <b>não tem valor</b> (raiz quadrada de um negativo, logaritmo "
        "de um número que não é positivo), o ponto não é desenhado e o desenho continua. "
        "Uma <b>divisão por zero</b> dentro da fórmula, ou um resultado grande demais, é "
        "um erro: pára o desenho com uma mensagem.</p>"
        "<p>Cada página mostra, ao lado de cada função, o seu gráfico desenhado pelo "
        "programa, nos eixos dos quadros.</p>");
    body += QStringLiteral("<p><b>Exemplos:</b>") + ExamplesHtml(FunctionIntroductionExamples()) +
            QStringLiteral("</p>");
    body += IndexHtml();
    return {PageHtml(body), {}};
}

} // namespace

const std::vector<HelpExample>& FunctionIntroductionExamples() {
    static const std::vector<HelpExample> examples = {
        Exact("SEN (PI/2)", "1"),
        Exact("sin(pi/2)", "1"),
        Exact("logn(8, 2)", "3"),
        Exact("logn(5)", "1"),
        Exact("min(3, 2)", "2"),
        About("graus(pi)", "180"),
        Fails("cosec(0)", 11, "Divisão por zero"),
    };
    return examples;
}

std::vector<HelpPage> FunctionPages() {
    std::vector<HelpPage> pages;
    pages.push_back(IntroductionPage());
    int graph = 0;
    for (const FunctionGroup& group : FunctionCatalogue()) {
        const int count = static_cast<int>(group.entries.size());
        for (int first = 0; first < count; first += kEntriesPerPage) {
            HelpPage page;
            QString body = TitleHtml(Utf8(group.title));
            if (first == 0 && group.introduction)
                body += QStringLiteral("<p class=\"small\">") + Utf8(group.introduction) +
                        QStringLiteral("</p>");
            for (int i = first; i < count && i < first + kEntriesPerPage; ++i) {
                const QString name = QStringLiteral("graph%1").arg(++graph);
                const FunctionEntry& entry = group.entries[i];
                body += EntryHtml(entry, name);
                page.images.emplace_back(name, [graph = entry.graph](double scale) {
                    return DrawMiniGraph(graph, kGraphSize, scale);
                });
            }
            page.html = PageHtml(body);
            pages.push_back(std::move(page));
        }
    }
    return pages;
}
