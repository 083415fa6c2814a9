#pragma once
#include <QStringList>
#include <QTableWidget>

// The grid of one calibration file: a fixed first column of row labels and
// one or two columns of values edited in place. The current value cell
// always shows its editor while the grid has the focus. Tab leaves the grid,
// Enter and Escape go to the dialog (its default button, its cancel).
class CalibrationGrid : public QTableWidget {
    Q_OBJECT
public:
    // `headers` empty: no header row; else one text per column.
    CalibrationGrid(const QStringList& labels, int valueColumns, const QStringList& headers, QWidget* parent);

    int valueColumns() const { return columnCount() - 1; }
    // Value cells, addressed by row and value column (from 0).
    QString value(int row, int valueColumn) const;
    void setValue(int row, int valueColumn, const QString& text);

    // Puts the text of the cell being edited into the grid.
    void commitEdit();

    // The height that shows `rows` rows (and the header row, if any).
    int heightForRows(int rows) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void editCurrent();
};
