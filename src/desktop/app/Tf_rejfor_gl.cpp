#include "desktop/app/Tf_rejfor_gl.h"

#include "desktop/app/command_table.h"
#include "desktop/app/form_commands.h"
#include "desktop/app/help_viewer.h"
#include "desktop/app/image_list.h"
#include "desktop/app/program_info.h"
#include "core/app/startup.h"
#include "desktop/widgets/guarded_command.h"
#include "desktop/widgets/help.h"
#include "desktop/widgets/sort_cursor.h"
#include "desktop/widgets/ui_messages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct ToolBarSetup {
    Bar bar;
    QToolBar* Tf_rejfor_gl::*member;
    const char* name;
    const char* title;
};
constexpr ToolBarSetup kToolBars[] = {
    {Bar::tb_gl, &Tf_rejfor_gl::tb_gl, "tb_gl", "NIP-1, NIP-2"},
    {Bar::tb_gl1, &Tf_rejfor_gl::tb_gl1, "tb_gl1", "NIP-3, VAT-R"},
    {Bar::ToolBar1, &Tf_rejfor_gl::ToolBar1, "ToolBar1", "NIP-B"},
};

// On the toolbars and in the pop-up menu a form's commands follow a form's
// life: new, from the ledger, update, print; the menus put "z PKPiR" first.
int placeInGroup(const CommandRow& row)
{
    constexpr Family order[] = {Family::NewRecord, Family::FromLedger, Family::Update, Family::Print};
    return row.family ? int(std::find(std::begin(order), std::end(order), *row.family) - std::begin(order)) : 0;
}

// The rows that `wanted` picks, one group per form (category) in the
// table's order, each group in its place order.
std::vector<std::vector<const CommandRow*>> groupsOf(const std::function<bool(const CommandRow&)>& wanted)
{
    std::vector<std::vector<const CommandRow*>> groups;
    const char* category = nullptr;
    for (const CommandRow& row : commandRows()) {
        if (!wanted(row))
            continue;
        if (!category || std::string_view(category) != row.category)
            groups.emplace_back();
        category = row.category;
        groups.back().push_back(&row);
    }
    for (auto& group : groups)
        std::stable_sort(group.begin(), group.end(),
                         [](const CommandRow* a, const CommandRow* b) { return placeInGroup(*a) < placeInGroup(*b); });
    return groups;
}

QString hintOf(const CommandRow& row) { return QString::fromUtf8(row.hint ? row.hint : row.toolCaption); }

} // namespace

Tf_rejfor_gl::Tf_rejfor_gl(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("f_rejfor_gl");
    showDataDirectory();
    setWindowIcon(programIcon());
    resize(900, 560);

    wsk_post = new QProgressBar(this);
    wsk_post->setObjectName("wsk_post");
    wsk_post->setRange(0, 100);
    statusBar()->addPermanentWidget(wsk_post, 1);
    askDirectory = [this](const QString& start) { return askForDataDirectory(this, start); };
    b_katalog = new QPushButton("Katalog danych...", this);
    b_katalog->setObjectName("b_katalog");
    b_katalog->setFlat(true);
    connect(b_katalog, &QPushButton::clicked, this, &Tf_rejfor_gl::changeDataDirectory);
    statusBar()->addWidget(b_katalog);

    auto* centre = new QLabel(this);
    centre->setObjectName("e_tlo");
    centre->setAlignment(Qt::AlignCenter);
    centre->setText(QString("<div style='color:#667'><p style='font-size:20pt'><b>%1</b></p>"
                            "<p>Zgłoszenia NIP-1, NIP-2, NIP-3, NIP-B, VAT-R, VAT-Z i VAT-21</p>"
                            "<p>Wybierz polecenie z menu lub z paska narzędzi.<br>"
                            "Prawy przycisk myszy otwiera menu podręczne, F1 – pomoc.</p></div>")
                        .arg(QString::fromUtf8(kProgramName)));
    setCentralWidget(centre);

    createCommands();
    createToolBars();
    buildPopupMenu();
    installHelpViewer(showHelpWindow);

    FormCreate();
}

// Help, from this window and every dialog, lives as long as the window.
Tf_rejfor_gl::~Tf_rejfor_gl() { installHelpViewer({}); }

