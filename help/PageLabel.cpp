#include "help/PageLabel.h"

#include "drawing/WindowScale.h"
#include "help/HelpPage.h"

#include <QLabel>
#include <QPixmap>

namespace {

// Keeps its page, to draw it again at each scale of its window.
class PageLabel : public QLabel, public WindowScale::Aware {
public:
    PageLabel(QWidget* parent, const HelpPage& page, QSize size)
        : QLabel(parent), page_(page), size_(size) {
        ScaleChanged(WindowScale::Of(parent));
    }

    void ScaleChanged(double scale) override {
        if (scale == drawnAt_)
            return;
        setPixmap(QPixmap::fromImage(RenderPage(page_, size_, scale)));
        drawnAt_ = scale;
    }

private:
    HelpPage page_;
    QSize size_;
    double drawnAt_ = 0;
};

} // namespace

QLabel* MakePageLabel(QWidget* parent, const QString& name, const HelpPage& page, QRect geometry,
                      int number, int count) {
    auto* label = new PageLabel(parent, page, geometry.size());
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAccessibleName(QStringLiteral("Página %1 de %2").arg(number).arg(count));
    label->setAccessibleDescription(PagePlainText(page));
    return label;
}
