#include "help/PagedHelpWindow.h"

#include "drawing/ReturnClicks.h"
#include "drawing/Twips.h"
#include "drawing/WindowScale.h"
#include "help/ArrowIcon.h"
#include "help/PageLabel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

// The window sizes are outer sizes, frame and caption included; the client
// area is what is left inside a frame of the classic size (4 pixels each side
// and a 19-pixel caption).
constexpr int kFrameWidthTwips = 120;
constexpr int kFrameHeightTwips = 405;
// Pages stand at left 60, top 120; the row of controls lies below them.
constexpr int kPageLeftTwips = 60;
constexpr int kPageTopTwips = 120;
constexpr int kRowHeight = 26;
constexpr int kBelowPages = 47; // the row, with a margin above and below it

QFont LabelFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    return font;
}

QSize ClientSize(int widthTwips, int heightTwips) {
    return {Twips(widthTwips - kFrameWidthTwips), Twips(heightTwips - kFrameHeightTwips)};
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(LabelFont());
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QToolButton* MakeArrow(QWidget* parent, const QString& name, ArrowDirection direction,
                       const QString& tip, QRect geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(ArrowIcon(direction, 22));
    button->setIconSize(QSize(22, 22));
    button->setToolTip(tip);
    button->setGeometry(geometry);
    return button;
}

} // namespace

QSize PagedHelpWindow::PageSize(int widthTwips, int heightTwips) {
    const QSize client = ClientSize(widthTwips, heightTwips);
    return {client.width() - 2 * Twips(kPageLeftTwips),
            client.height() - Twips(kPageTopTwips) - kBelowPages};
}

PagedHelpWindow::PagedHelpWindow(const QString& name, const QString& caption, int widthTwips,
                                 int heightTwips, const std::vector<HelpPage>& pages,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(name);
    setWindowTitle(caption);
    const QSize client = ClientSize(widthTwips, heightTwips);
    setFixedSize(client);

    const QSize pageSize = PageSize(widthTwips, heightTwips);
    const QPoint pageAt(Twips(kPageLeftTwips), Twips(kPageTopTwips));
    for (std::size_t k = 0; k < pages.size(); ++k) {
        const int number = static_cast<int>(k) + 1;
        pages_.push_back(MakePageLabel(this, QStringLiteral("Image1_%1").arg(number), pages[k],
                                       QRect(pageAt, pageSize), number,
                                       static_cast<int>(pages.size())));
    }

    const int row = pageAt.y() + pageSize.height() + (kBelowPages - kRowHeight) / 2;
    const int left = pageAt.x();
    setaE_ = MakeArrow(this, QStringLiteral("SetaE"), ArrowDirection::Left,
                       QStringLiteral("Página anterior"), QRect(left, row, 40, kRowHeight));
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Página"),
              QRect(left + 48, row, 48, kRowHeight), Qt::AlignLeft);
    label2_ = MakeLabel(this, QStringLiteral("Label2"), QString(),
                        QRect(left + 96, row, 22, kRowHeight), Qt::AlignHCenter);
    MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("de  %1").arg(pages.size()),
              QRect(left + 120, row, 48, kRowHeight), Qt::AlignLeft);
    setaD_ = MakeArrow(this, QStringLiteral("SetaD"), ArrowDirection::Right,
                       QStringLiteral("Página seguinte"), QRect(left + 170, row, 40, kRowHeight));
    command1_ = new QPushButton(QStringLiteral("Fechar"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(client.width() - left - 90, row, 90, kRowHeight);

    connect(setaD_, &QToolButton::clicked, this, &PagedHelpWindow::SetaD_Click);
    connect(setaE_, &QToolButton::clicked, this, &PagedHelpWindow::SetaE_Click);
    connect(command1_, &QPushButton::clicked, this, &PagedHelpWindow::Command1_Click);
    Load();
    WindowScale::Fit(this);
    ClickButtonsOnReturn(this);
}

void PagedHelpWindow::Load() {
    for (std::size_t k = 0; k < pages_.size(); ++k)
        pages_[k]->setVisible(k == 0);
    setaE_->setEnabled(false);
    setaD_->setEnabled(pages_.size() > 1);
    currentPage_ = 1;
    ShowPageNumber();
}

void PagedHelpWindow::ShowPageNumber() {
    label2_->setText(QString::number(currentPage_));
}

void PagedHelpWindow::SetaD_Click() {
    const int n = PageCount();
    if (currentPage_ != n && !pages_[currentPage_ - 1]->isHidden()) {
        pages_[currentPage_ - 1]->hide();
        pages_[currentPage_]->show();
        ++currentPage_;
        setaE_->setEnabled(true);
    }
    if (currentPage_ == n)
        setaD_->setEnabled(false);
    ShowPageNumber();
}

void PagedHelpWindow::SetaE_Click() {
    if (currentPage_ != 1 && !pages_[currentPage_ - 1]->isHidden()) {
        pages_[currentPage_ - 1]->hide();
        pages_[currentPage_ - 2]->show();
        --currentPage_;
        setaD_->setEnabled(true);
    }
    if (currentPage_ == 1) {
        setaE_->setEnabled(false);
        setaD_->setEnabled(true);
    }
    ShowPageNumber();
}

void PagedHelpWindow::Command1_Click() {
    close();
}

void PagedHelpWindow::closeEvent(QCloseEvent* event) {
    // The window and its state are discarded: what stays is a window exactly
    // as a new one, hidden, so the next opening starts at page 1.
    Load();
    QWidget::closeEvent(event);
}
