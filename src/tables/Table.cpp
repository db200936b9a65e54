#include "tables/Table.h"

#include "tables/DbfFileHooks.h"
#include "tables/FieldText.h"

#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

constexpr const char* CodePage = "LDID/87"; // Windows ANSI (1252)
constexpr char DeletedMark = '*';
constexpr char LiveMark = ' ';
constexpr int MaxOpenAttempts = 20;

std::string Reason(int error) {
    return std::strerror(error != 0 ? error : EIO);
}

} // namespace

// ---- opening and creating ----

std::unique_ptr<Table> Table::Open(const std::string& path, TableAccess access,
                                   const std::vector<TagDefinition>& tags, std::string& message) {
    std::unique_ptr<Table> table(new Table);
    table->path_ = path;
    table->access_ = access;
    table->tagDefinitions_ = tags;
    if (!table->openHandle(message))
        return nullptr;
    table->d4top();
    return table;
}

bool Table::openHandle(std::string& message) {
    // A writer may rename a new file into place between the header check and the opening; the
    // two then disagree, and both are done again on the new file.
    for (int attempt = 1;; ++attempt) {
        auto layout = ReadDbfLayout(path_, message);
        if (!layout)
            return false;
        layout_ = std::move(*layout);
        SAHooks hooks = DbfFileHooks();
        errno = 0;
        // Changes replace the whole file, so the file itself is only ever read.
        handle_ = DBFOpenLL(DbfHookName(path_).c_str(), "rb", &hooks);
        if (handle_ == nullptr) {
            message = path_ + ": the table cannot be opened: " + Reason(errno);
            return false;
        }
        stamp_ = DbfSnapshotStamp(handle_);
        if (DBFGetRecordCount(handle_) == layout_.recordCount &&
            DBFGetFieldCount(handle_) == static_cast<int>(layout_.fields.size()))
            break;
        DBFClose(handle_);
        handle_ = nullptr;
        if (attempt == MaxOpenAttempts) {
            message = path_ + ": the table's header cannot be read";
            return false;
        }
    }
    count_ = layout_.recordCount;
    record_.assign(static_cast<std::size_t>(layout_.recordLength), ' ');
    recordLoaded_ = false;
    broken_ = false;
    if (!buildTags(message)) {
        DBFClose(handle_);
        handle_ = nullptr;
        return false;
    }
    return true;
}

bool Table::buildTags(std::string& message) {
    const std::string selectedName = selected_ ? selected_->name() : std::string();
    selected_ = nullptr;
    tags_.clear();
    for (const TagDefinition& definition : tagDefinitions_) {
        const int field = d4field(definition.field);
        if (field == 0) {
            message = path_ + ": the table has no field " + definition.field;
            return false;
        }
        tags_.push_back(std::make_unique<TableTag>(
            definition.name, field,
            IsNumericField(layout_.fields[static_cast<std::size_t>(field - 1)])));
        tags_.back()->reserve(static_cast<std::size_t>(count_));
    }
    for (int32_t r = 1; r <= count_ && !tags_.empty(); ++r) {
        const char* tuple = DBFReadTuple(handle_, r - 1);
        if (tuple == nullptr) {
            message = path_ + ": record " + std::to_string(r) + " cannot be read";
            return false;
        }
        const std::string record = RecordFromTuple(tuple, layout_);
        for (auto& tag : tags_) {
            const DbfField& f = layout_.fields[static_cast<std::size_t>(tag->fieldNumber() - 1)];
            const std::string_view text = std::string_view(record).substr(
                static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width));
            if (tag->numeric())
                tag->addNumber(ParseFieldNumber(text), r);
            else
                tag->addText(std::string(text), r);
        }
    }
    TableTag::SortAll(tags_);
    for (auto& tag : tags_) {
        if (tag->name() == selectedName)
            selected_ = tag.get();
    }
    return true;
}

bool Table::Create(const std::string& path, const std::vector<FieldDefinition>& fields,
                   std::string& message) {
    SAHooks hooks = DbfFileHooks();
    errno = 0;
    DBFHandle handle = DBFCreateLL(DbfHookName(path).c_str(), CodePage, &hooks);
    if (handle == nullptr) {
        message = path + ": the table cannot be created: " + Reason(errno);
        return false;
    }
    for (const FieldDefinition& f : fields) {
        if (DBFAddNativeFieldType(handle, f.name, f.type, f.width, f.decimals) < 0) {
            DBFClose(handle);
            message = path + ": field " + f.name + " cannot be created";
            return false;
        }
    }
    DBFUpdateHeader(handle);
    int error = 0;
    const bool failed = DbfIoFailed(handle, error);
    DBFClose(handle);
    if (failed) {
        message = path + ": the table cannot be written: " + Reason(error);
        return false;
    }
    return ReadDbfLayout(path, message).has_value();
}

