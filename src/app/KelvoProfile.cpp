#include "app/KelvoProfile.h"

#include "app/NumberText.h"
#include "job/SafeWrite.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view Blanks = " \t";
constexpr const char* NotRegular = "it is not a regular file";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = AsciiLower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// "Recent%20File%20List" is "Recent File List".
std::string UnescapeName(std::string_view name) {
    std::string plain;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 2 < name.size() && HexDigit(name[i + 1]) >= 0 &&
            HexDigit(name[i + 2]) >= 0) {
            plain += static_cast<char>(HexDigit(name[i + 1]) * 16 + HexDigit(name[i + 2]));
            i += 2;
        } else {
            plain += name[i];
        }
    }
    return plain;
}

// The character a backslash escape stands for; `i` is on the backslash and ends on the escape's
// last character.
char Unescape(std::string_view text, std::size_t& i) {
    if (i + 1 >= text.size())
        return '\\';
    const char c = text[++i];
    switch (c) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'x': {
        int code = 0;
        int digits = 0;
        while (digits < 2 && i + 1 < text.size() && HexDigit(text[i + 1]) >= 0) {
            code = code * 16 + HexDigit(text[++i]);
            ++digits;
        }
        return static_cast<char>(code);
    }
    default:
        return c; // \\, \" and any other character stand for themselves
    }
}

std::string ParseValue(std::string_view raw) {
    const std::string_view text = Trim(raw);
    const bool quoted = !text.empty() && text.front() == '"';
    std::string value;
    for (std::size_t i = quoted ? 1 : 0; i < text.size(); ++i) {
        if (quoted && text[i] == '"')
            break;
        value += text[i] == '\\' ? Unescape(text, i) : text[i];
    }
    return value;
}

// A value as it is written: backslashes and control characters escaped, in double quotes when
// blanks at its ends, a leading quote or a list separator would otherwise change it.
std::string EncodeValue(const std::string& value) {
    std::string encoded;
    for (const char c : value) {
        switch (c) {
        case '\\':
            encoded += "\\\\";
            break;
        case '"':
            encoded += "\\\"";
            break;
        case '\n':
            encoded += "\\n";
            break;
        case '\r':
            encoded += "\\r";
            break;
        case '\t':
            encoded += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr const char* Hex = "0123456789abcdef";
                encoded += "\\x";
                encoded += Hex[(c >> 4) & 0xF];
                encoded += Hex[c & 0xF];
            } else {
                encoded += c;
            }
        }
    }
    const bool quote = !value.empty() && (value.front() == ' ' || value.back() == ' ' ||
                                          value.find_first_of(",;") != std::string::npos);
    return quote ? '"' + encoded + '"' : encoded;
}

std::string LeftAlone(const std::string& path, const std::string& why) {
    return path + " is not used: " + why +
           "; the recent files and the unit setting last until the program ends";
}

// Reads the profile's text, or says why it is left alone. The file is looked at before it is
// opened, so a device is not even opened, and opened without waiting, so a FIFO put there in
// between cannot hold the program either.
std::optional<std::string> ReadProfileText(const std::string& path, std::string& problem) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            problem = LeftAlone(path, std::strerror(errno));
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        const std::string refusal = ReplaceRefusal(path);
        problem = LeftAlone(path, refusal.empty() ? NotRegular : refusal);
        return std::nullopt;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = LeftAlone(path, std::strerror(errno));
        return std::nullopt;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        problem = LeftAlone(path, NotRegular);
        return std::nullopt;
    }
    std::string text;
    if (static_cast<std::size_t>(info.st_size) <= KelvoProfile::MaxBytes) {
        text.resize(KelvoProfile::MaxBytes + 1);
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                problem = LeftAlone(path, std::strerror(errno));
                ::close(fd);
                return std::nullopt;
            }
            if (n == 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        text.resize(done);
    }
    ::close(fd);
    if (static_cast<std::size_t>(info.st_size) > KelvoProfile::MaxBytes ||
        text.size() > KelvoProfile::MaxBytes) {
        problem = LeftAlone(path, "it is " +
                                      WithThousands(std::max<long long>(
                                          info.st_size, static_cast<long long>(text.size()))) +
                                      " bytes, more than a profile's 1 MB");
        return std::nullopt;
    }
    return text;
}

} // namespace

KelvoProfile KelvoProfile::Load(const std::string& path) {
    KelvoProfile profile;
    profile.path_ = path;
    const std::optional<std::string> text = ReadProfileText(path, profile.problem_);
    std::string section;
    std::string_view rest = text ? std::string_view(*text) : std::string_view();
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const std::string_view trimmed = Trim(line);
        const std::size_t equals = line.find('=');
        std::string key;
        if (trimmed.starts_with('[') && trimmed.find(']') != std::string_view::npos)
            section = UnescapeName(trimmed.substr(1, trimmed.find(']') - 1));
        else if (!trimmed.starts_with(';') && !trimmed.starts_with('#') &&
                 equals != std::string_view::npos)
            key = UnescapeName(Trim(line.substr(0, equals)));
        profile.lines_.push_back({std::string(line), section, key});
    }
    profile.saved_ = profile.text();
    return profile;
}

std::vector<KelvoProfile::Line>::iterator KelvoProfile::find(std::string_view section,
                                                             std::string_view key) {
    return std::ranges::find_if(lines_, [&](const Line& line) {
        return !line.key.empty() && SameName(line.section, section) && SameName(line.key, key);
    });
}

std::optional<std::string> KelvoProfile::value(std::string_view section,
                                               std::string_view key) const {
    const auto line = const_cast<KelvoProfile*>(this)->find(section, key);
    if (line == lines_.end())
        return std::nullopt;
    return ParseValue(std::string_view(line->text).substr(line->text.find('=') + 1));
}

void KelvoProfile::setValue(std::string_view section, std::string_view key,
                            const std::string& value) {
    const std::string text = std::string(key) + '=' + EncodeValue(value);
    if (const auto line = find(section, key); line != lines_.end()) {
        line->text = text;
        return;
    }
    // After the last entry of the section, or in a new section at the end.
    const auto last = std::ranges::find_if(lines_.rbegin(), lines_.rend(), [&](const Line& line) {
        return SameName(line.section, section) && !Trim(line.text).empty();
    });
    if (last == lines_.rend()) {
        if (!lines_.empty() && !Trim(lines_.back().text).empty())
            lines_.push_back({std::string(), lines_.back().section, std::string()});
        lines_.push_back({'[' + std::string(section) + ']', std::string(section), std::string()});
        lines_.push_back({text, std::string(section), std::string(key)});
        return;
    }
    lines_.insert(last.base(), Line{text, last->section, std::string(key)});
}

void KelvoProfile::remove(std::string_view section, std::string_view key) {
    if (const auto line = find(section, key); line != lines_.end())
        lines_.erase(line);
}

std::string KelvoProfile::text() const {
    std::string text;
    for (const Line& line : lines_)
        text += line.text + '\n';
    return text;
}

FileResult KelvoProfile::save() {
    if (path_.empty() || !problem_.empty())
        return FileResult::Success();
    const std::string now = text();
    if (now == saved_)
        return FileResult::Success();
    FileResult written = WriteFileAtomically(path_, now.data(), now.size());
    if (written.ok)
        saved_ = now;
    return written;
}
