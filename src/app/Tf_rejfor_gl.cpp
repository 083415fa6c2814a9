#include "app/Tf_rejfor_gl.h"

#include "app/Tf_pomoc.h"
#include "app/Tform_info.h"
#include "app/form_commands.h"
#include "app/image_list.h"
#include "app/program_info.h"
#include "common/sort_cursor.h"
#include "app/startup.h"
#include "common/modal_result.h"
#include "common/modal_runner.h"
#include "common/polish_letters.h"
#include "common/record_text.h"
#include "common/guarded_command.h"
#include "common/ui_messages.h"
#include "forms/EditorDialog.h"
#include "records/nip_record.h"
#include "ledger/Tf_szuk_pod.h"
#include "ledger/ledger_access.h"
#include "records/ledger_record.h"
#include "print/Tf_wydr.h"
#include "print/Tf_zg_marg.h"
#include "print/Tf_zg_margv.h"
#include "print/Tf_zg_ods.h"
#include "print/Tf_zg_odsv.h"
#include "register/Tf_nowy_nip.h"
#include "register/Tf_szuk_nip.h"
#include "register/register_ops.h"
#include "register/register_state.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <memory>
#include <optional>

namespace {

QString caption(const FormCommand& form, const std::string& account, const std::string& tail)
{
    return QString::fromUtf8(form.label) + fromRecordText(account) + " " + fromRecordText(tail);
}

QString kindName(const FormCommand& form) { return QString::fromUtf8(kindAt(form.recordKind).name.data()); }

template <typename Dialog> void runOwnedDialog(QWidget* owner)
{
    Dialog dialog(owner);
    runModal(dialog);
}

} // namespace

Tf_rejfor_gl::Tf_rejfor_gl(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("f_rejfor_gl");
    setWindowTitle(QString::fromUtf8(kProgramName));
    setWindowIcon(programIcon());
    resize(900, 560);

    wsk_post = new QProgressBar(this);
    wsk_post->setObjectName("wsk_post");
    wsk_post->setRange(0, 100);
    statusBar()->addPermanentWidget(wsk_post, 1);

    auto* centre = new QLabel(this);
    centre->setObjectName("e_tlo");
    centre->setAlignment(Qt::AlignCenter);
    centre->setText(QString("<div style='color:#667'><p style='font-size:20pt'><b>%1</b></p>"
                            "<p>Zgłoszenia NIP-1, NIP-2, NIP-3, NIP-B, VAT-R, VAT-Z i VAT-21</p>"
                            "<p>Wybierz polecenie z menu lub z paska narzędzi.<br>"
                            "Prawy przycisk myszy otwiera menu podręczne, F1 – pomoc.</p></div>")
                        .arg(QString::fromUtf8(kProgramName)));
    setCentralWidget(centre);

    createActions();
    createMenus();
    createToolBars();
    buildPopupMenu();
    EditorDialog::setHelpHandler([this] { HelpContents1Execute(); });

    FormCreate();
}

// The editors' "&Pomoc" leads here only while the window exists.
Tf_rejfor_gl::~Tf_rejfor_gl() { EditorDialog::setHelpHandler({}); }