Table::~Table() {
    if (handle_ != nullptr)
        DBFClose(handle_);
}

// ---- order and position ----

const TableTag* Table::d4tag(std::string_view name) const {
    for (const auto& tag : tags_)
        if (tag->name() == name)
            return tag.get();
    return nullptr;
}

void Table::d4tagSelect(const TableTag* tag) {
    const TableTag* chosen = nullptr;
    for (const auto& own : tags_)
        if (own.get() == tag)
            chosen = tag;
    selected_ = chosen;
    if (!d4eof() && !broken_)
        orderPosition_ = orderPositionOf(recNo_);
}

std::size_t Table::orderSize() const {
    return selected_ ? selected_->size() : static_cast<std::size_t>(count_);
}

std::size_t Table::orderPositionOf(int32_t recNo) const {
    if (selected_ == nullptr)
        return static_cast<std::size_t>(recNo - 1);
    const DbfField& f = layout_.fields[static_cast<std::size_t>(selected_->fieldNumber() - 1)];
    const char* tuple = DBFReadTuple(handle_, recNo - 1);
    if (tuple == nullptr)
        return selected_->size();
    const std::string record = RecordFromTuple(tuple, layout_);
    const std::string_view text = std::string_view(record).substr(
        static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width));
    return selected_->numeric() ? selected_->find(ParseFieldNumber(text), recNo)
                                : selected_->find(text, recNo);
}

void Table::positionAt(std::size_t orderPosition) {
    orderPosition_ = orderPosition;
    recNo_ =
        selected_ ? selected_->recNoAt(orderPosition) : static_cast<int32_t>(orderPosition + 1);
    recordLoaded_ = false;
}

void Table::positionPastEnd() {
    orderPosition_ = orderSize();
    recNo_ = count_ + 1;
    recordLoaded_ = false;
}

int Table::d4top() {
    if (broken_)
        return e4closed;
    if (orderSize() == 0) {
        positionPastEnd();
        return r4eof;
    }
    positionAt(0);
    return r4success;
}

int Table::d4bottom() {
    if (broken_)
        return e4closed;
    if (orderSize() == 0) {
        positionPastEnd();
        return r4eof;
    }
    positionAt(orderSize() - 1);
    return r4success;
}

int Table::d4skip(long count) {
    if (broken_)
        return e4closed;
    const auto size = static_cast<long long>(orderSize());
    const long long from = d4eof() ? size : static_cast<long long>(orderPosition_);
    const long long to = from + count;
    if (to >= size) {
        positionPastEnd();
        return r4eof;
    }
    if (to < 0) {
        d4top();
        return r4bof;
    }
    positionAt(static_cast<std::size_t>(to));
    return r4success;
}

int Table::d4go(int32_t recNo) {
    if (broken_)
        return e4closed;
    if (recNo < 1 || recNo > count_)
        return r4entry;
    const std::size_t position = orderPositionOf(recNo);
    if (position >= orderSize())
        return r4entry;
    orderPosition_ = position;
    recNo_ = recNo;
    recordLoaded_ = false;
    return r4success;
}

int Table::d4seek(std::string_view key) {
    if (broken_)
        return e4closed;
    if (selected_ == nullptr || selected_->numeric())
        return e4tag;
    const DbfField& f = layout_.fields[static_cast<std::size_t>(selected_->fieldNumber() - 1)];
    const std::string padded = FitFieldText(key, f.width);
    const std::size_t at = selected_->lowerBound(padded);
    if (at >= selected_->size()) {
        positionPastEnd();
        return r4eof;
    }
    positionAt(at);
    return selected_->keyEquals(at, std::string_view(padded)) ? r4success : r4after;
}

