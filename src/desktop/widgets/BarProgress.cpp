#include "desktop/widgets/BarProgress.h"

#include <QLayout>
#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace {
int barValue(std::uint64_t v) { return static_cast<int>(std::min<std::uint64_t>(v, std::numeric_limits<int>::max())); }
} // namespace

BarProgress::~BarProgress()
{
    if (bar_)
        bar_->hide();
}

void BarProgress::start(std::uint64_t maximum, std::uint64_t position)
{
    if (!bar_)
        return;
    bar_->show();
    // A range of 0 to 0 would make the bar a busy indicator.
    bar_->setRange(0, std::max(1, barValue(maximum)));
    bar_->setValue(std::min(barValue(position), bar_->maximum()));
    // The load runs without the event loop: lay the bar out and paint it now.
    if (QWidget* holder = bar_->parentWidget(); holder && holder->layout())
        holder->layout()->activate();
    bar_->repaint();
}

void BarProgress::moveTo(std::uint64_t position)
{
    if (bar_)
        bar_->setValue(std::min(barValue(position), bar_->maximum()));
}
