#pragma once
#include "desktop/app/data_directory.h"

#include <QMainWindow>

class QMenu;
class QPushButton;
class QProgressBar;
class QToolBar;
struct CommandRow;

// The main window: its menus, toolbars and pop-up menu offer the commands
// of the command table. Start-up runs when it is created and again whenever
// the application becomes active. The title names the data directory in
// use; the status bar's button changes it.
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
    QPushButton* b_katalog = nullptr;

    // How "Katalog danych..." asks for the new directory.
    DirectoryQuestion askDirectory;

    // Runs start-up; its errors go to the standard error box.
    void inic();
    // Asks for another data directory and, when one is chosen, works there
    // from now on and at the next start.
    void changeDataDirectory();

private:
    // What the row's action, toolbar button and pop-up entry run.
    void runCommand(const CommandRow& row);
    void FormCreate();
    void createCommands();
    void createToolBars();
    void buildPopupMenu();
    void onApplicationStateChanged(Qt::ApplicationState state);
    void showDataDirectory();
    QAction* actionOf(const CommandRow& row) const;
};