int Table::d4seekDouble(double value) {
    if (broken_)
        return e4closed;
    if (selected_ == nullptr || !selected_->numeric())
        return e4tag;
    if (std::isnan(value))
        return e4value;
    const std::size_t at = selected_->lowerBound(value);
    if (at >= selected_->size()) {
        positionPastEnd();
        return r4eof;
    }
    positionAt(at);
    return selected_->keyEquals(at, value) ? r4success : r4after;
}

// ---- fields ----

int Table::d4field(std::string_view name) const {
    for (std::size_t i = 0; i < layout_.fields.size(); ++i)
        if (layout_.fields[i].name == name)
            return static_cast<int>(i + 1);
    return 0;
}

void Table::loadRecord() const {
    if (recordLoaded_)
        return;
    const char* tuple = nullptr;
    if (!broken_ && !d4eof())
        tuple = DBFReadTuple(handle_, recNo_ - 1);
    if (tuple != nullptr)
        record_ = RecordFromTuple(tuple, layout_);
    else
        record_.assign(static_cast<std::size_t>(layout_.recordLength), ' ');
    recordLoaded_ = true;
}

std::string Table::f4str(int field) const {
    if (field < 1 || field > d4numFields())
        return {};
    loadRecord();
    const DbfField& f = layout_.fields[static_cast<std::size_t>(field - 1)];
    return record_.substr(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width));
}

char Table::f4char(int field) const {
    if (field < 1 || field > d4numFields())
        return '\0';
    loadRecord();
    return record_[static_cast<std::size_t>(
        layout_.fields[static_cast<std::size_t>(field - 1)].offset)];
}

double Table::f4double(int field) const {
    if (field < 1 || field > d4numFields())
        return 0.0;
    loadRecord();
    const DbfField& f = layout_.fields[static_cast<std::size_t>(field - 1)];
    return ParseFieldNumber(std::string_view(record_).substr(static_cast<std::size_t>(f.offset),
                                                             static_cast<std::size_t>(f.width)));
}

int32_t Table::f4int(int field) const {
    return FieldNumberToInt32(f4double(field));
}

int Table::f4assign(int field, std::string_view text) {
    if (field < 1 || field > d4numFields())
        return e4field;
    loadRecord();
    const DbfField& f = layout_.fields[static_cast<std::size_t>(field - 1)];
    record_.replace(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width),
                    FitFieldText(text, f.width));
    return r4success;
}

int Table::f4assignChar(int field, char c) {
    return f4assign(field, std::string_view(&c, 1));
}

int Table::f4assignDouble(int field, double value) {
    if (field < 1 || field > d4numFields())
        return e4field;
    const DbfField& f = layout_.fields[static_cast<std::size_t>(field - 1)];
    // A number written to a character field is left-aligned.
    std::optional<std::string> text =
        FormatFieldNumber(value, f.width, IsNumericField(f) ? f.decimals : 0);
    if (text && !IsNumericField(f))
        text->erase(0, text->find_first_not_of(' '));
    if (!text)
        return e4value;
    return f4assign(field, *text);
}

// ---- changes ----

bool Table::refuseChange() {
    if (broken_) {
        lastError_ = path_ + ": the table failed earlier and must be opened again";
        return true;
    }
    if (access_ != TableAccess::ReadWrite) {
        lastError_ = path_ + ": the table is open for reading only";
        return true;
    }
    return false;
}

// Reads the file again, keeping the tag order and the position on the same record number.
bool Table::reopen() {
    if (handle_ != nullptr)
        DBFClose(handle_);
    handle_ = nullptr;
    const int32_t recNo = recNo_;
    std::string message;
    if (!openHandle(message)) {
        broken_ = true;
        lastError_ = message;
        return false;
    }
    if (recNo >= 1 && recNo <= count_) {
        recNo_ = recNo;
        orderPosition_ = orderPositionOf(recNo);
        recordLoaded_ = false;
    } else {
        positionPastEnd();
    }
    return true;
}

int Table::d4lockAll() {
    if (refuseChange())
        return broken_ ? e4closed : e4readOnly;
    if (lockDepth_ > 0) {
        ++lockDepth_;
        return r4success;
    }
    std::string why;
    lock_ = FileUpdateLock::Acquire(path_, why);
    if (!lock_) {
        lastError_ = path_ + ": the table cannot be locked for a change: " + why;
        return e4write;
    }
    lockDepth_ = 1;
    // Another process may have changed the file since it was read; the record buffer stays.
    const std::string buffer = record_;
    const bool loaded = recordLoaded_;
    if (!reopen()) {
        d4unlock();
        return e4closed;
    }
    record_ = buffer;
    recordLoaded_ = loaded;
    return r4success;
}

