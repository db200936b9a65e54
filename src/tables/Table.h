#pragma once
// A dBASE table file read and written through shapelib, offering the xBase operations the
// program relies on under their familiar names: positioning (d4top, d4skip, d4go, d4seek,
// d4seekDouble), the record buffer (f4str ... f4assign ...), appends, rewrites, deletion marks
// and pack. Tags are in-memory indexes built when the table is opened and kept current on every
// change, so no index file exists that could go stale.
//
// The table is always positioned on a record or past the last one. Field reads and assignments
// work on the record buffer, which holds the current record; a change reaches the file only
// through d4append or d4writeLow, and moving to another record discards unsaved assignments.
//
// Every change (append, rewrite, deletion mark, pack) writes a new file beside the old one,
// flushes it, checks it and renames it over the old one, under an advisory lock on the file that
// every writer takes; the table is read again under that lock first, so a change made by another
// process meanwhile is kept. Whenever a writer stops, the file is the old table or the new one.

#include "tables/DbfLayout.h"
#include "tables/FileStamp.h"
#include "tables/TableFileImage.h"
#include "tables/TableResult.h"
#include "tables/TableTag.h"

#include "job/SafeWriteLock.h"

#include <shapefil.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class TableAccess { ReadOnly, ReadWrite };

struct FieldDefinition {
    const char* name;
    char type; // 'C' character or 'N' numeric
    int width;
    int decimals;
};

struct TagDefinition {
    const char* name;
    const char* field; // the tag orders the records by this field
};

class Table {
public:
    // Checks the file and opens it; builds the tags. On failure returns nullptr and a message
    // naming the file and the reason.
    static std::unique_ptr<Table> Open(const std::string& path, TableAccess access,
                                       const std::vector<TagDefinition>& tags,
                                       std::string& message);

    // Creates (or truncates) `path` as an empty table with the given fields.
    static bool Create(const std::string& path, const std::vector<FieldDefinition>& fields,
                       std::string& message);

    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& path() const { return path_; }
    const std::vector<DbfField>& fields() const { return layout_.fields; }
    // Why the last refused change failed, naming the file.
    const std::string& lastError() const { return lastError_; }
    // The file the table was last read from (at opening, or again for a change): a file whose
    // stamp now differs was changed on disk since.
    const FileStamp& fileStamp() const { return stamp_; }

    // Order: a tag by name (nullptr when the table has none), and the tag that orders the
    // positioning operations (nullptr: physical record order).
    const TableTag* d4tag(std::string_view name) const;
    void d4tagSelect(const TableTag* tag);
    const TableTag* d4tagSelected() const { return selected_; }

    int d4top();
    int d4bottom();
    int d4skip(long count = 1);
    int d4go(int32_t recNo);
    int32_t d4recNo() const { return recNo_; } // record count + 1 past the last record
    int32_t d4recCountDo() const { return count_; }
    bool d4eof() const { return recNo_ > count_; }
    int d4seek(std::string_view key);
    int d4seekDouble(double value);

    // Field number from 1, or 0 when the table has no such field.
    int d4field(std::string_view name) const;
    int d4numFields() const { return static_cast<int>(layout_.fields.size()); }

    // The current record's fields: the raw blank-padded text of the field's full width, its
    // first character, or its number (0 when blank or not a number). Past the last record every
    // field is blank.
    std::string f4str(int field) const;
    std::string f4str(std::string_view name) const { return f4str(d4field(name)); }
    char f4char(int field) const;
    char f4char(std::string_view name) const { return f4char(d4field(name)); }
    double f4double(int field) const;
    double f4double(std::string_view name) const { return f4double(d4field(name)); }
    int32_t f4int(int field) const;
    int32_t f4int(std::string_view name) const { return f4int(d4field(name)); }
    int32_t f4long(int field) const { return f4int(field); }
    int32_t f4long(std::string_view name) const { return f4int(d4field(name)); }

    // Assignments to the record buffer. Text is cut to the field; a number that does not fit
    // the field's width is refused (e4value) and leaves the field as it was.
    int f4assign(int field, std::string_view text);
    int f4assign(std::string_view name, std::string_view text) {
        return f4assign(d4field(name), text);
    }
    int f4assignChar(int field, char c);
    int f4assignChar(std::string_view name, char c) { return f4assignChar(d4field(name), c); }
    int f4assignDouble(int field, double value);
    int f4assignDouble(std::string_view name, double value) {
        return f4assignDouble(d4field(name), value);
    }
    int f4assignInt(int field, int32_t value) { return f4assignDouble(field, value); }
    int f4assignInt(std::string_view name, int32_t value) {
        return f4assignDouble(d4field(name), value);
    }
    int f4assignLong(int field, int32_t value) { return f4assignDouble(field, value); }

    // Blank record buffer for a new record; d4append adds it and makes it current.
    int d4appendStart(int useMemoEntries = 0);
    int d4append();
    // Writes the record buffer over record `recNo`.
    int d4writeLow(int32_t recNo, int unlock = 0);
    int d4delete();
    int d4recall();
    bool d4deleted() const;
    // Removes the records marked deleted: writes a new file beside the old one and renames it
    // over it. On failure the old file is intact and lastError() says why.
    int d4pack();

    // Holds the update lock across several operations (a seek and the append it decides on), and
    // reads the table again from its file when the lock is first taken. Nested calls count; each
    // d4lockAll that succeeded needs a d4unlock.
    int d4lockAll();
    int d4unlock();

private:
    Table() = default;

    bool openHandle(std::string& message);
    bool buildTags(std::string& message);
    void positionAt(std::size_t orderPosition);
    void positionPastEnd();
    std::size_t orderSize() const;
    std::size_t orderPositionOf(int32_t recNo) const;
    void loadRecord() const;
    bool refuseChange();
    bool reopen();
    // Reads the file under the lock, lets `change` edit its records (false: no such record) and
    // replaces the file with the result; `what` names the change in a failure's message.
    int replaceFile(const char* what, const std::function<bool(TableFileImage&)>& change);

    std::string path_;
    DbfLayout layout_;
    TableAccess access_ = TableAccess::ReadOnly;
    DBFHandle handle_ = nullptr;
    FileStamp stamp_;
    bool broken_ = false;
    int32_t count_ = 0;

    std::vector<TagDefinition> tagDefinitions_;
    std::vector<std::unique_ptr<TableTag>> tags_;
    const TableTag* selected_ = nullptr;

    int32_t recNo_ = 1;
    std::size_t orderPosition_ = 0;
    mutable std::string record_;
    mutable bool recordLoaded_ = false;

    std::string lastError_;
    std::unique_ptr<FileUpdateLock> lock_;
    int lockDepth_ = 0;
};
