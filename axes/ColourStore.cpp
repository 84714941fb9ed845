#include "axes/ColourStore.h"

#include "drawing/DrawingWindow.h"

#include <QWidget>

namespace {

// 24-bit colours only: the alpha channel plays no part.
QColor Opaque(QColor c) {
    return QColor::fromRgb(c.rgb());
}

} // namespace

ColourStore::ColourStore(QWidget* window) : QObject(window) {
    const QColor initial[kCount] = {
        DrawingWindow::StartBackground(),
        DrawingWindow::StartBackground(),
        DrawingWindow::StartBackground(),
        QColor(0, 0, 255),
        QColor(0, 0, 255),
        QColor(255, 0, 0),
    };
    for (int i = 0; i < kCount; ++i) {
        auto* dialog = new QColorDialog(window);
        dialog->setObjectName(QStringLiteral("CommonDialog%1").arg(i + 1));
        // Qt's own dialog on every platform, so it behaves (and can be
        // answered) the same everywhere.
        dialog->setOption(QColorDialog::DontUseNativeDialog);
        dialog->setModal(true);
        dialog->hide();
        dialogs_[i] = dialog;
        SetColour(i + 1, initial[i]);
    }
}

QColor ColourStore::Colour(int n) const {
    return Valid(n) ? colours_[n - 1] : QColor();
}

void ColourStore::SetColour(int n, QColor colour) {
    if (!Valid(n) || !colour.isValid())
        return;
    colours_[n - 1] = Opaque(colour);
    if (dialogs_[n - 1])
        dialogs_[n - 1]->setCurrentColor(colours_[n - 1]);
}

bool ColourStore::Choose(int n) {
    if (!Valid(n) || !dialogs_[n - 1])
        return false;
    QColorDialog* dialog = dialogs_[n - 1];
    dialog->setCurrentColor(colours_[n - 1]);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    // The dialog may have been destroyed with its window while it was open.
    if (!dialogs_[n - 1])
        return false;
    if (accepted && dialog->selectedColor().isValid()) {
        SetColour(n, dialog->selectedColor());
        return true;
    }
    // Cancel: whatever was picked in the dialog is forgotten.
    dialog->setCurrentColor(colours_[n - 1]);
    return false;
}

QColorDialog* ColourStore::Dialog(int n) const {
    return Valid(n) ? dialogs_[n - 1].data() : nullptr;
}
