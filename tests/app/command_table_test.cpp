// Every command of the main window: caption, category, place in the menus
// and toolbars, and what it runs, known by the choosing dialog it opens.
// What follows that dialog is in command_families_test.
#include "desktop/app/Tf_pomoc.h"
#include "command_script.h"
#include "core/common/data_files.h"
#include "core/register/record_kind.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <optional>

namespace {

struct Command {
    const char* name;
    const char* category;
    const char* caption;
    const char* opens;
};
const Command kCommands[] = {
    {"a_pkpir", "NIP-1", "z &PKPiR", "Tf_szuk_pod Zgłoszenie NIP-1 na podstawie danych z systemu PKPiR"},
    {"a_nowy", "NIP-1", "&nowy", "Tf_nowy_nip Zgłoszenie NIP-1"},
    {"a_aktualiz", "NIP-1", "&aktualizacja", "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-1"},
    {"a_wydr1", "NIP-1", "&wydruk", "Tf_szuk_nip Wydruk zgłoszenia NIP-1"},
    {"a_pkpir2", "NIP-2", "z &PKPiR", "Tf_szuk_pod Zgłoszenie NIP-2 na podstawie danych z systemu PKPiR"},
    {"a_nowy2", "NIP-2", "&nowy", "Tf_nowy_nip Zgłoszenie NIP-2"},
    {"a_aktualiz2", "NIP-2", "&aktualizacja", "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-2"},
    {"a_wydr2", "NIP-2", "&wydruk", "Tf_szuk_nip Wydruk zgłoszenia NIP-2"},
    {"a_nip3n", "NIP-3", "&nowy", "Tf_nowy_nip Zgłoszenie NIP-3"},
    {"a_nip3a", "NIP-3", "&aktualizacja", "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-3"},
    {"a_nip3w", "NIP-3", "&wydruk", "Tf_szuk_nip Wydruk zgłoszenia NIP-3"},
    {"a_vatrpkp", "VAT-R", "z &PKPiR", "Tf_szuk_pod Zgłoszenie VAT-R na podstawie danych z systemu PKPiR"},
    {"a_vatrn", "VAT-R", "&nowy", "Tf_nowy_nip Zgłoszenie VAT-R"},
    {"Aa_vatra", "VAT-R", "&aktualizacja", "Tf_szuk_nip Aktualizacja danych zgłoszenia VAT-R"},
    {"a_vatrw", "VAT-R", "&wydruk", "Tf_szuk_nip Wydruk zgłoszenia VAT-R"},
    {"a_vat21n", "VAT-21", "&nowy", "Tf_nowy_nip Zawiadomienie VAT-21"},
    {"a_vat21a", "VAT-21", "&aktualizacja", "Tf_szuk_nip Aktualizacja danych zawiadomienia VAT-21"},
    {"a_vat21w", "VAT-21", "&wydruk", "Tf_szuk_nip Wydruk zawiadomienia VAT-21"},
    {"a_vatzn", "VAT-Z", "&nowy", "Tf_nowy_nip Zgłoszeenie VAT-Z"},
    {"a_vatza", "VAT-Z", "&aktualizacja", "Tf_szuk_nip Aktualizacja danych zgłoszenia VAT-Z"},
    {"a_vatzw", "VAT-Z", "&wydruk", "Tf_szuk_nip Wydruk zgłoszenia VAT-Z"},
    {"a_nipbkp", "NIP-B", "z &PKPiR", "Tf_szuk_pod Informacja NIP-B na podstawie danych z systemu PKPiR"},
    {"a_nipbn", "NIP-B", "&nowy", "Tf_nowy_nip Informacja NIP-B"},
    {"a_nipba", "NIP-B", "&aktualizacja", "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-B"},
    {"a_nipbw", "NIP-B", "&wydruk", "Tf_szuk_nip Wydruk informacji NIP-B"},
    {"a_marg", "Ustawienia wydruku", "&Marginesy  formularze NIP", "Tf_zg_marg Marginesy wydruku zgłoszeń NIP"},
    {"a_margv", "Ustawienia wydruku", "Marginesy  formularze &VAT", "Tf_zg_margv Marginesy wydruku zgłoszeń VAT"},
    {"a_ods", "Ustawienia wydruku", "&Odstępy formularze NIP",
     "Tf_zg_ods Odległości między częściami formularzy NIP"},
    {"a_odsv", "Ustawienia wydruku", "Odstępy formularze &VAT",
     "Tf_zg_odsv Odległości między częściami formularzy VAT"},
    {"a_info", "", "O programie", "Tform_info O programie"},
};

} // namespace

class CommandTableTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        fx.emplace();
        fx->script.cancelChoice = true;
    }
    void cleanup() { fx.reset(); }

    // Cancelled in its first dialog, no command changes a record file.
    void everyCommandHasItsCaptionAndRunsItsCommand()
    {
        std::vector<std::vector<unsigned char>> files;
        for (const RecordKind& kind : kRecordKinds)
            files.push_back(fileBytes(dataFileName(std::string(kind.baseName))));
        for (const Command& c : kCommands) {
            QAction* action = window().findChild<QAction*>(c.name);
            QVERIFY2(action, c.name);
            QCOMPARE(action->text(), QString(c.caption));
            QCOMPARE(action->property("category").toString(), QString(c.category));
            QCOMPARE(opensOf([&] { action->trigger(); }), QString(c.opens));
        }
        for (std::size_t k = 0; k < std::size(kRecordKinds); ++k)
            QCOMPARE(fileBytes(dataFileName(std::string(kRecordKinds[k].baseName))), files[k]);
    }

    void generalCommandsOfTheMenuBar()
    {
        QAction* help = window().findChild<QAction*>("HelpContents1");
        QCOMPARE(help->text(), QString("&Pomoc"));
        QCOMPARE(help->property("category").toString(), QString("Help"));
        QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
        help->trigger();
        const auto* helpWindow = window().findChild<Tf_pomoc*>();
        QVERIFY(helpWindow && helpWindow->isVisible());
        QCOMPARE(window().findChild<QAction*>("a_koniec")->text(), QString("&Koniec"));
        QVERIFY(fx->script.opened.isEmpty());
    }

    void menuBarHoldsEveryCommandInItsPlace()
    {
        // "*" marks the default entry, drawn in bold; "|" a separator.
        const QStringList expected = {
            "NIP-&1: *a_pkpir a_nowy a_aktualiz | a_wydr1",
            "NIP-&2: *a_pkpir2 a_nowy2 a_aktualiz2 | a_wydr2",
            "NIP-&3: a_nip3n a_nip3a | a_nip3w",
            "VAT-&R: a_vatrpkp a_vatrn Aa_vatra | a_vatrw",
            "VA&T-21: a_vat21n a_vat21a | a_vat21w",
            "VAT-&Z: a_vatzn a_vatza | a_vatzw",
            "NIP-&B: *a_nipbkp a_nipbn a_nipba | a_nipbw",
            "&Ustawienia wydruku: a_marg a_margv a_ods a_odsv",
            "a_koniec",
            "HelpContents1",
            "a_info",
        };
        QStringList items;
        for (QAction* item : window().menuBar()->actions()) {
            if (!item->menu()) {
                items << item->objectName();
                continue;
            }
            QStringList entries;
            for (QAction* entry : item->menu()->actions())
                entries << (entry->isSeparator() ? "|"
                                                 : (entry == item->menu()->defaultAction() ? "*" : "") +
                                                       entry->objectName());
            items << item->menu()->title() + ": " + entries.join(' ');
        }
        QCOMPARE(items, expected);
    }

    void toolbarsOfferTheirButtons_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QStringList>("buttons"); // caption|hint|command|how; "—" a separator
        QTest::newRow("tb_gl") << "tb_gl"
                               << QStringList{"nowy|NIP-1 nowy|a_nowy|action",
                                              "z PKPiR|NIP-1 z PKPiR|a_pkpir|action",
                                              "aktualizacja|NIP-1 aktualizacja|a_aktualiz|action",
                                              "wydruk|NIP-1 wydruk|a_wydr1|action",
                                              "—",
                                              "nowy|NIP-2 nowy|a_nowy2|action",
                                              "z PKPiR|NIP-2 z PKPiR|a_pkpir2|action",
                                              "aktualizacja|NIP-2 aktualizacja|a_aktualiz2|action",
                                              "wydruk|NIP-2 wydruk|a_wydr2|action"};
        QTest::newRow("tb_gl1") << "tb_gl1"
                                << QStringList{"     NIP-3        |NIP-3 nowy|a_nip3n|direct",
                                               "NIP-3 akt.|NIP-3 aktualizacja|a_nip3a|direct",
                                               "NIP-3 wydr|NIP-3 wydruk|a_nip3w|direct",
                                               "—",
                                               "VAT-R|VAT-R nowy|a_vatrn|direct",
                                               "z PKPiR|VAT-R z PKPiR|a_vatrpkp|direct",
                                               "VAT-R akt.|VAT-R aktualizacja danych|Aa_vatra|direct",
                                               "VAT-R wydr|VAT-R wydruk|a_vatrw|direct"};
        QTest::newRow("ToolBar1") << "ToolBar1"
                                  << QStringList{"NIP-B nowy|NIP-B nowy|a_nipbn|action",
                                                 "NIP-B z PKPiR|NIP-B z PKPiR|a_nipbkp|action",
                                                 "NIP-B akt.|NIP-B akt.|a_nipba|action",
                                                 "NIP-B wydruk|NIP-B wydruk|a_nipbw|action"};
    }
    void toolbarsOfferTheirButtons()
    {
        QFETCH(QString, bar);
        auto* toolBar = window().findChild<QToolBar*>(bar);
        QVERIFY(toolBar);
        QStringList buttons;
        for (QAction* item : toolBar->actions()) {
            if (item->isSeparator()) {
                buttons << "—";
                continue;
            }
            auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(item));
            QVERIFY(button);
            const QString command = commandOf([&] { button->click(); });
            // A button bound to its action is disabled with it; one that
            // runs the command itself is not.
            QAction* action = window().findChild<QAction*>(command);
            QVERIFY2(action, qPrintable(command));
            action->setEnabled(false);
            const bool followsAction = !button->isEnabled();
            action->setEnabled(true);
            buttons << QStringList{button->text(), button->toolTip(), command, followsAction ? "action" : "direct"}
                           .join('|');
        }
        QTEST(buttons, "buttons");
    }

    void toolbarsStandOneBelowAnother()
    {
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        const auto* first = window().findChild<QToolBar*>("tb_gl");
        const auto* second = window().findChild<QToolBar*>("tb_gl1");
        const auto* third = window().findChild<QToolBar*>("ToolBar1");
        QVERIFY(first->geometry().bottom() < second->geometry().top());
        QVERIFY(second->geometry().bottom() < third->geometry().top());
    }

    void popupMenuRunsTheCommandsOfItsEntries()
    {
        const QStringList expected = {
            "NIP-1 nowy|a_nowy", "NIP-1 z PKPiR|a_pkpir", "NIP-1 aktualizacja|a_aktualiz", "NIP-1 wydruk|a_wydr1",
            "—",
            "NIP-2 nowy|a_nowy2", "NIP-2 z PKPiR|a_pkpir2", "NIP-2 aktualizacja|a_aktualiz2", "NIP-2 wydruk|a_wydr2",
            "—",
            "NIP-B z PKPiR|a_nipbkp", "NIP-B aktualizacja|a_nipba", "NIP-B wydruk|a_nipbw",
        };
        QStringList entries;
        for (QAction* entry : window().popm_gl->actions())
            entries << (entry->isSeparator() ? "—" : entry->text() + "|" + commandOf([&] { entry->trigger(); }));
        QCOMPARE(entries, expected);
    }

private:
    // What a click opens, cleared before it.
    QString opensOf(const std::function<void()>& click)
    {
        fx->script.opened.clear();
        click();
        return fx->script.seen();
    }

    // The command (action name) that a click runs, known by what it opens.
    QString commandOf(const std::function<void()>& click)
    {
        const QString opens = opensOf(click);
        for (const Command& c : kCommands)
            if (opens == c.opens)
                return c.name;
        return "?" + opens;
    }

    Tf_rejfor_gl& window() { return fx->window; }

    std::optional<MainWindowFixture> fx;
};

QTEST_MAIN(CommandTableTest)
#include "command_table_test.moc"
