#include "help/TextPage.h"

HelpPage TextPageHtml(const TextPage& page) {
    QString body = QStringLiteral("<h1>") + QString::fromUtf8(page.title) + QStringLiteral("</h1>");
    for (const PageBlock& block : page.blocks) {
        if (block.heading)
            body += QStringLiteral("<h2>") + QString::fromUtf8(block.heading) +
                    QStringLiteral("</h2>");
        body += QString::fromUtf8(block.text);
        if (!block.examples.empty()) {
            body += QStringLiteral("<ul style=\"margin-top:2px; margin-bottom:2px;\">");
            for (const HelpExample& example : block.examples)
                body += QStringLiteral("<li>") + ExampleHtml(example) + QStringLiteral("</li>");
            body += QStringLiteral("</ul>");
        }
    }
    return {PageHtml(body), {}};
}

std::vector<QImage> RenderTextPages(const std::vector<TextPage>& pages, QSize size) {
    std::vector<QImage> images;
    images.reserve(pages.size());
    for (const TextPage& page : pages)
        images.push_back(RenderPage(TextPageHtml(page), size));
    return images;
}
