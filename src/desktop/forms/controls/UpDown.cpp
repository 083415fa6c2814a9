#include "desktop/forms/controls/UpDown.h"

#include "desktop/widgets/MaskedEdit.h"

#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (const auto& [arrow, by] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* b = new QToolButton(this);
        b->setArrowType(arrow);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(16, 11);
        connect(b, &QToolButton::clicked, this, [this, by] { step(by); });
        column->addWidget(b);
    }
}

void UpDown::associate(MaskedEdit* edit) { edit_ = edit; }

void UpDown::setPosition(int value)
{
    position_ = value;
    if (edit_)
        edit_->setText(QString::number(position_));
}

void UpDown::step(int by)
{
    bool isNumber = false;
    const int shown = edit_ ? edit_->text().trimmed().toInt(&isNumber) : position_;
    const int from = isNumber ? shown : position_;
    const int to = from + by;
    if ((by > 0 && to > maximum_) || (by < 0 && to < minimum_))
        return;
    setPosition(to);
}
