#pragma once
#include <QObject>

#include <functional>

class QWidget;

// Runs a window's activation routine each time the window becomes the
// active window: once it is shown, and again whenever the operator comes
// back to it from another program. The program's own message boxes closing
// over it do not count, so what the operator did in the window stays.
class WindowActivation : public QObject {
    Q_OBJECT
public:
    WindowActivation(QWidget* window, std::function<void()> activated);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> activated_;
    bool due_ = true;
};
