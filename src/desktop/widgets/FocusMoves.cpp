#include "desktop/widgets/FocusMoves.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

namespace {
constexpr const char* kCancelProperty = "zgCancelButton";
}

FocusMoves& FocusMoves::instance()
{
    static FocusMoves* moves = new FocusMoves;
    return *moves;
}

FocusMoves::FocusMoves() : QObject(qApp)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusMoves::focusChanged);
}

void FocusMoves::focusChanged(QWidget*, QWidget* now)
{
    if (!now)
        return;
    QWidget* window = now->window();
    auto [at, isNew] = lastInWindow_.try_emplace(window);
    if (isNew)
        connect(window, &QObject::destroyed, this, [this](QObject* gone) { lastInWindow_.erase(gone); });
    QWidget* from = at->second;
    at->second = now;
    if (from != now)
        emit moved(from, now);
}

bool FocusMoves::leave(QWidget* from, QWidget* to)
{
    const int before = refusals_;
    emit moved(from, to);
    return refusals_ == before;
}

void FocusMoves::checkRefused(QWidget* field)
{
    ++refusals_;
    pending_ = field;
    // Not from inside the focus change itself: the move has to finish first.
    QTimer::singleShot(0, field, [this, field] {
        showPageOf(field);
        field->setFocus(Qt::OtherFocusReason);
        if (pending_ == field)
            pending_ = nullptr;
    });
}

bool isWithin(const QWidget* w, const QWidget* area)
{
    for (; w; w = w->parentWidget())
        if (w == area)
            return true;
    return false;
}

FocusScope::FocusScope(QWidget* area) : QObject(area), area_(area)
{
    connect(&FocusMoves::instance(), &FocusMoves::moved, this, &FocusScope::focusMoved);
}

void FocusScope::focusMoved(QWidget* from, QWidget* to)
{
    const bool wasIn = isWithin(from, area_);
    const bool isIn = isWithin(to, area_);
    if (!wasIn && isIn && onEnter)
        onEnter();
    else if (wasIn && !isIn && onLeave)
        onLeave(to);
}

void markCancelButton(QAbstractButton* button) { button->setProperty(kCancelProperty, true); }

bool isCancelButton(const QWidget* w) { return w && w->property(kCancelProperty).toBool(); }

void addLeaveCheck(QWidget* field, std::function<bool()> check)
{
    auto* scope = new FocusScope(field);
    scope->onLeave = [field, check = std::move(check)](QWidget* next) {
        if (isCancelButton(next) || check())
            return;
        FocusMoves::instance().checkRefused(field);
    };
}

void showPageOf(QWidget* w)
{
    // A page control keeps its pages in a stack: page, stack, page control.
    for (QWidget* page = w; page; page = page->parentWidget()) {
        QWidget* stack = page->parentWidget();
        if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr))
            if (const int i = tabs->indexOf(page); i >= 0)
                tabs->setCurrentIndex(i);
    }
}

void onLeaving(QWidget* field, std::function<void()> rule)
{
    auto* scope = new FocusScope(field);
    scope->onLeave = [rule = std::move(rule)](QWidget*) { rule(); };
}
