#pragma once
#include <QMainWindow>

class QProgressBar;
class QAction;

// The main window: menus, toolbars and the pop-up menu offer one command per
// form and operation. Start-up runs when it is created and again whenever
// the application becomes active.
class Tf_rejfor_gl : public QMainWindow {
    Q_OBJECT
public:
    explicit Tf_rejfor_gl(QWidget* parent = nullptr);

    QProgressBar* wsk_post = nullptr;
    QAction* a_koniec = nullptr;

    // Runs start-up; its errors go to the standard error box.
    void inic();

private:
    void FormCreate();
    void onApplicationStateChanged(Qt::ApplicationState state);
};
