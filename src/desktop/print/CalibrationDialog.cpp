#include "desktop/print/CalibrationDialog.h"

#include "core/common/modal_result.h"
#include "desktop/widgets/guarded_command.h"
#include "desktop/widgets/ui_messages.h"
#include "desktop/widgets/FocusMoves.h"
#include "core/common/io_error.h"
#include "desktop/widgets/modal_runner.h"
#include "desktop/print/CalibrationGrid.h"
#include "desktop/print/PreviewDialog.h"
#include "desktop/print/PrinterSetup.h"
#include "desktop/print/job_preview.h"
#include "core/print/print_forms.h"
#include "desktop/print/printer_output.h"
#include "desktop/print/qt_printer_device.h"
#include "desktop/print/test_sheet.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {

using calibration::CalibrationFile;

// A spacing grid scrolls beyond this many rows.
constexpr int kVisibleSpacingRows = 16;

std::optional<std::int32_t> integerOf(const QString& text)
{
    static const QRegularExpression integer("^\\s*[+-]?\\d+\\s*$");
    if (!integer.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

QStringList rowLabels(const CalibrationFile& file, const QString& indent)
{
    QStringList labels;
    for (const std::string_view label : file.labels)
        labels << indent + QString::fromUtf8(label.data(), qsizetype(label.size()));
    return labels;
}

// The rows of a file as loaded, value after value.
std::vector<std::int32_t> marginValues(const CalibrationFile& file, const calibration::MarginTable& table)
{
    std::vector<std::int32_t> values;
    for (std::size_t row = 0; row < file.rows(); ++row) {
        values.push_back(table.at(row).left);
        values.push_back(table.at(row).top);
    }
    return values;
}

std::vector<std::int32_t> spacingValues(const CalibrationFile& file, const calibration::SpacingTable& table)
{
    return {table.begin(), table.begin() + std::ptrdiff_t(std::min(file.rows(), table.size()))};
}

QPushButton* groupButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

CalibrationDialog::CalibrationDialog(Values values, const QString& caption, const GroupSetups& groups, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), values_(values)
{
    setWindowTitle(caption);

    auto* groupRow = new QHBoxLayout;
    for (int i = 0; i < kGroups; ++i)
        groupRow->addWidget(makeGroup(i, groups[std::size_t(i)]), 0, Qt::AlignTop);

    kl_ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "O&K", this);
    kl_ok->setObjectName("kl_ok");
    kl_ok->setDefault(true);
    kl_anuluj = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "&Anuluj", this);
    kl_anuluj->setObjectName("kl_anuluj");
    markCancelButton(kl_anuluj);
    kl_probny = new QPushButton(style()->standardIcon(QStyle::SP_FileIcon), "&Wydruk próbny", this);
    kl_probny->setObjectName("kl_probny");
    kl_probny->setAutoDefault(false);
    kl_podglad = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView), "&Podgląd próbny", this);
    kl_podglad->setObjectName("kl_podglad");
    kl_podglad->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(kl_probny);
    buttons->addWidget(kl_podglad);
    buttons->addStretch();
    buttons->addWidget(kl_ok);
    buttons->addWidget(kl_anuluj);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groupRow);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(kl_ok, &QPushButton::clicked, this, &CalibrationDialog::kl_okClick);
    connect(kl_anuluj, &QPushButton::clicked, this, &CalibrationDialog::kl_anulujClick);
    connect(kl_probny, &QPushButton::clicked, this, &CalibrationDialog::kl_probnyClick);
    connect(kl_podglad, &QPushButton::clicked, this, &CalibrationDialog::kl_podgladClick);

    for (int i = 0; i < kGroups; ++i)
        load(i);
    grid(0)->setFocus();
}

