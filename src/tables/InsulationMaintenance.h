#pragma once
// The working data and actions of the "Add / Edit Insulation" dialogs (TInsulModifyDialog and
// its record edit dialog TInsulAddDialog), without their widgets. While it runs the table is
// read in physical record order: list row r stands for record r + 1.

#include "tables/InsulationTable.h"
#include "tables/Table.h"

#include <cstdint>
#include <string>
#include <vector>

#pragma pack(push, 1)
// The record edit dialog's buffer.
struct TInsulEdit {
    char name[27];  // INSULATION being edited, at most 26 characters and a terminator
    char alignment; // the byte that kept `factor` aligned in the original buffer
    double factor;
    int16_t kFlag; // 1 when "K Factor" is selected
    int16_t uFlag; // 1 when "U Factor" is selected
};
#pragma pack(pop)
static_assert(sizeof(TInsulEdit) == 40);

class InsulationMaintenance {
public:
    // A list row: "%c%26s" (mark '@' for a record marked deleted) and "%6.2f %c".
    using Row = InsulationListRow;

    // Deselects the tag and lists every record in physical order, deleted ones included.
    explicit InsulationMaintenance(Table& insul);

    const std::vector<Row>& rows() const { return rows_; }

    // "&ADD": an empty name, factor 0 and "K Factor" selected.
    static TInsulEdit BlankEdit();

    // OK of the edit dialog after "&ADD": nothing is written unless the factor is above 0 (and
    // at most 120.00) and the name longer than 2 characters; the name's first letter is
    // upper-cased. Returns true when a record and its list row were added.
    bool Add(TInsulEdit edit);

    // "&EDIT": loads the record of `row` into `edit` ('K' selects "K Factor", any other letter
    // "U Factor"). False when there is no such row.
    bool LoadForEdit(int row, TInsulEdit& edit);

    // OK of the edit dialog after "&EDIT": validates as Add does and rewrites the record of
    // `row`. Returns true when it was rewritten and its row replaced.
    bool Edit(int row, TInsulEdit edit);

    // "&D": marks the record of `row` deleted, or recalls it when it is marked.
    bool ToggleDeleted(int row);

    // Closing the list dialog, whatever the button: packs the table (removing the marked
    // records) and selects the tag "INSUL" again. Returns r4success, or the pack's failure with
    // the table's lastError() naming the file and the reason.
    int Close();

private:
    static Row MakeRow(bool deleted, const std::string& name, double factor, char kind);
    bool Validate(TInsulEdit& edit) const;
    bool WriteFields(const TInsulEdit& edit);

    Table& insul_;
    std::vector<Row> rows_;
};
