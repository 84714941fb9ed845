#include "help/HelpPage.h"

#include "drawing/WindowScale.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <cmath>

namespace {

QString PageStyleSheet() {
    static const char* const kStyle =
        "p { margin-top: 3px; margin-bottom: 3px; }"
        "li { margin-bottom: 2px; }"
        "tt, .tt { font-family: 'DejaVu Sans Mono'; font-size: 13px; color: #800000; }"
        "td, th { font-size: 13px; padding: 2px; }"
        "th { background-color: #dde4f0; }"
        ".small { font-size: 12px; }"
        ".note { font-size: 12px; color: #404040; }"
        "";
    return QString::fromUtf8(kStyle);
}

// 96 dots per inch, as dots per metre.
constexpr int kDotsPerMetre = 3780;
constexpr int kMargin = 12;

void Prepare(QTextDocument& doc, const HelpPage& page, int width, QPaintDevice* device,
             double scale) {
    doc.documentLayout()->setPaintDevice(device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(kMargin);
    doc.setDefaultStyleSheet(PageStyleSheet());
    for (const auto& [name, draw] : page.images)
        doc.addResource(QTextDocument::ImageResource, QUrl(name), draw(scale));
    doc.setHtml(page.html);
    doc.setTextWidth(width);
}

// Pictures are drawn at the screen's pixel density, so that the text stays
// crisp on high-density screens; their layout is in device-independent pixels.
qreal PixelRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QImage Paper(QSize size, qreal ratio = 1.0) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::white);
    return image;
}

} // namespace

QImage RenderPage(const HelpPage& page, QSize size, double scale) {
    const QSize paper = WindowScale::Pixels(size, scale);
    QImage image = Paper(paper, PixelRatio());
    QTextDocument doc;
    Prepare(doc, page, size.width(), &image, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Laid out and drawn in design pixels.
    painter.scale(scale, scale);
    const QRectF whole(QPointF(0, 0), QSizeF(size));
    painter.setClipRect(whole);
    // The paper is white whatever the system's colours, so is the ink: the
    // palette's text colour would be light grey on a dark desktop.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = whole;
    context.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&painter, context);
    painter.resetTransform();
    painter.setClipping(false);
    painter.setPen(QColor(150, 150, 150));
    painter.drawRect(0, 0, paper.width() - 1, paper.height() - 1);
    return image;
}

int PageContentHeight(const HelpPage& page, int width) {
    QImage device = Paper(QSize(1, 1));
    QTextDocument doc;
    Prepare(doc, page, width, &device, 1.0);
    return static_cast<int>(std::ceil(doc.size().height()));
}

QString PageHtml(const QString& body) {
    return QStringLiteral("<body>") + body + QStringLiteral("</body>");
}

QString TitleHtml(const QString& text) {
    return QStringLiteral("<p style=\"font-size: 19px; font-weight: bold; color: #000080; "
                          "margin-top: 0px; margin-bottom: 6px;\">") +
           text + QStringLiteral("</p>");
}

QString HeadingHtml(const QString& text) {
    return QStringLiteral("<p style=\"font-size: 15px; font-weight: bold; color: #000080; "
                          "margin-top: 8px; margin-bottom: 3px;\">") +
           text + QStringLiteral("</p>");
}

QString PagePlainText(const HelpPage& page) {
    QTextDocument doc;
    doc.setHtml(page.html);
    return doc.toPlainText();
}
