#pragma once
// The user's profile "kelvo.ini", read once at start-up and written back through the safe write
// whenever what it holds has changed. It is an INI file: "[section]" lines, then "key=value"
// lines. Names compare without regard to ASCII case, and a section name may have its characters
// escaped as %XX (as other INI writers store blanks); a value in double quotes loses them and
// its backslash escapes. Lines the program does not use (comments, other sections) are kept.
//
// Only a regular file of at most MaxBytes is read, and it is opened without waiting, so a FIFO
// or a device never holds up the start. A profile that is not read (not a regular file, too
// large, unreadable) is left alone for the run: it is never written, and problem() says why.

#include "job/FileResult.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class KelvoProfile {
public:
    static constexpr std::size_t MaxBytes = 1024 * 1024;

    // A profile with no file: it holds values for the run and saving it writes nothing.
    KelvoProfile() = default;
    // Reads the profile at `path`; a file that does not exist gives an empty profile that is
    // written there once it holds something.
    static KelvoProfile Load(const std::string& path);

    const std::string& path() const { return path_; }
    // Why the file is left alone for this run, naming it; empty when it is read and written.
    const std::string& problem() const { return problem_; }

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    void setValue(std::string_view section, std::string_view key, const std::string& value);
    void remove(std::string_view section, std::string_view key);

    // Writes the profile when it changed since it was read or last written. A profile without a
    // file or left alone is not written and that is no failure. A failure names the file and
    // the reason (a target that is not a regular file or is read-only is refused, for root too);
    // the values still hold for the run.
    FileResult save();

private:
    struct Line {
        std::string text;    // as read or as it will be written
        std::string section; // the section it belongs to, unescaped
        std::string key;     // empty for a line that is not "key=value"
    };

    std::vector<Line>::iterator find(std::string_view section, std::string_view key);
    // The file's text as save() writes it.
    std::string text() const;

    std::string path_;
    std::string problem_;
    std::vector<Line> lines_;
    std::string saved_; // the text the file holds as far as the program knows
};