int Table::d4unlock() {
    if (lockDepth_ > 0 && --lockDepth_ == 0)
        lock_.reset();
    return r4success;
}

int Table::replaceFile(const char* what, const std::function<bool(TableFileImage&)>& change) {
    const int locked = d4lockAll();
    if (locked != r4success)
        return locked;
    TableFileImage image;
    std::string why;
    int result = r4success;
    if (!ReadTableFileImage(path_, layout_, image, why)) {
        result = e4write;
    } else if (!change(image)) {
        result = r4entry;
    } else {
        why = ReplaceTableFile(path_, image);
        result = why.empty() ? r4success : e4write;
    }
    if (result == e4write)
        lastError_ = path_ + ": " + what + ": " + why;
    if (result == r4success && !reopen())
        result = e4closed;
    d4unlock();
    return result;
}

int Table::d4appendStart(int) {
    if (broken_)
        return e4closed;
    record_.assign(static_cast<std::size_t>(layout_.recordLength), ' ');
    recordLoaded_ = true;
    return r4success;
}

int Table::d4append() {
    if (refuseChange())
        return broken_ ? e4closed : e4readOnly;
    loadRecord();
    record_[0] = LiveMark;
    const std::string added = record_;
    const int result = replaceFile("adding a record failed", [&added](TableFileImage& image) {
        image.records += added;
        return true;
    });
    if (result != r4success)
        return result;
    d4go(count_);
    record_ = added;
    recordLoaded_ = true;
    return r4success;
}

int Table::d4writeLow(int32_t recNo, int) {
    if (refuseChange())
        return broken_ ? e4closed : e4readOnly;
    if (recNo < 1 || recNo > count_)
        return r4entry;
    loadRecord();
    const std::string after = record_;
    const int result =
        replaceFile("rewriting a record failed", [&after, recNo](TableFileImage& image) {
            if (recNo > image.count())
                return false;
            image.records.replace(static_cast<std::size_t>(recNo - 1) * after.size(), after.size(),
                                  after);
            return true;
        });
    if (result == r4success && recNo == recNo_) {
        record_ = after;
        recordLoaded_ = true;
    }
    return result;
}

namespace {

// Sets the deletion mark of record `recNo` in the image; false when it has no such record.
bool SetMark(TableFileImage& image, int32_t recNo, char mark) {
    if (recNo < 1 || recNo > image.count())
        return false;
    image.records[static_cast<std::size_t>(recNo - 1) *
                  static_cast<std::size_t>(image.recordLength)] = mark;
    return true;
}

} // namespace

int Table::d4delete() {
    if (refuseChange())
        return broken_ ? e4closed : e4readOnly;
    if (d4eof())
        return r4entry;
    const int32_t recNo = recNo_;
    const int result =
        replaceFile("marking a record deleted failed",
                    [recNo](TableFileImage& image) { return SetMark(image, recNo, DeletedMark); });
    if (result == r4success && recordLoaded_)
        record_[0] = DeletedMark;
    return result;
}

int Table::d4recall() {
    if (refuseChange())
        return broken_ ? e4closed : e4readOnly;
    if (d4eof())
        return r4entry;
    const int32_t recNo = recNo_;
    const int result = replaceFile("recalling a record failed", [recNo](TableFileImage& image) {
        return SetMark(image, recNo, LiveMark);
    });
    if (result == r4success && recordLoaded_)
        record_[0] = LiveMark;
    return result;
}

bool Table::d4deleted() const {
    if (broken_ || d4eof())
        return false;
    return DBFIsRecordDeleted(handle_, recNo_ - 1) != 0;
}

// ---- pack ----

int Table::d4pack() {
    if (refuseChange())
        return broken_ ? e4closed : e4readOnly;
    const int result = replaceFile("the table cannot be packed", [](TableFileImage& image) {
        const auto length = static_cast<std::size_t>(image.recordLength);
        std::string kept;
        kept.reserve(image.records.size());
        for (std::size_t at = 0; at < image.records.size(); at += length) {
            if (image.records[at] != DeletedMark)
                kept.append(image.records, at, length);
        }
        image.records = std::move(kept);
        return true;
    });
    if (result == r4success)
        d4top();
    return result;
}
