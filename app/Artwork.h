#pragma once

#include <QWidget>

// One of the start window's decorative pictures: small graphs of functions
// drawn on axes, painted here rather than loaded from image files.
class Artwork : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        Waves,      // sine and cosine together
        Parabolas,  // a family of parabolas
        Operations, // f, g and their sum
        Spiral,     // a polar curve
    };

    Artwork(Kind kind, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};
