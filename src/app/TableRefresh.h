#pragma once
// The desktop program's copies of the four reference tables and of DEFAULTS.KVI, kept in step
// with the working folder while it runs. A file whose stamp differs from the copy in memory
// (another program imported a catalog, copied a table in, edited the defaults) is read again,
// under the lock the table writers take, so a re-read never sees half of a change. A file that
// cannot be read any more keeps the copy read before; each change is told once.

#include "app/AppState.h"
#include "tables/FileStamp.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

enum class WriterWait {
    Moment, // before a command: a writer holding a table's lock is waited for a few seconds
    None    // in passing: a table whose lock is held is left for the next time
};

class TableRefresh {
public:
    // What start-up read counts as read.
    explicit TableRefresh(AppState& state);

    // Reads again each watched file that changed on disk since it was read. Returns what the
    // user is to be told, one line per change ("UNITS.DAT changed on disk: 1,204 units read").
    std::vector<std::string> refresh(WriterWait wait);

    // The files watched, in the working folder.
    std::vector<std::string> watchedPaths() const;

private:
    std::string refreshTable(ReferenceTable which, WriterWait wait);
    std::string refreshDefaults();

    AppState& state_;
    // Per table, the file a re-read failed on (already told); a table absent at start-up
    // starts with the file it was missing as.
    std::array<std::optional<FileStamp>, AllReferenceTables.size()> failed_{};
    FileStamp defaults_; // DEFAULTS.KVI as last read
};
