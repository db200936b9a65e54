#include "BitmapFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

void BitmapFixture::SetUp() {
    form.SetSurface(&surface);
    ASSERT_TRUE(form.Open());
    surface.calls.clear();
}

std::string BitmapFixture::Write(const std::string& name, const BmpPicture& picture) {
    const std::string path = folder.PathOf(name);
    WriteBytes(path, MakeBmpFile(picture));
    return path;
}

void BitmapFixture::ExpectRefused(const std::string& path) {
    EXPECT_FALSE(form.DrawBMP(0, 0, path.c_str()));
    EXPECT_THAT(surface.messages, ElementsAre("Can't open bitmap file " + path));
    EXPECT_THAT(surface.calls, IsEmpty());
}