QGroupBox* CalibrationDialog::makeGroup(int index, const GroupSetup& setup)
{
    const bool margins = values_ == Values::Margins;
    const QString suffix = QString(setup.gridName).mid(3); // "sg_nip1" -> "nip1"
    auto* box = new QGroupBox(setup.title, this);
    box->setObjectName(setup.boxName);
    auto* grid = margins ? new CalibrationGrid(rowLabels(*setup.file, " "), 2, {"  strona", "  lewy", "  górny"}, box)
                         : new CalibrationGrid(rowLabels(*setup.file, ""), 1, {}, box);
    grid->setObjectName(setup.gridName);
    const int rows = margins ? grid->rowCount() : std::min(grid->rowCount(), kVisibleSpacingRows);
    grid->setFixedHeight(grid->heightForRows(rows));
    int width = 2 * grid->frameWidth();
    for (int column = 0; column < grid->columnCount(); ++column)
        width += grid->columnWidth(column);
    if (!margins) {
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        width += grid->verticalScrollBar()->sizeHint().width();
    }
    grid->setFixedWidth(width);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* damaged = new QLabel(QString("Plik %1 jest uszkodzony: widać wiersze, które dało się odczytać, pozostałe "
                                       "to zera. Przycisk OK zapisze plik od nowa.")
                                   .arg(QString::fromStdString(setup.file->fileName())),
                               box);
    damaged->setObjectName("e_uszk_" + suffix);
    damaged->setWordWrap(true);
    damaged->setMaximumWidth(width);
    damaged->hide();

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(damaged);
    if (margins) {
        auto* heading = new QLabel("Marginesy:", box);
        heading->setObjectName("e_marg_" + suffix);
        auto* firstPage = new QLabel("Ustaw margines pierwszej strony dla wszystkich stron:", box);
        firstPage->setObjectName("e_ustaw_" + suffix);
        firstPage->setWordWrap(true);
        firstPage->setMaximumWidth(width);
        auto* left = groupButton("Lewy", "kl_lewy_" + suffix, box);
        auto* top = groupButton("Górny", "kl_gorny_" + suffix, box);
        connect(left, &QPushButton::clicked, this, [this, index] { copyFirstPage(index, 0); });
        connect(top, &QPushButton::clicked, this, [this, index] { copyFirstPage(index, 1); });
        auto* copyButtons = new QHBoxLayout;
        copyButtons->addWidget(left);
        copyButtons->addWidget(top);
        layout->addWidget(heading);
        layout->addWidget(grid);
        layout->addWidget(firstPage);
        layout->addLayout(copyButtons);
    } else {
        auto* defaults = groupButton("Domyślne", "kl_domyslne_" + suffix, box);
        connect(defaults, &QPushButton::clicked, this, [this, index] { loadDefaults(index); });
        layout->addWidget(grid);
        layout->addWidget(defaults, 0, Qt::AlignLeft);
    }

    auto* leaving = new FocusScope(grid);
    leaving->onEnter = [this, index] { lastGroup_ = index; };
    leaving->onLeave = [this, index](QWidget* next) { gridLeft(index, next); };
    groups_.at(std::size_t(index)) = {setup.file, box, grid, damaged};
    return box;
}

void CalibrationDialog::fill(int group, const std::vector<std::int32_t>& rowValues)
{
    CalibrationGrid* g = grid(group);
    const int perRow = valuesPerRow();
    for (int row = 0; row < g->rowCount(); ++row)
        for (int column = 0; column < perRow; ++column)
            g->setValue(row, column, QString::number(rowValues.at(std::size_t(row * perRow + column))));
}

void CalibrationDialog::load(int group)
{
    const Group& g = groups_.at(std::size_t(group));
    std::optional<IoError> damage;
    const bool loaded = runGuarded([&] {
        fill(group, values_ == Values::Margins ? marginValues(*g.file, calibration::loadMargins(*g.file, damage))
                                               : spacingValues(*g.file, calibration::loadSpacings(*g.file, damage)));
    });
    // A file that cannot be read stays as it is: its group is not offered.
    if (!loaded)
        groupBox(group)->setEnabled(false);
    // A damaged one would stop every print job of its forms: the operator
    // sees what could be read and saves it whole.
    if (damage) {
        UiMessages::current().error(damage->what());
        g.damaged->show();
    }
}

void CalibrationDialog::copyFirstPage(int group, int valueColumn)
{
    CalibrationGrid* g = grid(group);
    g->commitEdit();
    const QString first = g->value(0, valueColumn);
    for (int row = 1; row < g->rowCount(); ++row)
        g->setValue(row, valueColumn, first);
}

void CalibrationDialog::loadDefaults(int group)
{
    const CalibrationFile& file = *groups_.at(std::size_t(group)).file;
    runGuarded([&] { fill(group, spacingValues(file, calibration::loadSpacingDefaults(file))); });
}

std::optional<std::vector<std::int32_t>> CalibrationDialog::gridValues(int group)
{
    CalibrationGrid* g = grid(group);
    g->commitEdit();
    std::vector<std::int32_t> values;
    for (int row = 0; row < g->rowCount(); ++row) {
        for (int column = 0; column < valuesPerRow(); ++column) {
            const std::optional<std::int32_t> value = integerOf(g->value(row, column));
            if (!value) {
                UiMessages::current().inform(values_ == Values::Margins ? "Marginesy muszą być liczbami całkowitymi!"
                                                                        : "Odstępy muszą być liczbami całkowitymi!");
                return std::nullopt;
            }
            values.push_back(*value);
        }
    }
    return values;
}

bool CalibrationDialog::gridValid(int group) { return gridValues(group).has_value(); }

calibration::MarginTable CalibrationDialog::marginTable(int group, const std::vector<std::int32_t>& rowValues) const
{
    calibration::MarginTable table{};
    for (std::size_t row = 0; row < groups_.at(std::size_t(group)).file->rows(); ++row)
        table.at(row) = {rowValues.at(2 * row), rowValues.at(2 * row + 1)};
    return table;
}

calibration::SpacingTable CalibrationDialog::spacingTable(const std::vector<std::int32_t>& rowValues)
{
    calibration::SpacingTable table{};
    std::copy(rowValues.begin(), rowValues.end(), table.begin());
    return table;
}