void Tf_rejfor_gl::createCommands()
{
    std::vector<QMenu*> menus;
    for (const CommandRow& row : commandRows()) {
        auto* action = new QAction(QString::fromUtf8(row.caption), this);
        action->setObjectName(row.name);
        action->setProperty("category", QString::fromUtf8(row.category));
        if (row.image)
            action->setIcon(imageListIcon(*row.image));
        if (row.shortcut)
            action->setShortcut(row.shortcut);
        if (row.bar != Bar::None && !row.callsHandler) {
            action->setIconText(QString::fromUtf8(row.toolCaption));
            action->setToolTip(hintOf(row));
            action->setStatusTip(hintOf(row));
        }
        connect(action, &QAction::triggered, this, [this, &row] { runCommand(row); });
        addAction(action);

        if (!row.menu) {
            menuBar()->addAction(action);
            continue;
        }
        const QString title = QString::fromUtf8(row.menu);
        auto menu = std::find_if(menus.begin(), menus.end(), [&](QMenu* m) { return m->title() == title; });
        QMenu* into = menu != menus.end() ? *menu : menus.emplace_back(menuBar()->addMenu(title));
        if (row.separatorBefore)
            into->addSeparator();
        into->addAction(action);
        if (row.menuDefault)
            into->setDefaultAction(action);
    }
}

void Tf_rejfor_gl::createToolBars()
{
    for (const ToolBarSetup& setup : kToolBars) {
        if (setup.bar != Bar::tb_gl)
            addToolBarBreak();
        QToolBar* bar = addToolBar(QString::fromUtf8(setup.title));
        this->*setup.member = bar;
        bar->setObjectName(setup.name);
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->setIconSize(QSize(32, 32));
        for (const auto& group : groupsOf([&](const CommandRow& row) { return row.bar == setup.bar; })) {
            if (!bar->actions().isEmpty())
                bar->addSeparator();
            for (const CommandRow* row : group) {
                if (!row->callsHandler) {
                    bar->addAction(actionOf(*row));
                    continue;
                }
                auto* button = new QToolButton(bar);
                button->setText(QString::fromUtf8(row->toolCaption));
                button->setToolTip(hintOf(*row));
                button->setStatusTip(hintOf(*row));
                button->setIcon(imageListIcon(*row->image));
                button->setToolButtonStyle(bar->toolButtonStyle());
                button->setIconSize(bar->iconSize());
                button->setAutoRaise(true);
                connect(button, &QToolButton::clicked, this, [this, row] { runCommand(*row); });
                bar->addWidget(button);
            }
        }
    }
}

void Tf_rejfor_gl::buildPopupMenu()
{
    popm_gl = new QMenu(this);
    popm_gl->setObjectName("popm_gl");
    for (const auto& group : groupsOf([](const CommandRow& row) { return row.popup != nullptr; })) {
        if (!popm_gl->actions().isEmpty())
            popm_gl->addSeparator();
        for (const CommandRow* row : group) {
            QAction* action = actionOf(*row);
            popm_gl->addAction(action->icon(), QString::fromUtf8(row->popup), action, &QAction::trigger);
        }
    }
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popm_gl->popup(mapToGlobal(at)); });
}

QAction* Tf_rejfor_gl::actionOf(const CommandRow& row) const
{
    return findChild<QAction*>(row.name, Qt::FindDirectChildrenOnly);
}

void Tf_rejfor_gl::runCommand(const CommandRow& row)
{
    if (row.family)
        runFormCommand(*row.family, formCommand(row.form), this, wsk_post);
    else
        row.general(*this);
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

void Tf_rejfor_gl::showDataDirectory()
{
    setWindowTitle(QString::fromUtf8(kProgramName) + " – " + QDir::toNativeSeparators(QDir::currentPath()));
}

void Tf_rejfor_gl::changeDataDirectory()
{
    const QString chosen = askDirectory(QDir::currentPath());
    if (chosen.isEmpty())
        return;
    if (!QDir::setCurrent(chosen)) {
        UiMessages::current().error("Nie można otworzyć katalogu " + QDir::toNativeSeparators(chosen).toStdString());
        return;
    }
    QSettings settings(kSettingsName, kSettingsName);
    rememberDataDirectory(settings, chosen);
    startupNotices() = {}; // another directory: its own conditions are told again
    LoadSortCursor();
    showDataDirectory();
    inic();
}

void Tf_rejfor_gl::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive)
        inic();
}
