#pragma once

#include <QPointer>
#include <QString>

class DrawingWindow;
class QLabel;
class QPushButton;

// One button of the "Ampliar desenhos" group: shows or hides an enlarged view
// above the normal views, with its title in the strip above it.
class Enlarger {
public:
    Enlarger(DrawingWindow* view, QPushButton* button, QLabel* title, QString enlargeCaption,
             QString reduceCaption);

    // Enlarged: hide the view, caption back to enlarging, hide the title where
    // it stands. Reduced: show the view on top of every sibling, caption to
    // reducing, title moved above the view and shown.
    void Toggle();
    bool Enlarged() const { return enlarged_; }

private:
    QPointer<DrawingWindow> view_;
    QPointer<QPushButton> button_;
    QPointer<QLabel> title_;
    QString enlargeCaption_, reduceCaption_;
    bool enlarged_ = false;
};