void CalibrationDialog::save(int group, const std::vector<std::int32_t>& rowValues)
{
    const CalibrationFile& file = *groups_.at(std::size_t(group)).file;
    if (values_ == Values::Margins)
        calibration::saveMargins(file, marginTable(group, rowValues));
    else
        calibration::saveSpacings(file, spacingTable(rowValues));
}

void CalibrationDialog::gridLeft(int group, QWidget* next)
{
    // "O&K" and the test sheet check the grid themselves; "&Anuluj" drops what was typed.
    if (saving_ || next == kl_ok || next == kl_probny || next == kl_podglad || isCancelButton(next)
        || gridValid(group))
        return;
    // Not from inside the focus change itself: the move has to finish first.
    QTimer::singleShot(0, grid(group), [g = grid(group)] { g->setFocus(Qt::OtherFocusReason); });
}

void CalibrationDialog::kl_okClick()
{
    saving_ = true;
    CalibrationGrid* invalid = nullptr;
    bool allSaved = true;
    for (int i = 0; i < kGroups; ++i) {
        if (!groupBox(i)->isEnabled())
            continue;
        if (const std::optional<std::vector<std::int32_t>> values = gridValues(i)) {
            const bool saved = runGuarded([&] { save(i, *values); });
            if (saved)
                groups_.at(std::size_t(i)).damaged->hide();
            allSaved = saved && allSaved;
        } else if (!invalid)
            invalid = grid(i);
    }
    if (invalid)
        invalid->setFocus(Qt::OtherFocusReason);
    saving_ = false;
    // A grid to correct or a file that could not be written keeps the dialog open.
    if (!invalid && allSaved)
        done(kModalOk);
}

void CalibrationDialog::kl_anulujClick() { done(kModalCancel); }

void CalibrationDialog::reject() { kl_anulujClick(); }

PageId CalibrationDialog::testSheetPage(int group) const
{
    const CalibrationFile* file = groups_.at(std::size_t(group)).file;
    const bool margins = values_ == Values::Margins;
    const std::size_t row = std::size_t(std::max(0, grid(group)->currentRow()));
    auto groupForm = [&](const PrintForm& form) { return &(margins ? form.margins : form.spacings) == file; };
    auto rowOfPage = [&](PageId page) {
        return margins ? printedPage(page).marginPair == row + 1 : spacingMovesPage(page, row);
    };
    for (const PrintForm& form : printForms())
        if (groupForm(form))
            for (const PageBoxEntry& box : form.boxes)
                if (rowOfPage(box.page))
                    return box.page;
    for (const PrintForm& form : printForms())
        if (groupForm(form))
            return form.boxes.front().page;
    throw std::logic_error("no form prints with the calibration file");
}

std::shared_ptr<const TestSheet> CalibrationDialog::testSheet(int widthPixels, int heightPixels)
{
    const int group = lastGroup_;
    if (!groupBox(group)->isEnabled())
        return nullptr;
    const std::optional<std::vector<std::int32_t>> values = gridValues(group);
    if (!values) {
        grid(group)->setFocus(Qt::OtherFocusReason);
        return nullptr;
    }
    std::shared_ptr<const TestSheet> sheet;
    runGuarded([&] {
        const PageId page = testSheetPage(group);
        const PrintForm& form = printFormOf(page);
        const bool margins = values_ == Values::Margins;
        sheet = std::make_shared<const TestSheet>(page, widthPixels, heightPixels,
            margins ? marginTable(group, *values) : calibration::loadMargins(form.margins),
            margins ? calibration::loadSpacings(form.spacings) : spacingTable(*values));
    });
    return sheet;
}

void CalibrationDialog::printTestSheet(const TestSheet& sheet)
{
    // Plain paper, no sheet to insert: the operator holds it against the form.
    if (!PrinterSetup::current().readyToPrint(this))
        return;
    runGuarded([&] {
        printOnChosenPrinter([&](QtPrinterDevice& device) {
            device.beginDocument("Wydruk próbny " + sheet.label());
            sheet.draw(device.painter());
            if (!device.endDocument())
                throw PrinterError("Drukarka nie zakończyła wydruku strony próbnej.");
            return true;
        });
    });
}

void CalibrationDialog::kl_probnyClick()
{
    const QRect printable = printablePixels(PrinterSetup::current().printer());
    if (const std::shared_ptr<const TestSheet> sheet = testSheet(printable.width(), printable.height()))
        printTestSheet(*sheet);
}

void CalibrationDialog::kl_podgladClick()
{
    const QPrinter& printer = PrinterSetup::current().printer();
    const QRect printable = printablePixels(printer);
    const std::shared_ptr<const TestSheet> sheet = testSheet(printable.width(), printable.height());
    if (!sheet)
        return;
    PreviewSource source = emptyPreview(printer);
    source.sheets.push_back({sheet->label(), [sheet](QPainter& painter) { sheet->draw(painter); }});
    source.print = [this, sheet] { printTestSheet(*sheet); };
    PreviewDialog preview(std::move(source), this);
    runModal(preview);
}
