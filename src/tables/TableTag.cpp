#include "tables/TableTag.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

// Character keys compare as unsigned bytes, as the table file holds them.
int CompareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

// Maps a key to an unsigned number of the same order (negative keys below positive ones).
uint64_t OrderBits(double key) {
    if (key == 0.0)
        key = 0.0; // -0.0 and 0.0 are one key
    const auto bits = std::bit_cast<uint64_t>(key);
    return (bits & 0x8000000000000000u) ? ~bits : bits | 0x8000000000000000u;
}

} // namespace

TableTag::TableTag(std::string name, int fieldNumber, bool numeric)
    : name_(std::move(name)), fieldNumber_(fieldNumber), numeric_(numeric) {}

int32_t TableTag::recNoAt(std::size_t position) const {
    return numeric_ ? numbers_[position].recNo : texts_[position].recNo;
}

void TableTag::reserve(std::size_t count) {
    if (numeric_)
        numbers_.reserve(count);
    else
        texts_.reserve(count);
}

void TableTag::SortAll(std::vector<std::unique_ptr<TableTag>>& tags) {
    std::vector<NumberEntry> scratch;
    const TableTag* previous = nullptr;
    for (auto& tag : tags) {
        if (!tag->numeric_) {
            tag->sortTexts();
            continue;
        }
        if (!tag->sortedLike(previous, scratch))
            tag->sortNumbers(scratch);
        previous = tag.get();
    }
}

void TableTag::sortTexts() {
    auto before = [](const TextEntry& a, const TextEntry& b) {
        const int c = CompareText(a.key, b.key);
        return c < 0 || (c == 0 && a.recNo < b.recNo);
    };
    if (!std::is_sorted(texts_.begin(), texts_.end(), before))
        std::sort(texts_.begin(), texts_.end(), before);
}

bool TableTag::NumberBefore(const NumberEntry& a, const NumberEntry& b) {
    const double ka = a.key;
    const double kb = b.key;
    return ka < kb || (ka == kb && a.recNo < b.recNo);
}

// Columns of one table often order the records alike (capacity at one ambient and at the
// next): the previous tag's order is then nearly this one's, and an insertion sort finishes it
// in few moves. Gives up (returning false, the tag unchanged) when the orders differ much.
bool TableTag::sortedLike(const TableTag* previous, std::vector<NumberEntry>& scratch) {
    if (std::is_sorted(numbers_.begin(), numbers_.end(), NumberBefore))
        return true;
    if (previous == nullptr || previous->numbers_.size() != numbers_.size())
        return false;
    scratch.resize(numbers_.size());
    for (std::size_t i = 0; i < numbers_.size(); ++i)
        scratch[i] = numbers_[static_cast<std::size_t>(previous->numbers_[i].recNo - 1)];
    std::size_t movesLeft = 4 * numbers_.size();
    for (std::size_t i = 1; i < scratch.size(); ++i) {
        const NumberEntry entry = scratch[i];
        std::size_t j = i;
        for (; j > 0 && NumberBefore(entry, scratch[j - 1]); --j) {
            if (movesLeft-- == 0)
                return false;
            scratch[j] = scratch[j - 1];
        }
        scratch[j] = entry;
    }
    numbers_.swap(scratch);
    return true;
}

// Entries arrive in record-number order, so a stable sort by key alone leaves equal keys in
// record-number order: a least-significant-digit radix sort, byte by byte, skipping the bytes
// in which all keys agree.
void TableTag::sortNumbers(std::vector<NumberEntry>& scratch) {
    constexpr int Digits = 8;
    std::array<std::array<std::size_t, 256>, Digits> counts{};
    for (const NumberEntry& e : numbers_) {
        const uint64_t bits = OrderBits(e.key);
        for (int d = 0; d < Digits; ++d)
            ++counts[d][(bits >> (8 * d)) & 0xFF];
    }
    scratch.resize(numbers_.size());
    for (int d = 0; d < Digits; ++d) {
        auto& count = counts[d];
        if (std::find(count.begin(), count.end(), numbers_.size()) != count.end())
            continue; // every key has the same byte here
        std::size_t start = 0;
        for (std::size_t& c : count) {
            const std::size_t n = c;
            c = start;
            start += n;
        }
        for (const NumberEntry& e : numbers_)
            scratch[count[(OrderBits(e.key) >> (8 * d)) & 0xFF]++] = e;
        numbers_.swap(scratch);
    }
}

std::size_t TableTag::lowerBound(double key) const {
    const auto it = std::partition_point(numbers_.begin(), numbers_.end(),
                                         [key](const NumberEntry& e) { return e.key < key; });
    return static_cast<std::size_t>(it - numbers_.begin());
}

std::size_t TableTag::lowerBound(std::string_view key) const {
    const auto it = std::partition_point(texts_.begin(), texts_.end(), [key](const TextEntry& e) {
        return CompareText(e.key, key) < 0;
    });
    return static_cast<std::size_t>(it - texts_.begin());
}

bool TableTag::keyEquals(std::size_t position, double key) const {
    return position < numbers_.size() && numbers_[position].key == key;
}

bool TableTag::keyEquals(std::size_t position, std::string_view key) const {
    return position < texts_.size() && CompareText(texts_[position].key, key) == 0;
}

std::size_t TableTag::find(double key, int32_t recNo) const {
    const auto it =
        std::partition_point(numbers_.begin(), numbers_.end(), [key, recNo](const NumberEntry& e) {
            const double k = e.key;
            return k < key || (k == key && e.recNo < recNo);
        });
    if (it == numbers_.end() || it->recNo != recNo || it->key != key)
        return numbers_.size();
    return static_cast<std::size_t>(it - numbers_.begin());
}

std::size_t TableTag::find(std::string_view key, int32_t recNo) const {
    const auto it =
        std::partition_point(texts_.begin(), texts_.end(), [key, recNo](const TextEntry& e) {
            const int c = CompareText(e.key, key);
            return c < 0 || (c == 0 && e.recNo < recNo);
        });
    if (it == texts_.end() || it->recNo != recNo || CompareText(it->key, key) != 0)
        return texts_.size();
    return static_cast<std::size_t>(it - texts_.begin());
}

void TableTag::insert(double key, int32_t recNo) {
    const auto it =
        std::partition_point(numbers_.begin(), numbers_.end(), [key, recNo](const NumberEntry& e) {
            const double k = e.key;
            return k < key || (k == key && e.recNo < recNo);
        });
    numbers_.insert(it, NumberEntry{key, recNo});
}

void TableTag::insert(std::string key, int32_t recNo) {
    const auto it =
        std::partition_point(texts_.begin(), texts_.end(), [&key, recNo](const TextEntry& e) {
            const int c = CompareText(e.key, key);
            return c < 0 || (c == 0 && e.recNo < recNo);
        });
    texts_.insert(it, TextEntry{std::move(key), recNo});
}

void TableTag::erase(double key, int32_t recNo) {
    const std::size_t at = find(key, recNo);
    if (at < numbers_.size())
        numbers_.erase(numbers_.begin() + static_cast<std::ptrdiff_t>(at));
}

void TableTag::erase(std::string_view key, int32_t recNo) {
    const std::size_t at = find(key, recNo);
    if (at < texts_.size())
        texts_.erase(texts_.begin() + static_cast<std::ptrdiff_t>(at));
}
