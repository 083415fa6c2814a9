#include "common/MaskedEdit.h"
#include "common/modal_result.h"
#include "common/ui_messages.h"
#include "register/Tf_nowy_nip.h"
#include "register/record_files.h"
#include "register/register_state.h"
#include "support/scripted_messages.h"

#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

using Texts = std::vector<std::string>;

class Tf_nowy_nipTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir = std::make_unique<TempDir>();
        messages = ScriptedMessages{};
        UiMessages::install(&messages);
        setCurrentAccount("", 0);
    }
    void cleanup()
    {
        UiMessages::install(nullptr);
        dir.reset();
    }

    void firstFreeFillsOneAndOkClaimsIt()
    {
        RecordFileBuilder(KindRejfor, 4).save();
        Tf_nowy_nip dialog;
        dialog.SetKind("rejfor");
        dialog.FormActivate();
        button(dialog, "kl_wolne")->click();
        QCOMPARE(field(dialog)->text(), QString("1  "));
        button(dialog, "kl_ok")->click();
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(registerState().currentAccount, std::string("001"));
        QCOMPARE(getStr(recordBuffer(KindRejfor), nip::account_no), std::string("001"));
        QVERIFY(messages.shown.empty());
    }

    void rejectedNumberKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("beyond the file") << "5" << "Za duży nr konta";
        QTest::newRow("nothing typed") << "" << "'' to niepoprawny symbol konta";
        QTest::newRow("negative") << "-5" << "Nr konta musi być liczbą dodatnią";
        QTest::newRow("in use") << "2" << "Konto jest już w zbiorze";
    }
    void rejectedNumberKeepsTheDialogOpen()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        RecordFileBuilder file(KindVatr, 4);
        file.inUse(2, "002");
        file.save();
        Tf_nowy_nip dialog;
        dialog.SetKind("VATR");
        QTest::keyClicks(field(dialog), typed);
        button(dialog, "kl_ok")->click();
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(field(dialog)->text().trimmed(), typed);
        QCOMPARE(messages.texts(), Texts{message.toStdString()});
    }

    void firstFreeWithoutAFreeRecordChangesNothing()
    {
        RecordFileBuilder file(KindNipb, 4);
        for (int n = 1; n <= 3; ++n)
            file.inUse(n, "00" + std::to_string(n));
        file.save();
        Tf_nowy_nip dialog;
        dialog.SetKind("NIPB");
        QTest::keyClicks(field(dialog), "2");
        button(dialog, "kl_wolne")->click();
        QCOMPARE(field(dialog)->editText(), QString("2__"));
        QVERIFY(messages.shown.empty());

        dialog.SetKind("vat21"); // no such file here
        button(dialog, "kl_wolne")->click();
        QCOMPARE(messages.texts(), Texts{"Brak zbioru z danymi vat21.Rdx"});
    }

    void typedNumberTakesFirstFreeOutOfTheTabOrder()
    {
        Tf_nowy_nip dialog;
        QPushButton* free = button(dialog, "kl_wolne");
        QVERIFY(free->focusPolicy() & Qt::TabFocus);
        QTest::keyClicks(field(dialog), "1");
        QVERIFY(!(free->focusPolicy() & Qt::TabFocus));
        QTest::keyClick(field(dialog), Qt::Key_Backspace);
        QVERIFY(free->focusPolicy() & Qt::TabFocus);
    }

    void closesWithCancelOrEscapeAndHasNoCloseBox()
    {
        Tf_nowy_nip dialog;
        QCOMPARE(dialog.windowTitle(), QString("Zgłoszenie NIP-1"));
        QVERIFY(!(dialog.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QVERIFY(button(dialog, "kl_ok")->isDefault());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), kModalCancel);
        dialog.setResult(0);
        button(dialog, "kl_anul")->click();
        QCOMPARE(dialog.result(), kModalCancel);
    }

    void ownMessagesDoNotEmptyTheField()
    {
        Tf_nowy_nip dialog;
        dialog.show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&dialog, &activate);
        QTest::keyClicks(field(dialog), "12");
        QCoreApplication::sendEvent(&dialog, &activate); // a message box closed
        QCOMPARE(field(dialog)->text(), QString("12 "));
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(&dialog, &activate); // back from another program
        QCOMPARE(field(dialog)->editText(), QString("___"));
    }

private:
    static MaskedEdit* field(Tf_nowy_nip& dialog) { return dialog.findChild<MaskedEdit*>("m_kon"); }
    static QPushButton* button(Tf_nowy_nip& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }

    std::unique_ptr<TempDir> dir;
    ScriptedMessages messages;
};

} // namespace

int runTf_nowy_nipTests(int argc, char** argv)
{
    Tf_nowy_nipTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tf_nowy_nip_test.moc"
