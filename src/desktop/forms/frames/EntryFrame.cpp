#include "desktop/forms/frames/EntryFrame.h"

#include "desktop/widgets/FocusMoves.h"

EntryFrame::EntryFrame(QWidget* parent) : QFrame(parent), scope_(new FocusScope(this))
{
    scope_->onEnter = [this] { FrameEnter(); };
    scope_->onLeave = [this](QWidget*) { FrameExit(); };
}

void EntryFrame::setEnterHandler(std::function<void()> handler)
{
    scope_->onEnter = std::move(handler);
}

void EntryFrame::setLeaveHandler(std::function<void()> handler)
{
    scope_->onLeave = [handler = std::move(handler)](QWidget*) { handler(); };
}
