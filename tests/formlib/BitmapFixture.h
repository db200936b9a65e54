#pragma once

#include "BmpWriter.h"
#include "RecordingSurface.h"
#include "TempFolder.h"

#include "formlib/Form.h"

#include <gtest/gtest.h>

#include <string>

// A Form open on a recording surface, and .bmp files written to a temporary folder for it.
class BitmapFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // Writes the picture as a .bmp file of that name; returns its path.
    std::string Write(const std::string& name, const BmpPicture& picture);
    // Drawing the file fails, draws nothing and tells the user.
    void ExpectRefused(const std::string& path);

    TempFolder folder;
    RecordingSurface surface;
    Form form;
};
