#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

// A help page before it becomes a picture: rich text (HTML) and the pictures
// it refers to by name (<img src="name">), such as the small function graphs,
// each drawn for the scale the page is drawn at: the same size in the page's
// layout, as many pixels as it takes on screen.
struct HelpPage {
    QString html;
    std::vector<std::pair<QString, std::function<QImage(double scale)>>> images;
};

// Lays the page out at the page's width, with fonts given in pixels so that
// the layout is the same whatever the screen's dots per inch, and paints it
// in black ink onto white paper of the given size, whatever the system's
// colours. At a scale below 1 the same page comes out that much smaller.
QImage RenderPage(const HelpPage& page, QSize size, double scale = 1.0);

// Height in pixels that the laid-out page needs at that width: a page whose
// content is taller than its picture would be cut off.
int PageContentHeight(const HelpPage& page, int width);

// A page title and a section heading, at fixed pixel sizes.
QString TitleHtml(const QString& text);
QString HeadingHtml(const QString& text);

// The page's text without its markup: what a screen reader reads of it.
QString PagePlainText(const HelpPage& page);

// Wraps a page body in the common style sheet (fonts, headings, tables).
QString PageHtml(const QString& body);
