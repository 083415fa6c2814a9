#pragma once
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class QAbstractButton;
class QWidget;

// Every move of the input focus from one control of a window to another
// control of the same window. Focus that goes to another window (a message
// box) and comes back to where it was is no move; a move that ends in
// another control after such a detour is reported from the control that had
// the focus last in this window.
class FocusMoves : public QObject {
    Q_OBJECT
public:
    static FocusMoves& instance();

    // What the application reports when the focus changes; connected to
    // QApplication::focusChanged.
    void focusChanged(QWidget* old, QWidget* now);

    // Runs the rules of leaving `from` for `to` while the focus stays where
    // it is (Enter on a default button saves without moving it). False when
    // a leave check refused: the operator has been told and the focus goes
    // back into the refused field.
    bool leave(QWidget* from, QWidget* to);
    // Called by a leave check that refused: the field takes the focus back
    // once the move has finished.
    void checkRefused(QWidget* field);
    // True while a refused field waits to take the focus back: a button
    // clicked with the mouse got the focus on its way, but must not act.
    bool refusalPending() const { return !pending_.isNull(); }

signals:
    void moved(QWidget* from, QWidget* to);

private:
    FocusMoves();
    int refusals_ = 0;
    QPointer<QWidget> pending_;
    std::map<QObject*, QPointer<QWidget>> lastInWindow_;
};

// True when `w` is `area` or lies inside it.
bool isWithin(const QWidget* w, const QWidget* area);

// Reports the focus entering `area` from outside it and leaving it for a
// control outside it. The handlers may be replaced at any time.
class FocusScope : public QObject {
    Q_OBJECT
public:
    explicit FocusScope(QWidget* area);

    std::function<void()> onEnter;
    std::function<void(QWidget* next)> onLeave;

private:
    void focusMoved(QWidget* from, QWidget* to);
    QWidget* area_;
};

// The dialog's cancel button: leave checks let the focus go there unchecked,
// since the operator is leaving without saving.
void markCancelButton(QAbstractButton* button);
bool isCancelButton(const QWidget* w);

// Runs `check` when the focus leaves `field` for another control of its
// window other than the cancel button; when the check fails (it has told the
// operator why), the focus goes back into the field, its page shown again.
void addLeaveCheck(QWidget* field, std::function<bool()> check);

// Brings the page holding `w` to the front in every page control around it.
void showPageOf(QWidget* w);

// Runs `rule` whenever the focus leaves `field` (no check, no way back).
void onLeaving(QWidget* field, std::function<void()> rule);
