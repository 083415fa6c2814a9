#include "desktop/widgets/WindowActivation.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

WindowActivation::WindowActivation(QWidget* window, std::function<void()> activated)
    : QObject(window), activated_(std::move(activated))
{
    window->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this, window](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive && window->isVisible())
            due_ = true;
    });
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        due_ = true;
    } else if (event->type() == QEvent::WindowActivate && due_) {
        due_ = false;
        activated_();
    }
    return QObject::eventFilter(watched, event);
}
