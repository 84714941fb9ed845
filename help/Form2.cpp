#include "help/Form2.h"

#include "drawing/ReturnClicks.h"
#include "drawing/Twips.h"
#include "drawing/WindowScale.h"
#include "help/InstructionsPages.h"
#include "help/PageLabel.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidthTwips = 8145;
constexpr int kClientHeightTwips = 9765;
constexpr int kPageAtTwips = 120;
constexpr int kRowHeight = 26;
constexpr int kBelowPages = 47;

} // namespace

QSize Form2::PageSize() {
    return {Twips(kClientWidthTwips) - 2 * Twips(kPageAtTwips),
            Twips(kClientHeightTwips) - Twips(kPageAtTwips) - kBelowPages};
}

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("INSTRUÇÕES"));
    const QSize client(Twips(kClientWidthTwips), Twips(kClientHeightTwips));
    setFixedSize(client);

    const QSize pageSize = PageSize();
    const std::vector<HelpPage> pages = InstructionsHelpPages();
    const QRect pageRect(QPoint(Twips(kPageAtTwips), Twips(kPageAtTwips)), pageSize);
    image1_ = MakePageLabel(this, QStringLiteral("Image1"), pages.at(0), pageRect, 1, 2);
    image2_ = MakePageLabel(this, QStringLiteral("Image2"), pages.at(1), pageRect, 2, 2);

    const int row = pageRect.bottom() + 1 + (kBelowPages - kRowHeight) / 2;
    const int left = pageRect.left();
    command2_ = new QPushButton(QStringLiteral("Anterior"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setToolTip(QStringLiteral("Página anterior"));
    command2_->setGeometry(left, row, 100, kRowHeight);
    command1_ = new QPushButton(QStringLiteral("Seguinte"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setToolTip(QStringLiteral("Página seguinte"));
    command1_->setGeometry(left + 108, row, 100, kRowHeight);
    auto* command3 = new QPushButton(QStringLiteral("Fechar"), this);
    command3->setObjectName(QStringLiteral("Command3"));
    command3->setGeometry(client.width() - left - 90, row, 90, kRowHeight);

    connect(command1_, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &Form2::Command3_Click);

    // Load: page 1 shown, page 2 hidden, nothing before page 1.
    image1_->show();
    image2_->hide();
    command2_->setEnabled(false);
    WindowScale::Fit(this);
    ClickButtonsOnReturn(this);
}

int Form2::CurrentPage() const {
    return image2_->isHidden() ? 1 : 2;
}

void Form2::Command1_Click() {
    if (image1_->isHidden())
        return;
    image1_->hide();
    image2_->show();
    command1_->setEnabled(false);
    command2_->setEnabled(true);
}

void Form2::Command2_Click() {
    if (image2_->isHidden())
        return;
    image1_->show();
    image2_->hide();
    command1_->setEnabled(true);
    command2_->setEnabled(false);
}

// Hiding keeps everything, so the next opening shows the same page. Closing
// from the title bar does the same, a top-level window being only hidden.
void Form2::Command3_Click() {
    hide();
}
