#include "axes/Enlarger.h"

#include "drawing/DrawingWindow.h"
#include "drawing/WindowScale.h"

#include <QLabel>
#include <QPushButton>

#include <utility>

namespace {

// Where a shown title stands: the strip above the enlarged views.
constexpr int kTitleLeftTwips = 60, kTitleTopTwips = 60;

} // namespace

Enlarger::Enlarger(DrawingWindow* view, QPushButton* button, QLabel* title, QString enlargeCaption,
                   QString reduceCaption)
    : view_(view), button_(button), title_(title), enlargeCaption_(std::move(enlargeCaption)),
      reduceCaption_(std::move(reduceCaption)) {}

void Enlarger::Toggle() {
    if (enlarged_) {
        if (view_)
            view_->hide();
        if (button_)
            button_->setText(enlargeCaption_);
        enlarged_ = false;
        if (title_)
            title_->hide();
    } else {
        if (view_) {
            view_->show();
            view_->raise();
        }
        if (button_)
            button_->setText(reduceCaption_);
        enlarged_ = true;
        if (title_) {
            WindowScale::MoveToTwips(title_, kTitleLeftTwips, kTitleTopTwips);
            title_->show();
        }
    }
}
