// Where the program works and how the operator changes it: nothing is
// created in a directory the operator did not choose, and a chosen directory
// is remembered for the next start. Also how every modal dialog is shown.
#include "core/app/startup.h"
#include "desktop/app/Tf_rejfor_gl.h"
#include "desktop/app/data_directory.h"
#include "desktop/widgets/modal_runner.h"
#include "support/ui_test_environment.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A scripted directory question: answers `answer` and records where it opened.
struct Question {
    QString answer;
    QStringList openedAt;
    DirectoryQuestion ask() { return [this](const QString& start) { return (openedAt << start, answer); }; }
};

QString qpath(const fs::path& p) { return QString::fromStdString(p.string()); }

// A new directory in the current one.
fs::path madeDirectory(const char* name)
{
    fs::create_directories(name);
    return fs::absolute(name);
}

} // namespace

class DataDirectoryTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;

private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        startupNotices() = {};
    }
    void cleanup()
    {
        setModalRunner({});
        env.reset();
    }

    // The current directory is used when it holds data files. Else a
    // cancelled question creates and remembers nothing; a chosen directory
    // is remembered and the next start goes straight to it, unless it is gone.
    void theDataDirectoryAtTheStart()
    {
        const fs::path home = madeDirectory("home"), office = madeDirectory("biuro");
        QSettings settings("settings.ini", QSettings::IniFormat);
        Question never;
        for (const char* file : {"konta200.Rdx", "Bank.Rdx", "REJFOR.Rdx", "nipb.Rdx"}) {
            const fs::path dir = madeDirectory(file);
            writeBytes((dir / file).string(), {0});
            QCOMPARE(dataDirectoryWithoutArgument(qpath(dir), settings, never.ask()), qpath(dir));
        }
        Question question; // cancelled first
        QCOMPARE(dataDirectoryWithoutArgument(qpath(home), settings, question.ask()), std::nullopt);
        QVERIFY(rememberedDataDirectory(settings).isEmpty());
        question.answer = qpath(office);
        QCOMPARE(dataDirectoryWithoutArgument(qpath(home), settings, question.ask()), qpath(office));
        QSettings reread(settings.fileName(), QSettings::IniFormat);
        QCOMPARE(dataDirectoryWithoutArgument(qpath(home), reread, never.ask()), qpath(office));
        QVERIFY(never.openedAt.isEmpty());

        rememberDataDirectory(settings, qpath(fs::absolute("usunięty")));
        QCOMPARE(dataDirectoryWithoutArgument(qpath(home), settings, question.ask()), qpath(office));
        QCOMPARE(question.openedAt, (QStringList{qpath(home), qpath(home), qpath(home)}));
        QCOMPARE(rememberedDataDirectory(settings), qpath(office));
    }

    // The title names the directory; start-up runs in every directory the
    // operator changes to, its conditions told anew.
    void theMainWindowChangesItsDirectory()
    {
        const fs::path home = madeDirectory("home"), office = madeDirectory("biuro");
        const std::string ratesMissing = "Brak zbioru ze stawkami ryczałtu. Proszę założyć!";
        fs::current_path(home);
        Tf_rejfor_gl window;
        QCOMPARE(env->messages.texts(), std::vector<std::string>{ratesMissing});

        Question question; // cancelled first
        window.askDirectory = question.ask();
        window.b_katalog->click();
        QCOMPARE(fs::current_path(), home);
        question.answer = qpath(office);
        window.b_katalog->click();
        QCOMPARE(question.openedAt, (QStringList{qpath(home), qpath(home)}));
        QCOMPARE(fs::current_path(), office);
        QCOMPARE(window.windowTitle(), "Zgłoszenia NIP/VAT – " + qpath(office));
        QCOMPARE(env->messages.texts(), (std::vector<std::string>{ratesMissing, ratesMissing}));
        QSettings windowSettings(kSettingsName, kSettingsName);
        QCOMPARE(rememberedDataDirectory(windowSettings), qpath(office));
    }

    // A modal dialog is never minimised or maximised, and is widened to show
    // its whole caption, also where its layout fixes its size.
    void modalDialogsShowTheirWholeCaption()
    {
        Qt::WindowFlags flags;
        setModalRunner([&](QDialog& dialog) {
            flags = dialog.windowFlags();
            if (dialog.layout())
                dialog.layout()->activate();
            return dialog.width();
        });
        const QString caption = "001 ĆWIKŁA PAWEŁ Wydruk formularza NIP-1";
        QDialog narrow;
        narrow.setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint);
        narrow.resize(200, 150);
        narrow.setWindowTitle(caption);
        QFont bold = narrow.font();
        bold.setBold(true);
        const int captionWidth = QFontMetrics(bold).horizontalAdvance(caption);
        QVERIFY(runModal(narrow) > captionWidth + 60);
        QCOMPARE(narrow.height(), 150);
        const Qt::WindowFlags looked =
            Qt::WindowType_Mask | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
        QCOMPARE(flags & looked, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

        QDialog fixed;
        auto* column = new QVBoxLayout(&fixed);
        column->addWidget(new QLabel("NIP-1 1/4"));
        column->setSizeConstraint(QLayout::SetFixedSize);
        fixed.setWindowTitle(caption);
        QVERIFY(runModal(fixed) > captionWidth + 60);
    }
};

QTEST_MAIN(DataDirectoryTest)
#include "data_directory_test.moc"
