#include "app/TableRefresh.h"

#include "app/NumberText.h"
#include "job/DefaultsFile.h"
#include "job/SafeWrite.h"
#include "job/SafeWriteLock.h"

#include <chrono>
#include <cstring>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

// How long a command waits for another program to finish changing a table (an import of a
// maker's catalog takes a few seconds), and how often it looks.
constexpr auto WriterPatience = std::chrono::seconds(5);
constexpr auto WriterPoll = std::chrono::milliseconds(50);

struct RecordNoun {
    const char* one;
    const char* many;
};

RecordNoun NounOf(ReferenceTable which) {
    switch (which) {
    case ReferenceTable::Insul:
        return {"insulation", "insulations"};
    case ReferenceTable::Product:
        return {"product", "products"};
    case ReferenceTable::Units:
        return {"unit", "units"};
    case ReferenceTable::Coils:
        break;
    }
    return {"coil", "coils"};
}

std::string Count(long long count, RecordNoun noun) {
    return WithThousands(count) + ' ' + (count == 1 ? noun.one : noun.many);
}

// Records not marked deleted; leaves the table at its top.
long long LiveRecords(Table& table) {
    long long live = 0;
    for (int32_t r = 1; r <= table.d4recCountDo(); ++r) {
        table.d4go(r);
        if (!table.d4deleted())
            ++live;
    }
    table.d4top();
    return live;
}

// A table's message names its file first; the notice names the table itself.
std::string Reason(const std::string& message, const std::string& path) {
    const std::string prefix = path + ": ";
    return message.starts_with(prefix) ? message.substr(prefix.size()) : message;
}

// The writers' lock on a table that can be read, or nullptr when there is nothing to lock (the
// opening then says what is wrong). `busy` tells that another program kept holding it.
std::unique_ptr<FileUpdateLock> LockForReading(const std::string& path, WriterWait wait,
                                               bool& busy) {
    busy = false;
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return nullptr;
    ::close(fd);
    const auto giveUp = std::chrono::steady_clock::now() + WriterPatience;
    for (;;) {
        std::string why;
        std::unique_ptr<FileUpdateLock> lock = FileUpdateLock::Acquire(path, why, LockWait::Refuse);
        if (lock)
            return lock;
        if (wait == WriterWait::None || std::chrono::steady_clock::now() >= giveUp) {
            busy = true;
            return nullptr;
        }
        std::this_thread::sleep_for(WriterPoll);
    }
}

} // namespace

TableRefresh::TableRefresh(AppState& state) : state_(state) {
    for (const ReferenceTable which : AllReferenceTables) {
        if (state_.tables.get(which) == nullptr)
            failed_[static_cast<std::size_t>(which)] =
                StampOf(state_.pathOf(SchemaOf(which).fileName));
    }
    defaults_ = StampOf(state_.pathOf(DefaultsFileName));
}

std::vector<std::string> TableRefresh::watchedPaths() const {
    std::vector<std::string> paths;
    for (const ReferenceTable which : AllReferenceTables)
        paths.push_back(state_.pathOf(SchemaOf(which).fileName));
    paths.push_back(state_.pathOf(DefaultsFileName));
    return paths;
}

std::vector<std::string> TableRefresh::refresh(WriterWait wait) {
    std::vector<std::string> notices;
    for (const ReferenceTable which : AllReferenceTables) {
        if (std::string notice = refreshTable(which, wait); !notice.empty())
            notices.push_back(std::move(notice));
    }
    if (std::string notice = refreshDefaults(); !notice.empty())
        notices.push_back(std::move(notice));
    return notices;
}

std::string TableRefresh::refreshTable(ReferenceTable which, WriterWait wait) {
    const char* name = SchemaOf(which).fileName;
    const std::string path = state_.pathOf(name);
    std::optional<FileStamp>& failed = failed_[static_cast<std::size_t>(which)];
    Table* held = state_.tables.get(which);
    const FileStamp now = StampOf(path);
    if ((held != nullptr && now == held->fileStamp()) || now == failed)
        return {};

    bool busy = false;
    std::unique_ptr<FileUpdateLock> lock = LockForReading(path, wait, busy);
    if (busy) {
        if (wait == WriterWait::None)
            return {}; // looked at again before the next command
        return std::string(name) + " is being changed by another program: the " +
               NounOf(which).many + " read before are used until it is done";
    }
    std::string message;
    std::unique_ptr<Table> table = OpenReferenceTable(state_.folder, which, message);
    lock.reset();

    if (table) {
        const long long live = LiveRecords(*table);
        state_.tables.slot(which) = std::move(table);
        state_.tables.problem(which).clear();
        failed.reset();
        return std::string(name) + " changed on disk: " + Count(live, NounOf(which)) + " read";
    }
    failed = now;
    if (held == nullptr) {
        state_.tables.problem(which) = message;
        return message;
    }
    const std::string kept =
        ": the " + Count(LiveRecords(*held), NounOf(which)) + " read before are kept";
    if (!now.exists)
        return std::string(name) + " is gone from " + state_.folder.string() + kept;
    return std::string(name) + " changed on disk and cannot be read (" + Reason(message, path) +
           ")" + kept;
}

std::string TableRefresh::refreshDefaults() {
    const std::string path = state_.pathOf(DefaultsFileName);
    const FileStamp now = StampOf(path);
    if (now == defaults_)
        return {};
    defaults_ = now;
    TDefaults read = state_.defaults;
    const FileResult result = ReadDefaultsFile(read, path);
    if (!result.ok)
        return result.message + ": the defaults read before are kept";
    // The program's own save leaves what it holds: nothing to tell.
    if (std::memcmp(&read, &state_.defaults, sizeof read) == 0)
        return {};
    state_.defaults = read;
    if (!now.exists)
        return std::string(DefaultsFileName) + " is gone: new jobs take the built-in defaults";
    return std::string(DefaultsFileName) + " changed on disk: new jobs take its defaults";
}
