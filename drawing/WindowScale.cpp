#include "drawing/WindowScale.h"

#include "drawing/Twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QLayout>
#include <QMainWindow>
#include <QRadioButton>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// What a widget was at design size, kept on it the first time a scale is
// applied, so that every later scale starts again from the design.
constexpr char kScale[] = "windowScale";
constexpr char kFittedFor[] = "windowScaleWanted";
constexpr char kGeometry[] = "designGeometry";
constexpr char kFixedSize[] = "designFixedSize";
constexpr char kFont[] = "designFont";
constexpr char kIconSize[] = "designIconSize";

constexpr double kSmallestScale = 0.4;

QRect ScaledRect(QRect design, double s) {
    // Position and size each rounded, so that equal sizes stay equal: the
    // drawing windows stay square wherever they stand.
    return {WindowScale::Pixels(design.x(), s), WindowScale::Pixels(design.y(), s),
            WindowScale::Pixels(design.width(), s), WindowScale::Pixels(design.height(), s)};
}

QFont ScaledFont(QFont font, double s) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, WindowScale::Pixels(font.pixelSize(), s)));
    else
        font.setPointSizeF(font.pointSizeF() * s);
    return font;
}

bool Fixed(const QWidget* w) {
    return w->minimumSize() == w->maximumSize();
}

// Placed by its parent's layout (the start window's menu bar and client
// area), not by the design.
bool InLayout(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    const QLayout* layout = parent ? parent->layout() : nullptr;
    return layout && (layout->indexOf(w) >= 0 || layout->menuBar() == w);
}

void Remember(QWidget* w, bool isWindow) {
    if (w->property(kGeometry).isValid())
        return;
    w->setProperty(kGeometry, w->geometry());
    if (Fixed(w))
        w->setProperty(kFixedSize, w->minimumSize());
    // The window's font is what every child without a font of its own takes.
    if (isWindow || w->testAttribute(Qt::WA_SetFont))
        w->setProperty(kFont, w->font());
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->icon().isNull())
        w->setProperty(kIconSize, button->iconSize());
}

void Resize(QWidget* w, double s, bool isWindow) {
    if (auto* aware = dynamic_cast<WindowScale::Aware*>(w))
        aware->ScaleChanged(s);
    if (const QVariant font = w->property(kFont); font.isValid())
        w->setFont(ScaledFont(font.value<QFont>(), s));
    if (const QVariant icon = w->property(kIconSize); icon.isValid())
        static_cast<QAbstractButton*>(w)->setIconSize(WindowScale::Pixels(icon.toSize(), s));
    if (const QVariant fixed = w->property(kFixedSize); fixed.isValid())
        w->setFixedSize(WindowScale::Pixels(fixed.toSize(), s));
    if (isWindow || InLayout(w))
        return;
    QRect rect = ScaledRect(w->property(kGeometry).toRect(), s);
    // A check box or option button draws its box at the style's size, which
    // does not shrink with the caption: below the design it is widened to
    // show its whole caption.
    if (s < 1 && (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)))
        rect.setWidth(std::max(rect.width(), w->sizeHint().width()));
    w->setGeometry(rect);
}

QMargins LargerFrame(QMargins a, QMargins b) {
    return {std::max(a.left(), b.left()), std::max(a.top(), b.top()),
            std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())};
}

bool FitsIn(QSize size, QRect available, QMargins frame) {
    return size.width() + frame.left() + frame.right() <= available.width() &&
           size.height() + frame.top() + frame.bottom() <= available.height();
}

// The window's size at the design, whatever scale it stands at now.
QSize DesignSize(const QWidget* window) {
    const QVariant fixed = window->property(kFixedSize);
    if (fixed.isValid())
        return fixed.toSize();
    return Fixed(window) ? window->minimumSize() : window->size();
}

void Refit(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QMargins frame = WindowScale::kLeastFrame;
    if (window->windowHandle() && window->isVisible())
        frame = LargerFrame(frame, window->windowHandle()->frameMargins());
    const double wanted = WindowScale::Fitting(DesignSize(window), available, frame);
    const QVariant before = window->property(kFittedFor);
    if (wanted == (before.isValid() ? before.toDouble() : 1.0))
        return;
    window->setProperty(kFittedFor, wanted);
    // Fonts and the start window's menu bar do not shrink exactly in step
    // with the scale: a hundredth less until the window is inside.
    for (double s = wanted;; s -= 0.01) {
        WindowScale::Apply(window, s);
        if (s <= kSmallestScale || FitsIn(window->size(), available, frame))
            break;
    }
}

// Fits its window again whenever the screen or the frame may have changed.
class Refitter : public QObject {
public:
    explicit Refitter(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && !busy_) {
            switch (event->type()) {
            case QEvent::Show:
            case QEvent::Move:
            case QEvent::ScreenChangeInternal:
                busy_ = true;
                Refit(window_);
                busy_ = false;
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    bool busy_ = false;
};

} // namespace

namespace WindowScale {

double Fitting(QSize design, QRect available, QMargins frame) {
    if (design.isEmpty() || FitsIn(design, available, frame))
        return 1.0;
    const double across = double(available.width() - frame.left() - frame.right()) / design.width();
    const double down = double(available.height() - frame.top() - frame.bottom()) / design.height();
    const double s = std::floor(std::min(across, down) * 100) / 100;
    return std::clamp(s, kSmallestScale, 1.0);
}

int Pixels(double designPixels, double scale) {
    return static_cast<int>(std::lround(designPixels * scale));
}

QSize Pixels(QSize design, double scale) {
    return {Pixels(design.width(), scale), Pixels(design.height(), scale)};
}

double Of(const QWidget* widget) {
    const QVariant s = widget->window()->property(kScale);
    return s.isValid() ? s.toDouble() : 1.0;
}

void Fit(QWidget* window) {
    new Refitter(window);
    Refit(window);
}

void Apply(QWidget* window, double scale) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    // Only this window's own widgets: its dialogs and menus are windows of
    // their own, sized by the toolkit.
    widgets.removeIf([window](const QWidget* w) { return w->window() != window; });
    Remember(window, true);
    for (QWidget* w : widgets)
        Remember(w, false);
    window->setProperty(kScale, scale);
    // The window first: children without a font of their own take its font.
    Resize(window, scale, true);
    for (QWidget* w : widgets)
        Resize(w, scale, false);
    // The start window's height is its client area and its menu bar.
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget()) {
        int menu = main->menuWidget() ? main->menuWidget()->sizeHint().height() : 0;
        main->setFixedSize(main->centralWidget()->minimumSize() + QSize(0, menu));
    }
}

void MoveToTwips(QWidget* widget, int leftTwips, int topTwips) {
    const QPoint design(Twips(leftTwips), Twips(topTwips));
    const QVariant geometry = widget->property(kGeometry);
    if (!geometry.isValid()) {
        widget->move(design); // the window was never scaled
        return;
    }
    QRect rect = geometry.toRect();
    rect.moveTopLeft(design);
    widget->setProperty(kGeometry, rect);
    widget->setGeometry(ScaledRect(rect, Of(widget)));
}

} // namespace WindowScale
