#include "BitmapFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Eight colours whose channels are 0 or 255, so that every pixel format holds them exactly.
constexpr std::uint32_t colors[8] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                     0xFFFFFF, 0xFFFF00, 0x00FFFF, 0xFF00FF};

using FormBitmap = BitmapFixture;

BmpPicture TrueColor(std::int32_t width, std::int32_t height) {
    BmpPicture picture;
    picture.width = width;
    picture.height = height;
    picture.bitCount = 24;
    return picture;
}

// A 5 x 3 picture (odd width, so rows are padded) in the given format.
struct PixelFormat {
    const char* name;
    BmpPicture picture;
    int colorCount;
};

std::uint32_t ColorIndex(std::int32_t x, std::int32_t y, int colorCount) {
    return static_cast<std::uint32_t>((x + 3 * y) % colorCount);
}

std::uint32_t Bit(std::uint32_t color, std::uint32_t channelMask, std::uint32_t fieldMask) {
    return (color & channelMask) != 0 ? fieldMask : 0;
}

PixelFormat Indexed(const char* name, std::uint16_t bitCount, int colorCount, BmpHeader header) {
    BmpPicture picture;
    picture.bitCount = bitCount;
    picture.header = header;
    picture.palette.assign(colors, colors + colorCount);
    picture.pixel = [colorCount](std::int32_t x, std::int32_t y) {
        return ColorIndex(x, y, colorCount);
    };
    return PixelFormat{name, picture, colorCount};
}

PixelFormat Direct(const char* name, std::uint16_t bitCount, std::uint32_t compression,
                   BmpHeader header, std::array<std::uint32_t, 3> masks, bool topDown = false) {
    BmpPicture picture;
    picture.bitCount = bitCount;
    picture.compression = compression;
    picture.header = header;
    picture.topDown = topDown;
    std::copy(masks.begin(), masks.end(), picture.masks);
    picture.pixel = [masks](std::int32_t x, std::int32_t y) {
        const std::uint32_t color = colors[ColorIndex(x, y, 8)];
        return Bit(color, 0xFF0000, masks[0]) | Bit(color, 0x00FF00, masks[1]) |
               Bit(color, 0x0000FF, masks[2]);
    };
    return PixelFormat{name, picture, 8};
}

class BitmapFormats : public FormBitmap, public ::testing::WithParamInterface<PixelFormat> {};

} // namespace

TEST_F(FormBitmap, EachPixelCoversAThreeHundredthOfAnInch) {
    const std::string wide = Write("wide.bmp", TrueColor(300, 150));
    const std::string square = Write("square.bmp", TrueColor(100, 100));
    EXPECT_TRUE(form.DrawBMP(2, 22, wide.c_str()));
    EXPECT_TRUE(form.DrawBMP(0, 0, square.c_str()));
    EXPECT_THAT(surface.calls, ElementsAre("StretchBitmap(102, 10350, 1102, 9850, 300 x 150)",
                                           "StretchBitmap(100, 10372, 433, 10039, 100 x 100)"));
    EXPECT_THAT(surface.messages, IsEmpty());
}

