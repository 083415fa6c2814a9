#include "desktop/app/Tf_rejfor_gl.h"
#include "core/app/startup.h"
#include "support/ui_test_environment.h"

#include <QAction>
#include <QProgressBar>
#include <QtTest>

#include <filesystem>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        startupNotices() = {}; // each test is a new run of the program
    }
    void cleanup() { env.reset(); }

    void creationRunsStartupWithProgressBarHiddenAndKoniecCloses()
    {
        Tf_rejfor_gl window;
        QVERIFY(window.findChild<QProgressBar*>("wsk_post")->isHidden());
        QVERIFY(std::filesystem::exists("REJFOR.Rdx"));
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"Brak zbioru ze stawkami ryczałtu. Proszę założyć!"});
        window.show();
        window.findChild<QAction*>("a_koniec")->trigger();
        QVERIFY(!window.isVisible());
    }

    void activationRunsStartupAgain()
    {
        Tf_rejfor_gl window;
        std::filesystem::remove("vatz.Rdx");
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!std::filesystem::exists("vatz.Rdx"));
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(std::filesystem::exists("vatz.Rdx"));
        QCOMPARE(env->messages.shown.size(), std::size_t(1)); // the missing rates are told once per run
    }

    void startupErrorGoesToTheErrorBox()
    {
        writeBytes("Bank.Rdx", {});
        Tf_rejfor_gl window;
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].kind, std::string("error"));
        QCOMPARE(env->messages.shown[0].text, std::string("Read beyond end of file: Bank.Rdx"));
    }

private:
    std::unique_ptr<UiTestEnvironment<>> env;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
