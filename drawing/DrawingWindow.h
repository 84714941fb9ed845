#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

#include "drawing/WindowScale.h"

#include <span>

class QPainter;

// A picture box: one of the nine drawing windows of the main window.
//
// It maps a user scale, given by the coordinates of its top-left and
// bottom-right corners, onto contentsRect(), and offers the drawing operations
// the plotting and axis code is written in: clear, set a point, draw a line,
// print text at the current point, with the usual drawing state (ink, paper,
// font, line width and style, current point). Coordinates are handed over as
// doubles and rounded to single precision here; a coordinate that does not fit
// a float leaves the operation out.
//
// A persistent window keeps its image off screen and repaints from it. A live
// window (persistent off) keeps nothing while hidden: shown again it holds only
// its background colour, and while shown each point set appears on screen
// during a plot (repainted synchronously, at most every ~30 ms).
class DrawingWindow : public QWidget, public WindowScale::Aware {
    Q_OBJECT
public:
    enum class Style { Solid, Dot };

    explicit DrawingWindow(int index, QWidget* parent = nullptr);

    // The paper colour every drawing window starts with, until the user picks
    // a background for a graph.
    static QColor StartBackground() { return QColor(255, 255, 255); }
    // Width of the sunken border around the drawing area, in design pixels.
    static constexpr int kFrameWidth = 2;

    // Border, font sizes and line widths follow the window's scale.
    void ScaleChanged(double scale) override;

    // The window's index in the control array Picture1 (1 to 9).
    int Index() const { return index_; }

    void SetScale(double left, double top, double right, double bottom);
    double ScaleLeft() const { return left_; }
    double ScaleTop() const { return top_; }
    double ScaleRight() const { return right_; }
    double ScaleBottom() const { return bottom_; }
    // Widget (device-independent pixel) position <-> user coordinates.
    QPointF ToUser(QPointF widgetPos) const;
    QPointF ToWidget(double x, double y) const;

    void SetPersistent(bool on);
    bool Persistent() const { return persistent_; }

    // Fills the window with its background colour; the current point goes to
    // the user scale's top-left corner.
    void Clear();
    // A point of the current line width (width 3: a filled dot of about three
    // pixels) in the given colour, or in the ink colour; the current point
    // moves to it.
    void PSet(double x, double y, QColor colour);
    void PSet(double x, double y);
    // The points in order, each exactly as PSet(x, y, colour) sets it, with
    // the drawing state looked up once for all: a plot's thousands of points
    // in one call.
    void PSet(std::span<const QPointF> points, QColor colour);
    // A live window shown during a plot shows what it holds now, unless it
    // did so less than ~30 ms ago. Drawing into it does this by itself; a
    // plot calls it after each stretch of samples too, so that the window
    // comes up, and keeps showing the plot's progress, while the samples set
    // no point in it.
    void ShowProgress();
    // A line in the ink colour, current line width and style; the current
    // point moves to its end.
    void Line(double x1, double y1, double x2, double y2);
    // Text with its top-left corner at the current point; afterwards the
    // current point is at the start of the next line, as printing leaves it.
    void Print(const QString& text);

    void SetForeColor(QColor c) { foreColor_ = c; }
    QColor ForeColor() const { return foreColor_; }
    // The paper colour; takes effect at the next Clear().
    void SetBackColor(QColor c) { backColor_ = c; }
    QColor BackColor() const { return backColor_; }
    void SetFontName(const QString& name);
    QString FontName() const { return fontName_; }
    void SetFontSize(double points);
    double FontSize() const { return fontSize_; }
    void SetFontBold(bool bold);
    bool FontBold() const { return fontBold_; }
    void SetDrawWidth(int width) { drawWidth_ = width < 1 ? 1 : width; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawStyle(Style s) { drawStyle_ = s; }
    Style DrawStyle() const { return drawStyle_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }

    // The picture as the user sees it (same as grab(), but without a paint
    // cycle): for tests and for the help pages.
    QImage Image() const;
    // What the drawing area shows, without the border, at the screen's
    // pixel ratio: the picture a user takes away.
    QImage Picture() const;
    // Gives the window a context menu with "Copiar imagem", which puts
    // Picture() on the clipboard: for the windows that stay on screen.
    void OfferCopy();

signals:
    // Pointer moved over the drawing area (not the frame around it), in user
    // coordinates (single precision).
    void MouseMoved(int index, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void EnsureImage();
    void Drawn(); // after each operation: live views show progress
    QFont CurrentFont() const;
    // Whether drawing operations land anywhere: a live window that is hidden
    // keeps nothing. Makes sure the backing image matches the widget.
    bool Target();
    // User coordinates, already rounded to single precision by the caller
    // (ToFloat), -> backing-image device pixels; false when the scale is
    // degenerate.
    bool ToDevice(double xf, double yf, QPointF& device) const;
    void Render(QPainter& painter) const;
    // The part `area` of the window as the user sees it, on `paper` where
    // nothing is drawn.
    QImage Snapshot(QRect area, QColor paper) const;
    qreal Ratio() const;
    // A line width or point size in device pixels: the design width at the
    // window's scale, never thinner than one pixel.
    double DeviceWidth() const;

    int index_;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    bool persistent_ = false;
    QImage image_;
    QColor foreColor_ = Qt::black;
    QColor backColor_ = StartBackground();
    QString fontName_ = QStringLiteral("DejaVu Sans");
    double fontSize_ = 8.25;
    bool fontBold_ = false;
    int drawWidth_ = 1;
    Style drawStyle_ = Style::Solid;
    double currentX_ = 0, currentY_ = 0;
    QElapsedTimer sinceRepaint_;
    bool updatePending_ = false;
};
