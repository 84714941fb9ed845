#include "help/TextPage.h"

namespace {

// Short examples go two to a line, so that a page holds more of them; an
// example whose text is long (an error message) takes a line of its own.
bool Short(const HelpExample& example) {
    return example.outcome != ExampleOutcome::Error && !example.x &&
           QString::fromUtf8(example.typed).size() <= 12;
}

QString ExamplesHtml(const std::vector<HelpExample>& examples) {
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"1\" "
                                  "style=\"margin-left: 14px;\">");
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const QString cell = QStringLiteral("• ") + ExampleHtml(examples[i]);
        if (Short(examples[i]) && i + 1 < examples.size() && Short(examples[i + 1])) {
            html += QStringLiteral("<tr><td width=\"50%\">") + cell +
                    QStringLiteral("</td><td width=\"50%\">• ") + ExampleHtml(examples[i + 1]) +
                    QStringLiteral("</td></tr>");
            ++i;
        } else {
            html += QStringLiteral("<tr><td colspan=\"2\">") + cell + QStringLiteral("</td></tr>");
        }
    }
    return html + QStringLiteral("</table>");
}

} // namespace

HelpPage TextPageHtml(const TextPage& page) {
    QString body = TitleHtml(QString::fromUtf8(page.title));
    for (const PageBlock& block : page.blocks) {
        if (block.heading)
            body += HeadingHtml(QString::fromUtf8(block.heading));
        body += QString::fromUtf8(block.text);
        if (!block.examples.empty())
            body += ExamplesHtml(block.examples);
    }
    return {PageHtml(body), {}};
}

std::vector<HelpPage> TextHelpPages(const std::vector<TextPage>& pages) {
    std::vector<HelpPage> html;
    html.reserve(pages.size());
    for (const TextPage& page : pages)
        html.push_back(TextPageHtml(page));
    return html;
}
