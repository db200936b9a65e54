#include "BitmapFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

constexpr std::uint32_t colors[8] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                     0x808080, 0xFFFF00, 0x00FFFF, 0xFF00FF};
constexpr std::uint32_t paper = 0xFFFFFF; // pixels the stream passes over

// Run-length encoded bitmaps, built byte by byte, drawn through a Form.
class FormRleBitmap : public BitmapFixture {
protected:
    static BmpPicture Rle(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                          std::vector<std::uint8_t> stream) {
        BmpPicture picture;
        picture.width = width;
        picture.height = height;
        picture.bitCount = bitCount;
        picture.compression = bitCount == 8 ? 1 : 2;
        picture.palette.assign(std::begin(colors), std::end(colors));
        picture.encoded = std::move(stream);
        return picture;
    }

    std::string WriteNext(const BmpPicture& picture) {
        return Write("rle-" + std::to_string(++written) + ".bmp", picture);
    }

    // The pixels drawn from the file, top row first.
    std::vector<std::uint32_t> Drawn(const BmpPicture& picture) {
        surface.bitmaps.clear();
        const std::string path = WriteNext(picture);
        EXPECT_TRUE(form.DrawBMP(0, 0, path.c_str()));
        EXPECT_THAT(surface.messages, IsEmpty());
        if (surface.bitmaps.size() != 1) {
            return {};
        }
        const Bitmap& bitmap = surface.bitmaps[0].bitmap;
        EXPECT_EQ(bitmap.width, picture.width);
        EXPECT_EQ(bitmap.height, picture.height);
        return bitmap.pixels;
    }

    void ExpectRefusedPicture(const BmpPicture& picture) {
        surface.messages.clear();
        surface.calls.clear();
        ExpectRefused(WriteNext(picture));
    }

    int written = 0;
};

std::vector<std::uint32_t> Colors(std::initializer_list<int> indexes) {
    std::vector<std::uint32_t> out;
    for (const int index : indexes) {
        out.push_back(index < 0 ? paper : colors[index]);
    }
    return out;
}

} // namespace

// Encoded runs, absolute runs of odd and even length (odd ones padded to 16 bits), end of line
// and end of bitmap; the stream starts at the bottom row.
TEST_F(FormRleBitmap, EightBitRunsFillTheRowsFromTheBottomUp) {
    const BmpPicture picture = Rle(5, 3, 8, {3, 1, 2, 2, 0, 0,             // bottom: 1 1 1 2 2
                                             0, 3, 4, 5, 6, 0, 2, 7, 0, 0, // middle: 4 5 6 7 7
                                             0, 4, 1, 2, 3, 4, 1, 5,       // top: 1 2 3 4 5
                                             0, 1});
    EXPECT_THAT(Drawn(picture),
                ElementsAreArray(Colors({1, 2, 3, 4, 5, 4, 5, 6, 7, 7, 1, 1, 1, 2, 2})));

    // The same bitmap as a resource (no file header).
    surface.bitmapResources[5] = MakeDib(picture);
    surface.bitmaps.clear();
    ASSERT_TRUE(form.DrawBMP(0, 0, 5));
    EXPECT_EQ(surface.bitmaps.at(0).bitmap.pixels,
              Colors({1, 2, 3, 4, 5, 4, 5, 6, 7, 7, 1, 1, 1, 2, 2}));
}

// Four-bit runs alternate the two colours of their byte; absolute runs hold two pixels a byte
// and are padded to 16 bits.
TEST_F(FormRleBitmap, FourBitRunsAlternateTheirTwoColours) {
    const BmpPicture picture =
        Rle(5, 3, 4, {5, 0x12, 0,    0,                      // bottom: 1 2 1 2 1
                      0, 3,    0x34, 0x50, 2,    0x66, 0, 0, // middle: 3 4 5 6 6
                      0, 5,    0x12, 0x34, 0x50, 0x00,       // top: 1 2 3 4 5
                      0, 1});
    EXPECT_THAT(Drawn(picture),
                ElementsAreArray(Colors({1, 2, 3, 4, 5, 3, 4, 5, 6, 6, 1, 2, 1, 2, 1})));
    // An absolute run of four pixels takes two bytes and needs no padding.
    EXPECT_THAT(Drawn(Rle(4, 1, 4, {0, 4, 0x71, 0x17, 0, 1})),
                ElementsAreArray(Colors({7, 1, 1, 7})));
}

