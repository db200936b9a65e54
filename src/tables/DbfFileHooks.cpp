#include "tables/DbfFileHooks.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

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
};

HookFile* FileOf(SAFile file) {
    return reinterpret_cast<HookFile*>(file);
}

void Remember(HookFile* file) {
    if (file->error == 0)
        file->error = errno != 0 ? errno : EIO;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

SAFile Open(const char* name, const char* access) {
    const std::string_view asked(name);
    // Only the table itself: the code page file (".cpg") is never looked at.
    if (!EndsWith(asked, ".dbf") && !EndsWith(asked, ".DBF"))
        return nullptr;
    const std::string path(asked.substr(0, asked.size() - 4));
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

SAOffset Read(void* data, SAOffset size, SAOffset count, SAFile handle) {
    HookFile* file = FileOf(handle);
    const std::size_t done = std::fread(data, size, count, file->stream);
    if (done != count && std::ferror(file->stream))
        Remember(file);
    return done;
}

SAOffset Write(void* data, SAOffset size, SAOffset count, SAFile handle) {
    HookFile* file = FileOf(handle);
    const std::size_t done = std::fwrite(data, size, count, file->stream);
    if (done != count)
        Remember(file);
    return done;
}

SAOffset Seek(SAFile handle, SAOffset offset, int whence) {
    HookFile* file = FileOf(handle);
    if (std::fseek(file->stream, static_cast<long>(offset), whence) != 0) {
        Remember(file);
        return static_cast<SAOffset>(-1);
    }
    return 0;
}

SAOffset Tell(SAFile handle) {
    return static_cast<SAOffset>(std::ftell(FileOf(handle)->stream));
}

int Flush(SAFile handle) {
    HookFile* file = FileOf(handle);
    if (std::fflush(file->stream) != 0) {
        Remember(file);
        return -1;
    }
    return 0;
}

int Close(SAFile handle) {
    HookFile* file = FileOf(handle);
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
