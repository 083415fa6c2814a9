#include "desktop/widgets/StringGrid.h"

#include <QHeaderView>
#include <QtTest>

class CommonWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void gridShowsSortsAndKeepsItsWidthsAndSelection()
    {
        StringGrid grid;
        grid.setColumnWidths({50, 423, 144});
        RowTable table;
        table.rows = {{"Konto", "Nazwa"}, {"003", "Nowak"}, {"001", "\xa3ukasz"}, {"002", "Kowalski"}};
        table.selectedRow = 2;
        grid.setTable(table);
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QString("Nazwa"));
        QCOMPARE(grid.model()->data(grid.model()->index(1, 1)).toString(), QString("Łukasz"));
        grid.sortRows(0, false);
        QCOMPARE(grid.cell(1, 0), std::string("003"));
        QCOMPARE(grid.selectedRow(), 3);
        QCOMPARE(grid.horizontalHeader()->sectionSize(1), 423); // widths survive the reordering
        grid.setSelectedRow(0); // the header is never selected
        QCOMPARE(grid.selectedRow(), -1);
    }
};

QTEST_MAIN(CommonWidgetsTest)
#include "common_widgets_test.moc"
