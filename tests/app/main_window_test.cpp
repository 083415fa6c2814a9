// The main window as the operator meets it: the general commands by their keys, the toolbars and pop-up
// menu, help in the commands' dialogs, start-up on every activation. Form commands: command_families_test.
#include "command_script.h"
#include "core/common/file_io.h"
#include "desktop/app/Tf_dane_biura.h"
#include "desktop/app/Tf_pomoc.h"
#include "desktop/app/Tform_info.h"
#include "desktop/forms/editors/Tpdlg_nip1.h"
#include "register/record_files.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>
#include <optional>

class MainWindowTest : public QObject {
    Q_OBJECT
    std::optional<MainWindowFixture> fx;

    // What a click opens, cleared before it.
    QString opensOf(const std::function<void()>& click)
    {
        fx->script.opened.clear();
        click();
        return fx->script.seen();
    }

private slots:
    void init() { fx.emplace(); }
    void cleanup() { fx.reset(); }

    // "&Ustawienia wydruku" holds two "&VAT" entries: the first V selects
    // one, the second the next, Return runs it. "O programie" has no key.
    void generalCommandsFromTheMenuBar()
    {
        const std::pair<const char*, const char*> settings[] = {
            {"Alt+U M", "Tf_zg_marg Marginesy wydruku zgłoszeń NIP"},
            {"Alt+U V Return", "Tf_zg_margv Marginesy wydruku zgłoszeń VAT"},
            {"Alt+U O", "Tf_zg_ods Odległości między częściami formularzy NIP"},
            {"Alt+U V V Return", "Tf_zg_odsv Odległości między częściami formularzy VAT"},
        };
        for (auto [keys, opens] : settings)
            QCOMPARE(opensOf([&] { fx->press(keys); }), QString(opens));

        fx->press("Alt+P");
        QVERIFY(fx->window.findChild<Tf_pomoc*>() && fx->window.findChild<Tf_pomoc*>()->isVisible());

        QMenuBar* bar = fx->window.menuBar();
        const QPoint info = bar->actionGeometry(fx->window.findChild<QAction*>("a_info")).center();
        QCOMPARE(opensOf([&] { QTest::mouseClick(bar, Qt::LeftButton, {}, info); }), QString("Tform_info O programie"));

        fx->press("Alt+K");
        QVERIFY(!fx->window.isVisible());
    }

    // "Zmień dane biura" in the about window: four lines of the code page,
    // each ended by CR LF, in force at once.
    void officeLinesAreChangedFromTheAboutWindow()
    {
        QString shown;
        setModalRunner([&](QDialog& dialog) {
            if (auto* info = qobject_cast<Tform_info*>(&dialog)) {
                info->kl_biuroClick();
                shown += " " + info->mem_wl->toPlainText();
            } else if (auto* office = qobject_cast<Tf_dane_biura*>(&dialog)) {
                shown = office->windowTitle();
                const char* lines[] = {"Biuro ŻAK", "s.c.", "ul. Długa 1", "00-950 Łódź"};
                for (int i = 0; i < 4; ++i)
                    office->z_wiersz[i]->setText(QString::fromUtf8(lines[i]));
                office->kl_okClick();
                return office->result();
            }
            return kModalCancel;
        });
        fx->window.findChild<QAction*>("a_info")->trigger();
        QCOMPARE(shown, QString::fromUtf8("Dane biura rachunkowego Biuro ŻAK\ns.c.\nul. Długa 1\n00-950 Łódź"));
        QCOMPARE(readTextFile("biuro.Rdx").value_or(""),
                 std::string("Biuro \xAF" "AK\r\ns.c.\r\nul. D\xB3uga 1\r\n00-950 \xA3\xF3" "d\x9F\r\n"));
    }

