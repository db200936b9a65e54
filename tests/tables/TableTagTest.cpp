#include "tables/TableTag.h"
#include "tables/FieldText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Record numbers ordered by (key, record number): what every tag must give.
std::vector<int32_t> Expected(const std::vector<double>& keys) {
    std::vector<int32_t> order(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        order[i] = static_cast<int32_t>(i + 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int32_t a, int32_t b) { return keys[a - 1] < keys[b - 1]; });
    return order;
}

std::vector<int32_t> Order(const TableTag& tag) {
    std::vector<int32_t> order;
    for (std::size_t i = 0; i < tag.size(); ++i)
        order.push_back(tag.recNoAt(i));
    return order;
}

TEST(TableTagSort, NumericTagsOrderByKeyThenRecordNumberWhateverTheirData) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> small(-300, 300);
    const std::size_t n = 20000;
    std::vector<double> random1(n), alike(n), random2(n), fractions(n);
    for (std::size_t i = 0; i < n; ++i) {
        random1[i] = small(random) * 10.0;        // many equal keys, negatives
        alike[i] = std::trunc(random1[i] * 0.93); // nearly the same order, new ties
        random2[i] = small(random);
        fractions[i] = small(random) / 7.0;
    }
    random1[5] = -0.0;
    random1[6] = 0.0;
    std::vector<std::unique_ptr<TableTag>> tags;
    for (const auto* keys : {&random1, &alike, &random2, &fractions}) {
        tags.push_back(std::make_unique<TableTag>("T", 1, true));
        for (std::size_t i = 0; i < n; ++i)
            tags.back()->addNumber((*keys)[i], static_cast<int32_t>(i + 1));
    }
    TableTag::SortAll(tags);
    EXPECT_EQ(Order(*tags[0]), Expected(random1));
    EXPECT_EQ(Order(*tags[1]), Expected(alike));
    EXPECT_EQ(Order(*tags[2]), Expected(random2));
    EXPECT_EQ(Order(*tags[3]), Expected(fractions));
}

TEST(TableTagSort, ChangesKeepTheOrder) {
    TableTag tag("T", 1, true);
    for (int r = 1; r <= 6; ++r)
        tag.addNumber(r % 3, r); // keys 1 2 0 1 2 0
    std::vector<std::unique_ptr<TableTag>> tags;
    tags.push_back(std::make_unique<TableTag>(std::move(tag)));
    TableTag::SortAll(tags);
    TableTag& t = *tags[0];
    EXPECT_EQ(Order(t), (std::vector<int32_t>{3, 6, 1, 4, 2, 5}));
    t.insert(1.0, 7);
    t.erase(2.0, 2);
    t.erase(9.0, 1); // not there: nothing happens
    EXPECT_EQ(Order(t), (std::vector<int32_t>{3, 6, 1, 4, 7, 5}));
    EXPECT_EQ(t.find(1.0, 4), 3u);
    EXPECT_EQ(t.find(2.0, 4), t.size());
    EXPECT_EQ(t.lowerBound(1.5), 5u);
}

TEST(FieldText, NumbersReadAsTheFileHoldsThem) {
    EXPECT_EQ(ParseFieldNumber("   -12"), -12.0);
    EXPECT_EQ(ParseFieldNumber("+5  "), 5.0);
    EXPECT_EQ(ParseFieldNumber("  0.125"), 0.125);
    EXPECT_EQ(ParseFieldNumber("-0.50"), -0.5);
    EXPECT_EQ(ParseFieldNumber("1234567890123456789"), 1234567890123456789.0);
    for (const char* text : {"", "    ", "abc", "*****", "nan", "inf", "-", "1 2"})
        EXPECT_EQ(ParseFieldNumber(text), 0.0) << text;
    EXPECT_EQ(FieldNumberToInt32(3e10), 2147483647);
    EXPECT_EQ(FieldNumberToInt32(-3e10), -2147483647 - 1);
    EXPECT_EQ(FieldNumberToInt32(-7.9), -7);
    EXPECT_EQ(FieldNumberToInt32(std::nan("")), 0);
}

TEST(FieldText, NumbersAreWrittenRightAlignedOrRefused) {
    EXPECT_EQ(FormatFieldNumber(0.2, 8, 3), "   0.200");
    EXPECT_EQ(FormatFieldNumber(-40, 4, 0), " -40");
    EXPECT_FALSE(FormatFieldNumber(-400, 3, 0).has_value());
    EXPECT_FALSE(FormatFieldNumber(1e300, 20, 2).has_value());
    EXPECT_FALSE(FormatFieldNumber(std::nan(""), 8, 2).has_value());
    EXPECT_EQ(FitFieldText("abc", 5), "abc  ");
    EXPECT_EQ(FitFieldText("abcdef", 3), "abc");
}

} // namespace
