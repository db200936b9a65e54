#include "tables/InsulationMaintenance.h"

#include "tables/InsulationTable.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr char DeletedMark = '@';

// The name in the buffer, up to its terminator and never past the buffer.
std::string EditName(const TInsulEdit& edit) {
    const void* nul = std::memchr(edit.name, 0, sizeof edit.name);
    const std::size_t n = nul ? static_cast<const char*>(nul) - edit.name : sizeof edit.name - 1;
    return std::string(edit.name, n);
}

char EditKind(const TInsulEdit& edit) {
    const int16_t k = edit.kFlag;
    const int16_t u = edit.uFlag;
    return k == 0 && u != 0 ? 'U' : 'K';
}

} // namespace

InsulationMaintenance::InsulationMaintenance(Table& insul) : insul_(insul) {
    insul_.d4tagSelect(nullptr);
    for (int rc = insul_.d4top(); rc == r4success; rc = insul_.d4skip(1)) {
        const InsulationRecord record = ReadInsulationRecord(insul_);
        char name[64];
        std::snprintf(name, sizeof name, "%c%26s", insul_.d4deleted() ? DeletedMark : ' ',
                      record.name.c_str());
        rows_.push_back(
            {name, FormatInsulationFactor(record.factor, record.kind), record.factor, record.kind});
    }
}

TInsulEdit InsulationMaintenance::BlankEdit() {
    TInsulEdit edit{};
    edit.factor = 0.0;
    edit.kFlag = 1;
    edit.uFlag = 0;
    return edit;
}

InsulationMaintenance::Row InsulationMaintenance::MakeRow(bool deleted, const std::string& name,
                                                          double factor, char kind) {
    return {std::string(1, deleted ? DeletedMark : ' ') + name,
            FormatInsulationFactor(factor, kind), factor, kind};
}

bool InsulationMaintenance::Validate(TInsulEdit& edit) const {
    edit.name[sizeof edit.name - 1] = '\0';
    const double factor = edit.factor;
    if (!InsulationEntryAcceptable(EditName(edit), factor))
        return false;
    // Stored without the blanks at its ends, as every insulation name is.
    std::string name = EditName(edit);
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    std::memset(edit.name, 0, sizeof edit.name);
    std::memcpy(edit.name, name.data(), name.size());
    if (edit.name[0] >= 'a' && edit.name[0] <= 'z')
        edit.name[0] = static_cast<char>(edit.name[0] - 'a' + 'A');
    return true;
}

bool InsulationMaintenance::WriteFields(const TInsulEdit& edit) {
    return insul_.f4assign("INSULATION", EditName(edit)) == r4success &&
           insul_.f4assignDouble("FACTOR", edit.factor) == r4success &&
           insul_.f4assignChar("KU", EditKind(edit)) == r4success;
}

bool InsulationMaintenance::Add(TInsulEdit edit) {
    if (!Validate(edit))
        return false;
    insul_.d4appendStart(0);
    if (!WriteFields(edit) || insul_.d4append() != r4success)
        return false;
    rows_.push_back(MakeRow(false, EditName(edit), edit.factor, EditKind(edit)));
    return true;
}

bool InsulationMaintenance::LoadForEdit(int row, TInsulEdit& edit) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() ||
        insul_.d4go(row + 1) != r4success)
        return false;
    const InsulationRecord record = ReadInsulationRecord(insul_);
    edit = BlankEdit();
    std::memcpy(edit.name, record.name.data(), std::min(record.name.size(), sizeof edit.name - 1));
    edit.factor = record.factor;
    edit.kFlag = record.kind == 'K' ? 1 : 0;
    edit.uFlag = record.kind == 'K' ? 0 : 1;
    return true;
}

bool InsulationMaintenance::Edit(int row, TInsulEdit edit) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() || !Validate(edit) ||
        insul_.d4go(row + 1) != r4success)
        return false;
    if (!WriteFields(edit) || insul_.d4writeLow(row + 1, 0) != r4success)
        return false;
    // The row keeps showing whether the record is marked, so the list never hides a record
    // that the closing pack will remove.
    rows_[static_cast<std::size_t>(row)] =
        MakeRow(insul_.d4deleted(), EditName(edit), edit.factor, EditKind(edit));
    return true;
}

bool InsulationMaintenance::ToggleDeleted(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() ||
        insul_.d4go(row + 1) != r4success)
        return false;
    const bool deleted = insul_.d4deleted();
    if ((deleted ? insul_.d4recall() : insul_.d4delete()) != r4success)
        return false;
    rows_[static_cast<std::size_t>(row)].name[0] = deleted ? ' ' : DeletedMark;
    return true;
}

int InsulationMaintenance::Close() {
    const int packed = insul_.d4pack();
    insul_.d4tagSelect(insul_.d4tag(InsulTagName));
    insul_.d4top();
    return packed;
}
