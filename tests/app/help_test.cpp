// Help from every window: F1 and "&Pomoc" open the help window at the
// window's topic, and a help window opened from a modal dialog can be
// read, scrolled and closed while the dialog stays open. The dialogs are
// shown modal here, and the help window is worked through the window
// system, which drops what a modal dialog blocks.
#include "desktop/app/Tf_pomoc.h"
#include "command_script.h"
#include "desktop/widgets/StringGrid.h"
#include "desktop/forms/editors/Tpdlg_nip1.h"
#include "desktop/ledger/Tf_szuk_pod.h"
#include "desktop/print/Tf_wydr.h"
#include "desktop/print/Tf_zg_marg.h"
#include "desktop/print/Tf_zg_odsv.h"
#include "desktop/register/Tf_nowy_nip.h"
#include "desktop/register/Tf_szuk_nip.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace {

// The headings of the help text that stand in the window, top first.
QStringList visibleHeadings(const Tf_pomoc& help)
{
    QStringList headings;
    const int height = help.tb_tekst->viewport()->height();
    for (QTextBlock block = help.tb_tekst->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QRect at = help.tb_tekst->cursorRect(QTextCursor(block));
        if (at.top() >= 0 && at.top() < height)
            headings << block.text();
    }
    return headings;
}

// The help window on screen, whoever owns it.
Tf_pomoc* shownHelp()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<Tf_pomoc*>(top); help && help->isVisible())
            return help;
    return nullptr;
}

void showModal(QDialog& dialog)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
}

std::unique_ptr<QDialog> makeDialog(const QString& name, QWidget* owner)
{
    const std::map<QString, std::function<QDialog*()>> factories = {
        {"Tf_szuk_pod", [&] { return new Tf_szuk_pod(nullptr, owner); }},
        {"Tf_szuk_nip", [&] { return new Tf_szuk_nip(nullptr, owner); }},
        {"Tf_nowy_nip", [&] { return new Tf_nowy_nip(owner); }},
        {"Tf_wydr", [&] { return new Tf_wydr(owner); }},
        {"Tf_zg_marg", [&] { return new Tf_zg_marg(owner); }},
        {"Tf_zg_odsv", [&] { return new Tf_zg_odsv(owner); }},
        {"Tpdlg_nip1", [&] { return new Tpdlg_nip1(owner); }},
    };
    return std::unique_ptr<QDialog>(factories.at(name)());
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        fx.emplace();
        fx->window.show();
    }
    void cleanup() { fx.reset(); }

    void helpFromAModalDialogClosesWhileTheDialogStaysOpen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("key"); // scrolls the help
        QTest::newRow("F1 in the record list") << "a_aktualiz" << "Wybór zgłoszenia z listy" << int(Qt::Key_PageUp);
        QTest::newRow("Pomoc in the editor") << "a_nowy" << "Zgłoszenia NIP/VAT" << int(Qt::Key_PageDown);
    }
    void helpFromAModalDialogClosesWhileTheDialogStaysOpen()
    {
        QFETCH(QString, command);
        QFETCH(QString, heading);
        QFETCH(int, key);
        bool reached = false;
        setModalRunner([&](QDialog& dialog) {
            if (auto* choose = qobject_cast<Tf_nowy_nip*>(&dialog)) {
                choose->FormActivate();
                choose->kl_wolneClick();
                choose->kl_okClick();
                return choose->result();
            }
            auto* list = qobject_cast<Tf_szuk_nip*>(&dialog);
            auto* editor = qobject_cast<Tpdlg_nip1*>(&dialog);
            if (!list && !editor)
                return kModalCancel;
            showModal(dialog);
            if (list)
                QTest::keyClick(list->sg_kon, Qt::Key_F1);
            else
                editor->kl_pomoc->click();
            helpWorksBeside(dialog, heading, Qt::Key(key));
            dialog.hide();
            reached = true;
            return kModalCancel;
        });
        fx->run(command.toUtf8());
        QVERIFY(reached);
    }

    void f1OpensHelpAtTheDialogsTopic_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("heading"); // first heading in view
        QTest::newRow("taxpayer search") << "Tf_szuk_pod" << "Zgłoszenie na podstawie danych z PKPiR";
        QTest::newRow("record list") << "Tf_szuk_nip" << "Wybór zgłoszenia z listy";
        QTest::newRow("new record") << "Tf_nowy_nip" << "Nowe zgłoszenie";
        QTest::newRow("print dialog") << "Tf_wydr" << "Wydruk zgłoszenia";
        QTest::newRow("margins") << "Tf_zg_marg" << "Ustawienia wydruku: marginesy i odstępy";
        QTest::newRow("VAT spacings") << "Tf_zg_odsv" << "Ustawienia wydruku: marginesy i odstępy";
        QTest::newRow("editor: the contents") << "Tpdlg_nip1" << "Zgłoszenia NIP/VAT";
    }
    void f1OpensHelpAtTheDialogsTopic()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, heading);
        std::unique_ptr<QDialog> shown = makeDialog(dialog, &fx->window);
        showModal(*shown);
        QTest::keyClick(shown->focusWidget() ? shown->focusWidget() : shown.get(), Qt::Key_F1);
        Tf_pomoc* help = shownHelp();
        QVERIFY(help);
        QCOMPARE(visibleHeadings(*help).value(0), heading);
        QVERIFY(help->tb_tekst->toPlainText().contains("Klawiatura"));
    }

private:
    // The help window of `dialog` is open at the topic, scrolls with `key`
    // and closes by its button while the modal dialog stays open.
    void helpWorksBeside(QDialog& dialog, const QString& heading, Qt::Key key)
    {
        Tf_pomoc* help = shownHelp();
        QVERIFY(help);
        QCOMPARE(visibleHeadings(*help).value(0), heading);
        QScrollBar* scroll = help->tb_tekst->verticalScrollBar();
        const int before = scroll->value();
        help->tb_tekst->setFocus();
        QTest::keyClick(help->windowHandle(), key);
        QVERIFY(scroll->value() != before);
        const QPoint close = help->kl_zamknij->mapTo(help, help->kl_zamknij->rect().center());
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, close);
        QVERIFY(!help->isVisible());
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
    }

    std::optional<MainWindowFixture> fx;
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
