#pragma once
#include "core/print/calibration_files.h"
#include "core/print/page_ids.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CalibrationGrid;
class TestSheet;
class QGroupBox;
class QLabel;
class QPushButton;

// Edits the calibration files of one form family, three files side by
// side: either their margins (a left and a top margin per page, with
// "Lewy" and "Górny" copying the first page's margin to every page) or
// their spacings (one per pair of sections, with "Domyślne" loading the
// installation's defaults). Every opening reads the files; "O&K" writes
// every group whose grid holds integers only, and stays open on the others.
// A file whose content is not all integers is told of and shows the rows
// read before the fault, so that "O&K" writes it anew; one that cannot be
// read at all keeps its group out.
// "Wydruk próbny" prints, "Podgląd próbny" previews, a test sheet of the
// page of the row the operator is on, at the values in the grids, saved or
// not; the sheet never changes a file.
class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    enum class Values { Margins, Spacings };

    // One group: its file, the object names of its box and grid, the box's title.
    struct GroupSetup {
        const calibration::CalibrationFile* file;
        const char* boxName;
        const char* title;
        const char* gridName;
    };
    static constexpr int kGroups = 3;
    using GroupSetups = std::array<GroupSetup, kGroups>;

    QPushButton* kl_ok;
    QPushButton* kl_anuluj;
    QPushButton* kl_probny;  // "&Wydruk próbny"
    QPushButton* kl_podglad; // "&Podgląd próbny"

    Values values() const { return values_; }
    QGroupBox* groupBox(int group) const { return groups_.at(group).box; }
    CalibrationGrid* grid(int group) const { return groups_.at(group).grid; }

    // "Lewy" (value column 0) and "Górny" (1): the first page's text goes
    // unchanged into that column of every other page of the group's grid.
    void copyFirstPage(int group, int valueColumn);
    // "Domyślne": the group's defaults file into its grid; nothing is saved.
    void loadDefaults(int group);
    // Checks that every value cell of the grid holds an integer; at the
    // first that does not, tells the operator so.
    bool gridValid(int group);

    // The group the test sheet is of: the last whose grid had the focus.
    int testSheetGroup() const { return lastGroup_; }
    // The page of the test sheet of the group's current row: a margin row's
    // page; the first page that a spacing row moves. A row that no page
    // uses: the first page of the group's first form.
    PageId testSheetPage(int group) const;

    void kl_okClick();
    void kl_anulujClick();
    void kl_probnyClick();
    void kl_podgladClick();
    void reject() override;

protected:
    CalibrationDialog(Values values, const QString& caption, const GroupSetups& groups, QWidget* parent);

private:
    struct Group {
        const calibration::CalibrationFile* file = nullptr;
        QGroupBox* box = nullptr;
        CalibrationGrid* grid = nullptr;
        QLabel* damaged = nullptr; // shown while the file is damaged
    };

    QGroupBox* makeGroup(int index, const GroupSetup& setup);
    void load(int group);
    void fill(int group, const std::vector<std::int32_t>& rowValues);
    // The grid's values row by row, or nothing (the operator told) when a
    // cell is not an integer.
    std::optional<std::vector<std::int32_t>> gridValues(int group);
    calibration::MarginTable marginTable(int group, const std::vector<std::int32_t>& rowValues) const;
    static calibration::SpacingTable spacingTable(const std::vector<std::int32_t>& rowValues);
    void save(int group, const std::vector<std::int32_t>& rowValues);
    // The test sheet of the last grid used at its values and the saved
    // other values of its form, for a printable area of the size; nothing
    // (the operator told) when a value is not an integer or a file unreadable.
    std::shared_ptr<const TestSheet> testSheet(int widthPixels, int heightPixels);
    void printTestSheet(const TestSheet& sheet);
    void gridLeft(int group, QWidget* next);
    int valuesPerRow() const { return values_ == Values::Margins ? 2 : 1; }

    Values values_;
    std::array<Group, kGroups> groups_;
    bool saving_ = false;
    int lastGroup_ = 0;
};
