#pragma once
#include "app/Tf_pomoc.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;
class QProgressBar;
class QToolBar;

struct FormCommand;

// The main window: menus, toolbars and the pop-up menu offer one command per
// form and operation. Start-up runs when it is created and again whenever
// the application becomes active.
class Tf_rejfor_gl : public QMainWindow {
    Q_OBJECT
public:
    explicit Tf_rejfor_gl(QWidget* parent = nullptr);
    ~Tf_rejfor_gl() override;

    QProgressBar* wsk_post = nullptr;
    QToolBar* tb_gl = nullptr;
    QMenu* popm_gl = nullptr;

    // NIP-1
    QAction* a_pkpir = nullptr;
    QAction* a_nowy = nullptr;
    QAction* a_aktualiz = nullptr;
    QAction* a_wydr1 = nullptr;
    // Ustawienia wydruku
    QAction* a_marg = nullptr;
    QAction* a_margv = nullptr;
    QAction* a_ods = nullptr;
    QAction* a_odsv = nullptr;
    // General
    QAction* HelpContents1 = nullptr;
    QAction* a_info = nullptr;
    QAction* a_koniec = nullptr;

    // Runs start-up; its errors go to the standard error box.
    void inic();

    void a_pkpirExecute();
    void a_nowyExecute();
    void a_aktualizExecute();
    void a_wydr1Execute();
    void a_margExecute();
    void a_margvExecute();
    void a_odsExecute();
    void a_odsvExecute();
    void HelpContents1Execute();
    void a_infoExecute();
    void a_koniecExecute();

    // The help window while it is open.
    Tf_pomoc* helpWindow() const { return help_; }

    // The four command families, for every form.
    void fromLedger(const FormCommand& form);
    void newRecord(const FormCommand& form);
    void update(const FormCommand& form);
    void print(const FormCommand& form);

private:
    void FormCreate();
    void createActions();
    void createMenus();
    void createToolBars();
    void buildPopupMenu();
    void onApplicationStateChanged(Qt::ApplicationState state);
    void runEditor(const FormCommand& form, const std::string& account, const std::string& name,
                   const QString& caption, int mode);

    QPointer<Tf_pomoc> help_;
};
