#include "tables/DbfFileHooks.h"

#include "job/SafeWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdio_ext.h>
#include <string_view>
#include <unistd.h>

namespace {

constexpr std::string_view HookSuffix = ".q";
constexpr std::size_t StreamBufferSize = 4096;

enum class LastOperation { None, Read, Write };

// What an SAFile points to. shapelib seeks before every record it reads or writes; the position
// is tracked so that a seek to where the stream already is costs nothing. The stream is really
// repositioned whenever it turns from reading to writing or back, as C streams require.
struct HookFile {
    std::FILE* stream = nullptr;
    int error = 0; // errno of the first failure, 0 while none
    SAOffset position = 0;
    bool positionKnown = true;
    LastOperation last = LastOperation::None;
    char buffer[StreamBufferSize];
    std::string snapshot; // a table opened for reading: the whole file as it was opened
    FileStamp stamp;      // of the file read into the snapshot
};

void Remember(HookFile* file) {
    if (file->error == 0)
        file->error = errno != 0 ? errno : EIO;
}

// The file of a hook call. A stream that failed at any point (a buffered write can fail later,
// inside a seek) counts as failed from then on.
HookFile* FileOf(SAFile handle) {
    auto* file = reinterpret_cast<HookFile*>(handle);
    if (file->error == 0 && std::ferror(file->stream))
        Remember(file);
    return file;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Reads the whole of a regular file into the hook file's snapshot, without waiting on a FIFO or
// a device. False with errno set when it cannot.
bool ReadSnapshot(const std::string& path, HookFile& file) {
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return false;
    file.stamp = StampOfOpenFile(fd);
    file.snapshot.reserve(static_cast<std::size_t>(file.stamp.size > 0 ? file.stamp.size : 0));
    char chunk[64 * 1024];
    int error = 0;
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : 0;
            break;
        }
        file.snapshot.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (error == 0 && file.snapshot.empty())
        error = EINVAL; // nothing to read a table from
    errno = error;
    return error == 0;
}

// A table opened for reading is read whole into memory: it stays the table that was opened
// whatever later happens to the file (replaced, rewritten in place, cut short, made unreadable).
SAFile OpenSnapshot(const std::string& path) {
    auto* file = new HookFile;
    if (ReadSnapshot(path, *file))
        file->stream = ::fmemopen(file->snapshot.data(), file->snapshot.size(), "rb");
    if (file->stream == nullptr) {
        const int saved = errno;
        delete file;
        errno = saved;
        return nullptr;
    }
    return reinterpret_cast<SAFile>(file);
}

SAFile Open(const char* name, const char* access) {
    const std::string_view asked(name);
    // Only the table itself: the code page file (".cpg") is never looked at.
    if (!EndsWith(asked, ".dbf") && !EndsWith(asked, ".DBF"))
        return nullptr;
    const std::string path(asked.substr(0, asked.size() - 4));
    if (std::string_view(access) == "rb")
        return OpenSnapshot(path);
    auto* file = new HookFile;
    file->stream = std::fopen(path.c_str(), access);
    if (file->stream == nullptr) {
        const int saved = errno;
        delete file;
        errno = saved;
        return nullptr;
    }
    std::setvbuf(file->stream, file->buffer, _IOFBF, StreamBufferSize);
    return reinterpret_cast<SAFile>(file);
}

bool RealSeek(HookFile* file, SAOffset offset, int whence) {
    file->last = LastOperation::None;
    errno = 0;
    if (std::fseek(file->stream, static_cast<long>(offset), whence) != 0 ||
        std::ferror(file->stream)) {
        Remember(file);
        file->positionKnown = false;
        return false;
    }
    const long at = std::ftell(file->stream);
    file->positionKnown = at >= 0;
    file->position = static_cast<SAOffset>(at);
    return file->positionKnown;
}

// Before reading or writing: repositions the stream when it changes direction.
bool Turn(HookFile* file, LastOperation next) {
    if (file->last != LastOperation::None && file->last != next &&
        !RealSeek(file, file->position, SEEK_SET))
        return false;
    file->last = next;
    return true;
}

SAOffset Read(void* data, SAOffset size, SAOffset count, SAFile handle) {
    HookFile* file = FileOf(handle);
    if (!file->positionKnown || !Turn(file, LastOperation::Read))
        return 0;
    errno = 0;
    const std::size_t done = std::fread(data, size, count, file->stream);
    file->position += done * size;
    if (done != count) {
        if (std::ferror(file->stream))
            Remember(file);
        file->positionKnown = false;
    }
    return done;
}

SAOffset Write(void* data, SAOffset size, SAOffset count, SAFile handle) {
    HookFile* file = FileOf(handle);
    // After a failure nothing more is written: shapelib would go on with what it failed to read.
    if (file->error != 0 || !file->positionKnown || !Turn(file, LastOperation::Write)) {
        Remember(file);
        return 0;
    }
    errno = 0;
    const std::size_t done = std::fwrite(data, size, count, file->stream);
    file->position += done * size;
    if (done != count) {
        Remember(file);
        file->positionKnown = false;
    }
    return done;
}

SAOffset Seek(SAFile handle, SAOffset offset, int whence) {
    HookFile* file = FileOf(handle);
    if (whence == SEEK_SET && file->positionKnown && offset == file->position)
        return 0;
    return RealSeek(file, offset, whence) ? 0 : static_cast<SAOffset>(-1);
}

SAOffset Tell(SAFile handle) {
    HookFile* file = FileOf(handle);
    return file->positionKnown ? file->position : static_cast<SAOffset>(std::ftell(file->stream));
}

int Flush(SAFile handle) {
    HookFile* file = FileOf(handle);
    errno = 0;
    if (std::fflush(file->stream) != 0 || std::ferror(file->stream)) {
        Remember(file);
        return -1;
    }
    return 0;
}

int Close(SAFile handle) {
    HookFile* file = FileOf(handle);
    if (file->error != 0)
        __fpurge(file->stream); // drop what could not be written rather than write it late
    const int result = std::fclose(file->stream);
    delete file;
    return result;
}

// shapelib only removes the code page file, which these hooks never create.
int Remove(const char*) {
    return 0;
}

void Error(const char*) {}

double Atof(const char* text) {
    return std::strtod(text, nullptr);
}

} // namespace

std::string DbfHookName(const std::string& path) {
    return path + std::string(HookSuffix);
}

SAHooks DbfFileHooks() {
    SAHooks hooks{};
    hooks.FOpen = Open;
    hooks.FRead = Read;
    hooks.FWrite = Write;
    hooks.FSeek = Seek;
    hooks.FTell = Tell;
    hooks.FFlush = Flush;
    hooks.FClose = Close;
    hooks.Remove = Remove;
    hooks.Error = Error;
    hooks.Atof = Atof;
    return hooks;
}

bool DbfIoFailed(DBFHandle handle, int& error) {
    error = FileOf(handle->fp)->error;
    return error != 0;
}

FileStamp DbfSnapshotStamp(DBFHandle handle) {
    return FileOf(handle->fp)->stamp;
}
