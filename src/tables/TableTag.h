#pragma once
// An in-memory index tag: the record numbers of a table ordered by one field's value, records
// with equal keys in record-number order. Character keys compare byte by byte over the field's
// full width; numeric keys by value.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TableTag {
public:
    TableTag(std::string name, int fieldNumber, bool numeric);

    const std::string& name() const { return name_; }
    int fieldNumber() const { return fieldNumber_; }
    bool numeric() const { return numeric_; }
    std::size_t size() const { return numeric_ ? numbers_.size() : texts_.size(); }
    int32_t recNoAt(std::size_t position) const;

    // Building: add every record's key in record-number order, then sort the tags once.
    void reserve(std::size_t count);
    void addNumber(double key, int32_t recNo) { numbers_.push_back({key, recNo}); }
    void addText(std::string key, int32_t recNo) { texts_.push_back({std::move(key), recNo}); }
    static void SortAll(std::vector<std::unique_ptr<TableTag>>& tags);

    // The first position whose key is not below `key`; size() when every key is below it.
    std::size_t lowerBound(double key) const;
    std::size_t lowerBound(std::string_view key) const;
    bool keyEquals(std::size_t position, double key) const;
    bool keyEquals(std::size_t position, std::string_view key) const;

    // Position of the entry of `recNo`, whose key is `key`; size() when there is none.
    std::size_t find(double key, int32_t recNo) const;
    std::size_t find(std::string_view key, int32_t recNo) const;

    // Keeping the order current on a change of one record.
    void insert(double key, int32_t recNo);
    void insert(std::string key, int32_t recNo);
    void erase(double key, int32_t recNo);
    void erase(std::string_view key, int32_t recNo);

private:
#pragma pack(push, 1)
    struct NumberEntry {
        double key;
        int32_t recNo;
    };
#pragma pack(pop)
    struct TextEntry {
        std::string key;
        int32_t recNo;
    };

    static bool NumberBefore(const NumberEntry& a, const NumberEntry& b);
    void sortTexts();
    bool sortedLike(const TableTag* previous, std::vector<NumberEntry>& scratch);
    void sortNumbers(std::vector<NumberEntry>& scratch);

    std::string name_;
    int fieldNumber_;
    bool numeric_;
    std::vector<NumberEntry> numbers_;
    std::vector<TextEntry> texts_;
};