void Tf_rejfor_gl::createActions()
{
    struct Spec {
        QAction** action;
        const char* name;
        const char* category;
        const char* caption;
        std::optional<Img> image;
        void (Tf_rejfor_gl::*handler)();
    };
    const Spec specs[] = {
        {&a_pkpir, "a_pkpir", "NIP-1", "z &PKPiR", Img::Pkpir, &Tf_rejfor_gl::a_pkpirExecute},
        {&a_nowy, "a_nowy", "NIP-1", "&nowy", Img::Nowy, &Tf_rejfor_gl::a_nowyExecute},
        {&a_aktualiz, "a_aktualiz", "NIP-1", "&aktualizacja", Img::Aktualizacja, &Tf_rejfor_gl::a_aktualizExecute},
        {&a_wydr1, "a_wydr1", "NIP-1", "&wydruk", Img::Wydruk, &Tf_rejfor_gl::a_wydr1Execute},
        {&a_marg, "a_marg", "Ustawienia wydruku", "&Marginesy  formularze NIP", Img::Marginesy,
         &Tf_rejfor_gl::a_margExecute},
        {&a_margv, "a_margv", "Ustawienia wydruku", "Marginesy  formularze &VAT", Img::Marginesy,
         &Tf_rejfor_gl::a_margvExecute},
        {&a_ods, "a_ods", "Ustawienia wydruku", "&Odstępy formularze NIP", Img::Odstepy, &Tf_rejfor_gl::a_odsExecute},
        {&a_odsv, "a_odsv", "Ustawienia wydruku", "Odstępy formularze &VAT", Img::Odstepy,
         &Tf_rejfor_gl::a_odsvExecute},
        {&HelpContents1, "HelpContents1", "Help", "&Pomoc", std::nullopt, &Tf_rejfor_gl::HelpContents1Execute},
        {&a_info, "a_info", "", "O programie", std::nullopt, &Tf_rejfor_gl::a_infoExecute},
        {&a_koniec, "a_koniec", "", "&Koniec", std::nullopt, &Tf_rejfor_gl::a_koniecExecute},
    };
    for (const Spec& s : specs) {
        auto* action = new QAction(QString::fromUtf8(s.caption), this);
        // Commands that stand in the menu bar itself show their caption, not a picture.
        if (s.image)
            action->setIcon(imageListIcon(*s.image));
        action->setObjectName(s.name);
        action->setProperty("category", QString::fromUtf8(s.category));
        connect(action, &QAction::triggered, this, s.handler);
        addAction(action);
        *s.action = action;
    }
    HelpContents1->setShortcut(Qt::Key_F1);
    HelpContents1->setShortcutContext(Qt::ApplicationShortcut);
    // The hints of the form commands name the form.
    for (QAction* a : {a_pkpir, a_nowy, a_aktualiz, a_wydr1}) {
        const QString plain = a->text().remove('&');
        a->setIconText(plain);
        a->setToolTip("NIP-1 " + plain);
        a->setStatusTip("NIP-1 " + plain);
    }
}

void Tf_rejfor_gl::createMenus()
{
    QMenu* nip1 = menuBar()->addMenu("NIP-&1");
    nip1->setObjectName("m_nip1");
    nip1->addActions({a_pkpir, a_nowy, a_aktualiz});
    nip1->addSeparator();
    nip1->addAction(a_wydr1);
    nip1->setDefaultAction(a_pkpir); // drawn in bold

    QMenu* settings = menuBar()->addMenu("&Ustawienia wydruku");
    settings->setObjectName("m_ustawienia");
    settings->addActions({a_marg, a_margv, a_ods, a_odsv});

    menuBar()->addAction(a_koniec);
    menuBar()->addAction(HelpContents1);
    menuBar()->addAction(a_info);
}

void Tf_rejfor_gl::createToolBars()
{
    tb_gl = addToolBar("NIP-1");
    tb_gl->setObjectName("tb_gl");
    tb_gl->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tb_gl->setIconSize(QSize(32, 32));
    tb_gl->addActions({a_nowy, a_pkpir, a_aktualiz, a_wydr1});
    tb_gl->addSeparator();
}

void Tf_rejfor_gl::buildPopupMenu()
{
    popm_gl = new QMenu(this);
    popm_gl->setObjectName("popm_gl");
    const std::pair<const char*, QAction*> entries[] = {
        {"NIP-1 nowy", a_nowy},
        {"NIP-1 z PKPiR", a_pkpir},
        {"NIP-1 aktualizacja", a_aktualiz},
        {"NIP-1 wydruk", a_wydr1},
    };
    for (const auto& [text, action] : entries)
        popm_gl->addAction(action->icon(), QString::fromUtf8(text), action, &QAction::trigger);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popm_gl->popup(mapToGlobal(at)); });
}

void Tf_rejfor_gl::FormCreate()
{
    LoadSortCursor();
    wsk_post->hide();
    inic();
    // The application's activation, not a window's: the program's own message
    // boxes must not start it again.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &Tf_rejfor_gl::onApplicationStateChanged);
}

void Tf_rejfor_gl::inic()
{
    runGuarded([] { ::inic(UiMessages::current()); });
}

void Tf_rejfor_gl::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive)
        inic();
}

