#include "desktop/widgets/MaskedEdit.h"
#include "desktop/widgets/StringGrid.h"
#include "desktop/widgets/WindowActivation.h"

#include <QClipboard>
#include <QDialog>
#include <QHeaderView>
#include <QMouseEvent>
#include <QtTest>

class CommonWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    // The texts themselves are the mask model's (edit_mask_test); here the
    // keys reach it.
    void maskedEditTypingOverwritesAndBackspaceBlanks()
    {
        MaskedEdit date("99/99/9999;1;_");
        QCOMPARE(date.maxLength(), 10);
        QTest::keyClicks(&date, "05x12-2004");
        QCOMPARE(date.editText(), QString("05-12-2004"));
        QCOMPARE(date.cursorPosition(), 10);
        QTest::keyClick(&date, Qt::Key_Backspace);
        QTest::keyClick(&date, Qt::Key_Backspace);
        QTest::keyClick(&date, Qt::Key_Home);
        QTest::keyClick(&date, Qt::Key_Delete);
        QCOMPARE(date.text(), QString(" 5-12-20  "));
        QTest::keyClick(&date, Qt::Key_Z, Qt::ControlModifier); // undo must not bring back a raw text
        QCOMPARE(date.editText(), QString("_5-12-20__"));
        date.selectAll();
        QTest::keyClicks(&date, "3");
        QCOMPARE(date.editText(), QString("3_-__-____"));
        date.clear();
        QCOMPARE(date.editText(), QString("__-__-____"));
    }

    void maskedEditPastesThroughTheMaskAndKeepsItsTextUnderANewOne()
    {
        MaskedEdit eu(">AA#############;1;_");
        QGuiApplication::clipboard()->setText("de123.456");
        QTest::keyClick(&eu, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(eu.editText(), QString("DE123456_______")); // the point is refused

        MaskedEdit pesel("999999999;1;_");
        pesel.setText("123456789");
        pesel.setEditMask("99999999999;1;_");
        QCOMPARE(pesel.editText(), QString("123456789__"));
        QCOMPARE(pesel.maxLength(), 11);
        pesel.setEditMask("");
        QTest::keyClicks(&pesel, "ab");
        QCOMPARE(pesel.text(), QString("123456789  ab"));
    }

    // A 14-digit mask that also takes 9 digits: the five last positions
    // show only once a tenth digit is typed, and are read back only then.
    void aMaskWithAShorterEntryShowsTheLongerOneWhenTyped()
    {
        MaskedEdit regon("99999999999999;1;_");
        regon.setShortestLength(9);
        QCOMPARE(regon.editText(), QString(9, '_'));
        QCOMPARE(regon.text(), QString(9, ' '));
        QTest::keyClicks(&regon, "12345678");
        QCOMPARE(regon.text(), QString("12345678 "));
        QTest::keyClicks(&regon, "90");
        QCOMPARE(regon.editText(), QString("1234567890"));
        QCOMPARE(regon.cursorPosition(), 10);
        QTest::keyClicks(&regon, "12345");
        QCOMPARE(regon.text(), QString("12345678901234"));
        QTest::keyClick(&regon, Qt::Key_Backspace);
        QTest::keyClick(&regon, Qt::Key_Backspace);
        QCOMPARE(regon.text(), QString("123456789012"));
        regon.setText("123456789     ");
        QCOMPARE(regon.text(), QString("123456789"));
        QCOMPARE(regon.maxLength(), 14);
    }

    void gridShowsSortsAndKeepsItsWidthsAndHeaderCursor()
    {
        StringGrid grid;
        grid.setColumnWidths({50, 423, 144});
        RowTable table;
        table.rows = {{"Konto", "Nazwa", "NIP"}, {"003", "Nowak", ""}, {"001", "\xa3ukasz", ""}, {"002", "Kowalski", ""}};
        table.selectedRow = 2;
        grid.setTable(table);
        QCOMPARE(grid.rowCount(), 4);
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QString("Nazwa"));
        QCOMPARE(grid.model()->data(grid.model()->index(1, 1)).toString(), QString("Łukasz"));
        QCOMPARE(grid.cell(9, 0), std::string());
        grid.sortRows(0, false);
        QCOMPARE(grid.cell(1, 0), std::string("003"));
        QCOMPARE(grid.selectedRow(), 3);
        QCOMPARE(grid.horizontalHeader()->sectionSize(1), 423); // widths survive the reordering
        grid.setSelectedRow(0); // the header is never selected
        QCOMPARE(grid.selectedRow(), -1);

        const QCursor sortCursor(Qt::CrossCursor);
        grid.setHeaderCursor(&sortCursor, 2);
        QWidget* header = grid.horizontalHeader()->viewport();
        const auto cursorAt = [header](int x) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), header->mapToGlobal(QPointF(x, 5)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(header, &move);
            return header->cursor().shape();
        };
        QCOMPARE(cursorAt(60), Qt::CrossCursor); // "Nazwa"
        QCOMPARE(cursorAt(500), Qt::ArrowCursor); // "NIP"
        grid.setHeaderCursor(nullptr, 2); // no cursor file
        QCOMPARE(cursorAt(10), Qt::ArrowCursor);
    }

    // Runs on showing and on coming back from another program, not when a
    // message box of the program closes over the window.
    void activationRunsOnShowAndOnComingBack()
    {
        QDialog window;
        int runs = 0;
        new WindowActivation(&window, [&runs] { ++runs; });
        QEvent activate(QEvent::WindowActivate);
        window.show();
        QCoreApplication::sendEvent(&window, &activate);
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(runs, 1);
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(runs, 2);
        window.hide();
        window.show();
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(runs, 3);
    }
};

QTEST_MAIN(CommonWidgetsTest)
#include "common_widgets_test.moc"
