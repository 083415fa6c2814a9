#pragma once
#include <QFrame>

#include <functional>

class FocusScope;

// A panel of controls placed into an editor as many times as the form needs.
// It holds no data of its own. FrameEnter and FrameExit run when the focus
// moves into the frame from outside it and out of it again; an editor that
// gives an instance handlers of its own replaces the frame's for that
// instance.
class EntryFrame : public QFrame {
    Q_OBJECT
public:
    void setEnterHandler(std::function<void()> handler);
    void setLeaveHandler(std::function<void()> handler);

protected:
    explicit EntryFrame(QWidget* parent);
    virtual void FrameEnter() {}
    virtual void FrameExit() {}

private:
    FocusScope* scope_;
};
