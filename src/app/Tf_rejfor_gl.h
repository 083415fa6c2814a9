#pragma once
#include <QMainWindow>

class QMenu;
class QProgressBar;
class QToolBar;
struct CommandRow;

// The main window: its menus, toolbars and pop-up menu offer the commands
// of the command table. Start-up runs when it is created and again whenever
// the application becomes active.
class Tf_rejfor_gl : public QMainWindow {
    Q_OBJECT
public:
    explicit Tf_rejfor_gl(QWidget* parent = nullptr);
    ~Tf_rejfor_gl() override;

    QProgressBar* wsk_post = nullptr;
    QToolBar* tb_gl = nullptr;
    QToolBar* tb_gl1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QMenu* popm_gl = nullptr;

    // Runs start-up; its errors go to the standard error box.
    void inic();

private:
    // What the row's action, toolbar button and pop-up entry run.
    void runCommand(const CommandRow& row);
    void FormCreate();
    void createCommands();
    void createToolBars();
    void buildPopupMenu();
    void onApplicationStateChanged(Qt::ApplicationState state);
    QAction* actionOf(const CommandRow& row) const;
};