    // Buttons and entries run the commands of the menus, a form's in the
    // order new, from the ledger, update, print.
    void toolbarsAndPopUpMenuRunTheMenusCommands()
    {
        const std::pair<const char*, QString> expected[] = {
            {"tb_gl", "nowy a_nowy, z PKPiR a_pkpir, aktualizacja a_aktualiz, wydruk a_wydr1, |, "
                      "nowy a_nowy2, z PKPiR a_pkpir2, aktualizacja a_aktualiz2, wydruk a_wydr2"},
            {"tb_gl1", "NIP-3 a_nip3n, NIP-3 akt. a_nip3a, NIP-3 wydr a_nip3w, |, "
                       "VAT-R a_vatrn, z PKPiR a_vatrpkp, VAT-R akt. Aa_vatra, VAT-R wydr a_vatrw"},
            {"ToolBar1", "NIP-B nowy a_nipbn, NIP-B z PKPiR a_nipbkp, NIP-B akt. a_nipba, NIP-B wydruk a_nipbw"},
            {"popm_gl", "NIP-1 nowy a_nowy, NIP-1 z PKPiR a_pkpir, NIP-1 aktualizacja a_aktualiz, "
                        "NIP-1 wydruk a_wydr1, |, NIP-2 nowy a_nowy2, NIP-2 z PKPiR a_pkpir2, "
                        "NIP-2 aktualizacja a_aktualiz2, NIP-2 wydruk a_wydr2, |, "
                        "NIP-B z PKPiR a_nipbkp, NIP-B aktualizacja a_nipba, NIP-B wydruk a_nipbw"},
        };
        fx->script.cancelChoice = true;
        QMap<QString, QString> commandOpening;
        for (QAction* menu : fx->window.menuBar()->actions())
            for (QAction* entry : menu->menu() ? menu->menu()->actions() : QList<QAction*>{})
                commandOpening[opensOf([&] { entry->trigger(); })] = entry->objectName();

        for (const auto& [bar, entries] : expected) {
            auto* toolBar = fx->window.findChild<QToolBar*>(bar);
            QStringList offered;
            for (QAction* item : fx->window.findChild<QWidget*>(bar)->actions()) {
                auto* button = toolBar ? qobject_cast<QToolButton*>(toolBar->widgetForAction(item)) : nullptr;
                const QString opens = opensOf([&] { button ? button->click() : item->trigger(); });
                offered << (item->isSeparator() ? "|" : (button ? button->text() : item->text()).trimmed() + " " +
                                                            commandOpening.value(opens, "?"));
            }
            QCOMPARE(offered.join(", "), entries);
        }
    }

    // F1, or the editor's "&Pomoc", opens help at the dialog's topic (its first heading in view) beside
    // the dialog shown modal; worked through the window system, it closes while the dialog stays open.
    void helpInTheDialogsOfTheCommands_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("heading");
        QTest::newRow("taxpayer search") << "Alt+1 P" << "Tf_szuk_pod" << "Zgłoszenie na podstawie danych z PKPiR";
        QTest::newRow("record list") << "Alt+1 A" << "Tf_szuk_nip" << "Wybór zgłoszenia z listy";
        QTest::newRow("new record") << "Alt+1 N" << "Tf_nowy_nip" << "Nowe zgłoszenie";
        QTest::newRow("print dialog") << "Alt+1 W" << "Tf_wydr" << "Wydruk zgłoszenia";
        QTest::newRow("margins") << "Alt+U M" << "Tf_zg_marg" << "Ustawienia wydruku: marginesy i odstępy";
        QTest::newRow("editor: the contents") << "Alt+1 A" << "Tpdlg_nip1" << "Zgłoszenia NIP/VAT";
    }
    void helpInTheDialogsOfTheCommands()
    {
        QFETCH(QString, keys);
        QFETCH(QString, dialog);
        RecordFileBuilder file(KindRejfor, 4); // a NIP-1 to update and print
        file.inUse(2, "002", 1);
        file.save();
        fx->script.account = "2";
        QString seen;
        setModalRunner([&](QDialog& shown) {
            if (!shown.inherits(dialog.toLatin1()))
                return fx->script.play(shown);
            shown.setWindowModality(Qt::ApplicationModal);
            shown.show();
            if (auto* editor = qobject_cast<Tpdlg_nip1*>(&shown))
                editor->kl_pomoc->click();
            else
                QTest::keyClick(shown.focusWidget() ? shown.focusWidget() : &shown, Qt::Key_F1);
            if (auto* help = shown.findChild<Tf_pomoc*>(); help && help->isVisible()) {
                QTextBlock block = help->tb_tekst->cursorForPosition({0, 0}).block();
                while (block.isValid() && block.blockFormat().headingLevel() == 0)
                    block = block.next();
                const QPoint close = help->kl_zamknij->mapTo(help, help->kl_zamknij->rect().center());
                QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, close);
                seen = block.text() + (help->isVisible() ? ", help still open" : "") +
                       (QApplication::activeModalWidget() == &shown ? "" : ", the dialog gone");
            }
            return kModalCancel;
        });
        fx->press(keys);
        QTEST(seen, "heading");
    }

    // Its errors end in the error box.
    void startUpRunsOnEveryActivation()
    {
        QVERIFY(fx->window.wsk_post->isHidden());
        std::filesystem::remove("vatz.Rdx");
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!std::filesystem::exists("vatz.Rdx"));
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(std::filesystem::exists("vatz.Rdx"));
        writeBytes("Bank.Rdx", {});
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(fx->env.messages.shown.back(),
                 (ScriptedMessages::Shown{"error", "Read beyond end of file: Bank.Rdx", ""}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
