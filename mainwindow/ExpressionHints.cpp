#include "mainwindow/ExpressionHints.h"

#include "expression/Diagnosis.h"
#include "mainwindow/HintTexts.h"
#include "mainwindow/WarningIcon.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

using quivela::expression::Diagnose;
using quivela::expression::Hint;
using quivela::expression::HintKind;

namespace {

// Longer texts wait for a pause in the typing: a diagnosis is linear in the
// length, and at the box's limit it costs more than a keystroke should.
constexpr qsizetype kShortText = 2000;
constexpr int kPauseMs = 250;

} // namespace

ExpressionHints::ExpressionHints(QLineEdit* box) : QObject(box), box_(box) {
    action_ = new QAction(WarningIcon(), QString(), box);
    action_->setObjectName(QStringLiteral("Aviso"));
    // Added visible and hidden by the first update: the box would show an
    // action added hidden as a greyed button.
    box->addAction(action_, QLineEdit::TrailingPosition);
    // The box draws the action as a button of its own; a screen reader
    // names it and reads the hints there.
    for (QToolButton* button : box->findChildren<QToolButton*>())
        if (button->defaultAction() == action_)
            button_ = button;
    if (button_ != nullptr)
        button_->setAccessibleName(QStringLiteral("Aviso"));
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ExpressionHints::Update);
    connect(box, &QLineEdit::textChanged, this, &ExpressionHints::TextChanged);
    Update();
}

void ExpressionHints::Plotted(bool anyValue) {
    noValueText_ = anyValue ? QString() : box_->text();
    timer_.stop();
    Update();
}

void ExpressionHints::TextChanged() {
    timer_.start(box_->text().size() > kShortText ? kPauseMs : 0);
}

void ExpressionHints::Update() {
    const QString text = box_->text();
    const QByteArray utf8 = text.toUtf8();
    std::vector<Hint> hints = Diagnose(std::string_view(utf8.constData(), size_t(utf8.size())));
    if (!noValueText_.isNull() && text == noValueText_)
        hints.push_back(Hint{HintKind::NoValue, {}});
    const QString lines = HintLines(hints, utf8);
    action_->setToolTip(lines);
    action_->setVisible(!hints.empty());
    if (button_ != nullptr)
        button_->setAccessibleDescription(lines);
}