TEST_P(BitmapFormats, PixelsArriveTopRowFirstInTheirOwnColours) {
    BmpPicture picture = GetParam().picture;
    picture.width = 5;
    picture.height = 3;
    const std::string path = Write("picture.bmp", picture);
    ASSERT_TRUE(form.DrawBMP(0, 0, path.c_str())) << surface.messages.front();
    ASSERT_EQ(surface.bitmaps.size(), 1u);
    const Bitmap& bitmap = surface.bitmaps[0].bitmap;
    ASSERT_EQ(bitmap.width, 5);
    ASSERT_EQ(bitmap.height, 3);
    std::vector<std::uint32_t> expected;
    for (std::int32_t y = 0; y < 3; ++y) {
        for (std::int32_t x = 0; x < 5; ++x) {
            expected.push_back(colors[ColorIndex(x, y, GetParam().colorCount)]);
        }
    }
    EXPECT_EQ(bitmap.pixels, expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllLayouts, BitmapFormats,
    ::testing::Values(
        Indexed("OneBit", 1, 2, BmpHeader::Info), Indexed("FourBit", 4, 8, BmpHeader::Info),
        Indexed("EightBit", 8, 8, BmpHeader::Info), Indexed("CoreOneBit", 1, 2, BmpHeader::Core),
        Indexed("CoreEightBit", 8, 8, BmpHeader::Core),
        Direct("TrueColor", 24, 0, BmpHeader::Info, {0xFF0000, 0x00FF00, 0x0000FF}),
        Direct("TopDown", 24, 0, BmpHeader::Info, {0xFF0000, 0x00FF00, 0x0000FF}, true),
        Direct("CoreTrueColor", 24, 0, BmpHeader::Core, {0xFF0000, 0x00FF00, 0x0000FF}),
        Direct("ThirtyTwo", 32, 0, BmpHeader::Info, {0xFF0000, 0x00FF00, 0x0000FF}),
        Direct("ThirtyTwoFields", 32, 3, BmpHeader::Info, {0xFF000000, 0x00FF0000, 0x0000FF00}),
        Direct("ThirtyTwoV4", 32, 3, BmpHeader::V4, {0x0000FF00, 0x00FF0000, 0xFF000000}),
        Direct("Sixteen555", 16, 0, BmpHeader::Info, {0x7C00, 0x03E0, 0x001F}),
        Direct("Sixteen565", 16, 3, BmpHeader::Info, {0xF800, 0x07E0, 0x001F}, true)),
    [](const ::testing::TestParamInfo<PixelFormat>& info) { return info.param.name; });

TEST_F(FormBitmap, IndexesBeyondTheColourTableAreBlack) {
    BmpPicture picture;
    picture.width = 2;
    picture.bitCount = 8;
    picture.palette = {0xFFFFFF, 0x123456};
    picture.pixel = [](std::int32_t x, std::int32_t) { return x == 0 ? 1u : 200u; };
    const std::string path = Write("short-palette.bmp", picture);
    ASSERT_TRUE(form.DrawBMP(0, 0, path.c_str()));
    EXPECT_THAT(surface.bitmaps.at(0).bitmap.pixels, ElementsAre(0x123456u, 0x000000u));
}

TEST_F(FormBitmap, AMissingFileIsReportedAndThePageGoesOn) {
    ExpectRefused(folder.PathOf("lgo.bmp"));
    EXPECT_TRUE(form.TextAt(0, 0, "still printing"));
}

TEST_F(FormBitmap, AFileThatIsNotABitmapIsRefused) {
    const std::string path = folder.PathOf("notes.bmp");
    WriteBytes(path, {'h', 'e', 'l', 'l', 'o'});
    ExpectRefused(path);
}

TEST_F(FormBitmap, ATruncatedBitmapIsRefused) {
    const std::string path = folder.PathOf("short.bmp");
    std::vector<std::uint8_t> bytes = MakeBmpFile(TrueColor(40, 40));
    bytes.resize(bytes.size() - 1);
    WriteBytes(path, bytes);
    ExpectRefused(path);
}

TEST_F(FormBitmap, HeadersOutsideWhatIsDrawnAreRefused) {
    BmpPicture compressed = TrueColor(4, 4);
    compressed.compression = 4; // JPEG
    BmpPicture planes = TrueColor(4, 4);
    planes.planes = 2;
    BmpPicture twoBit = TrueColor(4, 4);
    twoBit.bitCount = 2;
    BmpPicture empty = TrueColor(0, 4);
    BmpPicture fieldsAt24 = TrueColor(4, 4);
    fieldsAt24.compression = 3;
    for (const auto& [name, picture] :
         {std::pair{"jpeg.bmp", compressed}, std::pair{"planes.bmp", planes},
          std::pair{"twobit.bmp", twoBit}, std::pair{"empty.bmp", empty},
          std::pair{"fields.bmp", fieldsAt24}}) {
        SCOPED_TRACE(name);
        surface.messages.clear();
        ExpectRefused(Write(name, picture));
    }
}

TEST_F(FormBitmap, AHugeClaimedSizeIsRefusedWithoutAllocatingIt) {
    std::vector<std::uint8_t> bytes = MakeBmpFile(TrueColor(2, 2));
    // Width and height 40000: more than the reader takes.
    bytes[18] = 0x40;
    bytes[19] = 0x9C;
    bytes[22] = 0x40;
    bytes[23] = 0x9C;
    const std::string path = folder.PathOf("huge.bmp");
    WriteBytes(path, bytes);
    ExpectRefused(path);
}

TEST_F(FormBitmap, AFolderOrAnEmptyNameIsRefused) {
    const std::string folderPath = folder.PathOf("");
    ExpectRefused(folderPath);
    surface.messages.clear();
    ExpectRefused("");
}

TEST_F(FormBitmap, ResourceBitmapsDrawAndFailSilently) {
    BmpPicture picture = Indexed("", 8, 8, BmpHeader::Info).picture;
    picture.width = 30;
    picture.height = 60;
    surface.bitmapResources[5] = MakeDib(picture);
    std::vector<std::uint8_t> broken = MakeDib(picture);
    broken.resize(broken.size() / 2);
    surface.bitmapResources[6] = broken;

    EXPECT_TRUE(form.DrawBMP(0, 0, 5));
    EXPECT_FALSE(form.DrawBMP(0, 0, 6));
    EXPECT_FALSE(form.DrawBMP(0, 0, 7));
    EXPECT_THAT(surface.calls, ElementsAre("StretchBitmap(100, 10372, 200, 10172, 30 x 60)"));
    EXPECT_THAT(surface.messages, IsEmpty());
    EXPECT_EQ(surface.bitmaps.at(0).bitmap.pixels.at(1), colors[1]);
}
