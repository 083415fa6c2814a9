#include "desktop/print/CalibrationGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int kRowHeight = 20;
constexpr int kCellPadding = 14;

// Keys that close the dialog (its default button, its cancel).
bool isClosingKey(int key) { return key == Qt::Key_Escape || key == Qt::Key_Enter || key == Qt::Key_Return; }

// Keys that the grid hands on: the closing ones and Tab, which leaves it.
bool isDialogKey(int key) { return isClosingKey(key) || key == Qt::Key_Tab || key == Qt::Key_Backtab; }

// The cell editor keeps its text and hands the keys that leave the grid or
// close the dialog to the grid, instead of moving to the next cell or
// dropping the edit.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(QAbstractItemView* view) : QStyledItemDelegate(view), view_(view) { }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (isDialogKey(key->key())) {
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                QKeyEvent forwarded(key->type(), key->key(), key->modifiers(), key->text());
                QApplication::sendEvent(view_, &forwarded);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    QAbstractItemView* view_;
};

} // namespace

CalibrationGrid::CalibrationGrid(
    const QStringList& labels, int valueColumns, const QStringList& headers, QWidget* parent)
    : QTableWidget(int(labels.size()), valueColumns + 1, parent)
{
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionMode(NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    if (headers.isEmpty())
        horizontalHeader()->hide();
    else
        setHorizontalHeaderLabels(headers);

    int labelWidth = 0;
    for (int row = 0; row < labels.size(); ++row) {
        auto* label = new QTableWidgetItem(labels[row]);
        label->setFlags(Qt::ItemIsEnabled);
        label->setBackground(palette().button());
        setItem(row, 0, label);
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(labels[row]));
        for (int column = 1; column <= valueColumns; ++column)
            setItem(row, column, new QTableWidgetItem);
    }
    for (const QString& header : headers)
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(header));
    setColumnWidth(0, labelWidth + kCellPadding);
    for (int column = 1; column <= valueColumns; ++column)
        setColumnWidth(column, std::max(fontMetrics().horizontalAdvance("-99999"),
                                   headers.isEmpty() ? 0 : fontMetrics().horizontalAdvance(headers[column]))
                + kCellPadding);
    if (rowCount() > 0)
        setCurrentCell(0, 1);
}

QString CalibrationGrid::value(int row, int valueColumn) const
{
    const QTableWidgetItem* cell = item(row, valueColumn + 1);
    return cell ? cell->text() : QString();
}

void CalibrationGrid::setValue(int row, int valueColumn, const QString& text)
{
    item(row, valueColumn + 1)->setText(text);
}

void CalibrationGrid::commitEdit()
{
    if (QWidget* editor = indexWidget(currentIndex()))
        commitData(editor);
}

int CalibrationGrid::heightForRows(int rows) const
{
    const int header = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sizeHint().height();
    return header + rows * kRowHeight + 2 * frameWidth();
}

void CalibrationGrid::editCurrent()
{
    if (state() != EditingState && currentIndex().isValid())
        edit(currentIndex());
}

void CalibrationGrid::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    editCurrent();
}

void CalibrationGrid::keyPressEvent(QKeyEvent* event)
{
    if (isClosingKey(event->key())) {
        event->ignore();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CalibrationGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableWidget::currentChanged(current, previous);
    // The label column is fixed: the cursor stays in the values.
    if (current.isValid() && current.column() == 0) {
        setCurrentCell(current.row(), 1);
        return;
    }
    if (hasFocus())
        editCurrent();
}
