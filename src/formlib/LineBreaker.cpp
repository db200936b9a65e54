#include "formlib/LineBreaker.h"

namespace {

// Breaks one paragraph (no line ends in it).
void BreakParagraph(std::string_view paragraph, std::int64_t boxWidth,
                    const TextWidthFunction& widthOf, std::vector<std::string_view>& lines) {
    std::size_t start = 0;
    while (true) {
        const std::string_view rest = paragraph.substr(start);
        if (widthOf(rest) <= boxWidth) {
            lines.push_back(rest);
            return;
        }
        // The longest run of whole words that fits; at least the first word.
        std::size_t lineEnd = 0;
        for (std::size_t i = start; i < paragraph.size(); ++i) {
            const bool wordEnds =
                paragraph[i] != ' ' && (i + 1 == paragraph.size() || paragraph[i + 1] == ' ');
            if (!wordEnds) {
                continue;
            }
            const std::size_t end = i + 1;
            if (lineEnd != 0 && widthOf(paragraph.substr(start, end - start)) > boxWidth) {
                break;
            }
            lineEnd = end;
        }
        if (lineEnd == 0) { // only spaces are left
            lines.push_back(rest);
            return;
        }
        lines.push_back(paragraph.substr(start, lineEnd - start));
        start = paragraph.find_first_not_of(' ', lineEnd);
        if (start == std::string_view::npos) {
            return;
        }
    }
}

} // namespace

std::vector<std::string_view> BreakLines(std::string_view text, std::int64_t boxWidth,
                                         const TextWidthFunction& widthOf) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t lineEnd = text.find_first_of("\r\n", start);
        BreakParagraph(text.substr(start, lineEnd == std::string_view::npos ? std::string_view::npos
                                                                            : lineEnd - start),
                       boxWidth, widthOf, lines);
        if (lineEnd == std::string_view::npos) {
            return lines;
        }
        start = lineEnd + 1;
        if (text[lineEnd] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
}
