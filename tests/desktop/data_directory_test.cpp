// Where the program works when started from the desktop menu, and how the
// operator changes it: nothing is created in a directory the operator did
// not choose, and a chosen directory is remembered for the next start.
#include "desktop/app/Tf_rejfor_gl.h"
#include "desktop/app/data_directory.h"
#include "core/app/startup.h"
#include "desktop/widgets/modal_runner.h"
#include "support/ui_test_environment.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSettings>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A scripted directory question: answers `answer` and records where it opened.
struct Question {
    QString answer;
    QStringList openedAt;
    DirectoryQuestion ask()
    {
        return [this](const QString& start) {
            openedAt << start;
            return answer;
        };
    }
};

bool isEmptyDir(const fs::path& dir) { return fs::is_directory(dir) && fs::is_empty(dir); }

QString qpath(const fs::path& p) { return QString::fromStdString(p.string()); }

} // namespace

class DataDirectoryTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        startupNotices() = {};
        root = env->dir.path();
        home = root / "home";
        office = root / "biuro";
        fs::create_directories(home);
        fs::create_directories(office);
        // The window's own settings go to this test's directory, not the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qpath(root / "config"));
        settings = std::make_unique<QSettings>(qpath(root / "settings.ini"), QSettings::IniFormat);
    }
    void cleanup()
    {
        setModalRunner({});
        settings.reset();
        env.reset();
    }

    void aDirectoryWithDataFilesIsUsedWithoutAQuestion()
    {
        for (const char* file : {"konta200.Rdx", "Bank.Rdx", "REJFOR.Rdx", "nipb.Rdx"}) {
            const fs::path dir = root / file;
            fs::create_directories(dir);
            writeBytes((dir / file).string(), {0});
            Question question;
            QCOMPARE(dataDirectoryWithoutArgument(qpath(dir), *settings, question.ask()), qpath(dir));
            QVERIFY(question.openedAt.isEmpty());
        }
        QVERIFY(rememberedDataDirectory(*settings).isEmpty());
    }

    // A cancelled question creates and remembers nothing; a chosen directory
    // is remembered and the next start goes straight to it, unless it is gone.
    void fromTheHomeFolderTheOperatorIsAskedAndTheChoiceRemembered()
    {
        Question cancelled;
        QCOMPARE(dataDirectoryWithoutArgument(qpath(home), *settings, cancelled.ask()), std::nullopt);
        QCOMPARE(cancelled.openedAt, QStringList{qpath(home)});
        QVERIFY(rememberedDataDirectory(*settings).isEmpty());

        Question question{qpath(office), {}};
        QCOMPARE(dataDirectoryWithoutArgument(qpath(home), *settings, question.ask()), qpath(office));
        QCOMPARE(question.openedAt, QStringList{qpath(home)});
        QVERIFY(isEmptyDir(home));
        QSettings reread(qpath(root / "settings.ini"), QSettings::IniFormat);
        Question never;
        QCOMPARE(dataDirectoryWithoutArgument(qpath(home), reread, never.ask()), qpath(office));
        QVERIFY(never.openedAt.isEmpty());

        rememberDataDirectory(*settings, qpath(root / "usunięty"));
        question.openedAt.clear();
        QCOMPARE(dataDirectoryWithoutArgument(qpath(home), *settings, question.ask()), qpath(office));
        QCOMPARE(question.openedAt.size(), 1);
        QCOMPARE(rememberedDataDirectory(*settings), qpath(office));
    }

    void theMainWindowNamesItsDirectoryAndChangesIt()
    {
        fs::current_path(home);
        Tf_rejfor_gl window;
        QVERIFY(window.windowTitle().startsWith("Zgłoszenia NIP/VAT – "));
        QVERIFY(window.windowTitle().endsWith(qpath(home)));
        QCOMPARE(env->messages.shown.size(), std::size_t(1));

        Question cancelled;
        window.askDirectory = cancelled.ask();
        window.findChild<QPushButton*>("b_katalog")->click();
        QCOMPARE(cancelled.openedAt, QStringList{qpath(home)});
        QCOMPARE(fs::current_path(), home);

        Question question{qpath(office), {}};
        window.askDirectory = question.ask();
        window.b_katalog->click();
        QCOMPARE(fs::current_path(), office);
        QVERIFY(window.windowTitle().endsWith(qpath(office)));
        // Start-up ran in the new directory and told its own missing rates again.
        QVERIFY(fs::exists(office / "REJFOR.Rdx") && fs::exists(office / "vat21.Rdx"));
        QCOMPARE(env->messages.shown.size(), std::size_t(2));
        QCOMPARE(env->messages.shown[1].text, std::string("Brak zbioru ze stawkami ryczałtu. Proszę założyć!"));
        QSettings windowSettings(kSettingsName, kSettingsName);
        QCOMPARE(rememberedDataDirectory(windowSettings), qpath(office));
    }

    void modalDialogsCannotBeMinimisedOrMaximised()
    {
        setModalRunner([](QDialog& dialog) {
            const Qt::WindowFlags flags = dialog.windowFlags();
            return flags.testFlag(Qt::WindowMinimizeButtonHint) || flags.testFlag(Qt::WindowMaximizeButtonHint) ||
                           !flags.testFlag(Qt::WindowCloseButtonHint) || !flags.testFlag(Qt::CustomizeWindowHint)
                       ? 0
                       : 1;
        });
        QDialog dialog;
        dialog.setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        QCOMPARE(runModal(dialog), 1);
        QCOMPARE(dialog.windowType(), Qt::Dialog);
    }

    void aNarrowDialogIsWidenedToShowItsWholeCaption()
    {
        setModalRunner([](QDialog& dialog) { return dialog.width(); });
        QDialog narrow;
        narrow.resize(200, 150);
        narrow.setWindowTitle("001 ĆWIKŁA PAWEŁ Wydruk formularza NIP-1");
        QFont bold = narrow.font();
        bold.setBold(true);
        const int caption = QFontMetrics(bold).horizontalAdvance(narrow.windowTitle());
        const int shownWidth = runModal(narrow);
        QVERIFY2(shownWidth > caption + 60, qPrintable(QString("%1 for a caption of %2").arg(shownWidth).arg(caption)));
        QCOMPARE(narrow.height(), 150);

        QDialog wide;
        wide.resize(900, 150);
        wide.setWindowTitle("NIP-1");
        QCOMPARE(runModal(wide), 900);

        // A dialog whose layout fixes its size.
        setModalRunner([](QDialog& dialog) {
            dialog.layout()->activate();
            return dialog.width();
        });
        QDialog fixed;
        auto* column = new QVBoxLayout(&fixed);
        column->addWidget(new QLabel("NIP-1 1/4"));
        column->setSizeConstraint(QLayout::SetFixedSize);
        fixed.setWindowTitle(narrow.windowTitle());
        QVERIFY(runModal(fixed) > caption + 60);
    }

private:
    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<QSettings> settings;
    fs::path root;
    fs::path home;
    fs::path office;
};

QTEST_MAIN(DataDirectoryTest)
#include "data_directory_test.moc"