// A delta, a line ended early and the bitmap ended early leave their pixels as paper.
TEST_F(FormRleBitmap, SkippedPixelsStayWhite) {
    for (const std::uint16_t bitCount : {std::uint16_t{8}, std::uint16_t{4}}) {
        SCOPED_TRACE(bitCount);
        const std::uint8_t blue = bitCount == 8 ? 3 : 0x33;
        const std::uint8_t yellow = bitCount == 8 ? 5 : 0x55;
        const std::uint8_t cyan = bitCount == 8 ? 6 : 0x66;
        const BmpPicture picture = Rle(4, 4, bitCount,
                                       {1, blue,         // bottom row: one blue pixel
                                        0, 2, 2, 1,      // delta: 2 right, 1 up, to (3, 1)
                                        1, yellow, 0, 0, // then the line ends
                                        2, cyan, 0, 1}); // two cyan pixels, and the end
        EXPECT_THAT(Drawn(picture), ElementsAreArray(Colors({-1, -1, -1, -1, 6, 6, -1, -1, -1, -1,
                                                             -1, 5, 3, -1, -1, -1})));
    }
    // A stream that ends every line needs no end-of-bitmap mark; bytes after the mark are
    // never read.
    EXPECT_THAT(Drawn(Rle(2, 2, 8, {2, 1, 0, 0, 2, 2, 0, 0})),
                ElementsAreArray(Colors({2, 2, 1, 1})));
    EXPECT_THAT(Drawn(Rle(2, 1, 8, {2, 1, 0, 1, 0xFF})), ElementsAreArray(Colors({1, 1})));
    // Indexes beyond the colour table are black, as in uncompressed bitmaps.
    EXPECT_THAT(Drawn(Rle(2, 1, 8, {2, 200, 0, 1})), ElementsAre(0x000000u, 0x000000u));
}

// A damaged stream is refused like any other damaged bitmap: nothing is drawn and the user is
// told, and nothing is read or written outside the file or the bitmap.
TEST_F(FormRleBitmap, DamagedStreamsAreRefused) {
    const std::vector<std::pair<const char*, BmpPicture>> damaged{
        {"empty stream", Rle(4, 3, 8, {})},
        {"ends inside the bitmap", Rle(4, 3, 8, {3, 1, 0, 0})},
        {"ends inside a pair", Rle(4, 1, 8, {4, 1, 0})},
        {"encoded run past the line", Rle(4, 3, 8, {5, 1, 0, 1})},
        {"four-bit run past the line", Rle(4, 3, 4, {5, 0x11, 0, 1})},
        {"absolute run past the line", Rle(4, 3, 8, {0, 5, 1, 2, 3, 4, 5, 0, 0, 1})},
        {"absolute run cut short", Rle(4, 3, 8, {0, 4, 1, 2})},
        {"absolute run without its padding", Rle(4, 3, 8, {0, 3, 1, 2, 3})},
        {"four-bit absolute run cut short", Rle(8, 3, 4, {0, 8, 0x12, 0x34, 0x56})},
        {"delta past the line", Rle(4, 3, 8, {0, 2, 5, 0, 0, 1})},
        {"delta past the top", Rle(4, 3, 8, {0, 2, 0, 4, 0, 1})},
        {"delta cut short", Rle(4, 3, 8, {0, 2, 1})},
        {"more lines than the bitmap", Rle(2, 1, 8, {0, 0, 0, 0, 0, 1})},
        {"pixels above the top", Rle(2, 1, 8, {2, 1, 0, 0, 1, 1, 0, 1})},
    };
    for (const auto& [name, picture] : damaged) {
        SCOPED_TRACE(name);
        ExpectRefusedPicture(picture);
    }
}

// Run-length encoding belongs to its bit count, and such bitmaps are stored bottom-up.
TEST_F(FormRleBitmap, MismatchedOrTopDownRleHeadersAreRefused) {
    BmpPicture eightAsFour = Rle(2, 1, 8, {2, 1, 0, 1});
    eightAsFour.compression = 2;
    BmpPicture fourAsEight = Rle(2, 1, 4, {2, 0x11, 0, 1});
    fourAsEight.compression = 1;
    BmpPicture oneBit = Rle(2, 1, 8, {2, 1, 0, 1});
    oneBit.bitCount = 1;
    oneBit.palette.resize(2);
    BmpPicture topDown = Rle(2, 1, 8, {2, 1, 0, 1});
    topDown.topDown = true;
    for (const BmpPicture& picture : {eightAsFour, fourAsEight, oneBit, topDown}) {
        ExpectRefusedPicture(picture);
    }
}