void Tf_rejfor_gl::runEditor(const FormCommand& form, const std::string& account, const std::string& name,
                             const QString& caption, int mode)
{
    std::unique_ptr<EditorDialog> editor(form.makeEditor(this));
    editor->prepare(account, name, caption.isEmpty() ? editor->windowTitle() : caption, mode);
    runModal(*editor);
}

void Tf_rejfor_gl::fromLedger(const FormCommand& form)
{
    Tf_szuk_pod search(wsk_post, this);
    search.setWindowTitle(QString::fromUtf8(form.searchTitle));
    if (runModal(search) != kModalOk)
        return;
    runGuarded([&] {
        LoadForAccount(form.recordKind, registerState().currentAccount, form.formType);
        ConstBytes taxpayer = currentTaxpayer();
        const std::string account = getStr(taxpayer, ledger::account_no);
        const std::string name = (LedgerText(getStr(taxpayer, ledger::surname)) + " " +
                                  LedgerText(getStr(taxpayer, ledger::first_name)))
                                     .substr(0, form.nameWidth);
        runEditor(form, account, name, caption(form, account, name), EditorDialog::FromLedger);
    });
}

void Tf_rejfor_gl::newRecord(const FormCommand& form)
{
    Tf_nowy_nip choose(this);
    choose.SetKind(kindName(form));
    if (form.newCaption)
        choose.setWindowTitle(QString::fromUtf8(form.newCaption));
    if (runModal(choose) != kModalOk)
        return;
    const std::string account = registerState().currentAccount;
    runGuarded([&] {
        runEditor(form, account, {}, form.editorKeepsCaption ? QString() : caption(form, account, {}) + form.newWords,
                  EditorDialog::NewRecord);
    });
}

void Tf_rejfor_gl::update(const FormCommand& form)
{
    Tf_szuk_nip list(wsk_post, this);
    list.SetKind(kindName(form));
    list.setFormType(form.formType);
    list.setWindowTitle(QString::fromUtf8(form.updateTitle));
    if (runModal(list) != kModalOk)
        return;
    const std::string account = registerState().currentAccount;
    const std::string name = form.updateName(recordBuffer(form.recordKind)).substr(0, form.nameWidth);
    runGuarded([&] {
        runEditor(form, account, name, form.editorKeepsCaption ? QString() : caption(form, account, name),
                  EditorDialog::Update);
    });
}

void Tf_rejfor_gl::print(const FormCommand& form)
{
    Tf_szuk_nip list(wsk_post, this);
    list.SetKind(kindName(form));
    list.setFormType(form.formType);
    list.setWindowTitle(QString::fromUtf8(form.printTitle));
    if (runModal(list) != kModalOk)
        return;
    ConstBytes record = recordBuffer(form.recordKind);
    Tf_wydr printing(this);
    printing.form_kind = form.printKind;
    printing.prefixCaption(fromRecordText(getStr(record, nip::account_no)) + " " +
                           fromRecordText(form.printName(record)) + " ");
    runModal(printing);
}

void Tf_rejfor_gl::a_pkpirExecute() { fromLedger(kNip1Command); }
void Tf_rejfor_gl::a_nowyExecute() { newRecord(kNip1Command); }
void Tf_rejfor_gl::a_aktualizExecute() { update(kNip1Command); }
void Tf_rejfor_gl::a_wydr1Execute() { print(kNip1Command); }

void Tf_rejfor_gl::a_margExecute() { runOwnedDialog<Tf_zg_marg>(this); }
void Tf_rejfor_gl::a_margvExecute() { runOwnedDialog<Tf_zg_margv>(this); }
void Tf_rejfor_gl::a_odsExecute() { runOwnedDialog<Tf_zg_ods>(this); }
void Tf_rejfor_gl::a_odsvExecute() { runOwnedDialog<Tf_zg_odsv>(this); }

void Tf_rejfor_gl::HelpContents1Execute()
{
    if (!help_)
        help_ = new Tf_pomoc(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void Tf_rejfor_gl::a_infoExecute() { runOwnedDialog<Tform_info>(this); }

void Tf_rejfor_gl::a_koniecExecute() { close(); }
