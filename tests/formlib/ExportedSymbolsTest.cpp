// tavrin32 compiles the Windows-1252 table in but exports only its own classes.

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

TEST(Tavrin32Exports, TheTextCodecItCompilesInStaysHidden) {
    void* library = ::dlopen(QUELBOX_TAVRIN32_FILE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << ::dlerror();
    // The lookup itself works: Form is there.
    EXPECT_NE(::dlsym(library, "_ZN4Form4OpenEv"), nullptr);
    for (const char* codec : {
             "_Z15CodePointOf1252h",
             "_Z10ByteOf1252Di",
             "_Z6IsUtf8St17basic_string_viewIcSt11char_traitsIcEE",
             "_Z10Utf8To1252B5cxx11St17basic_string_viewIcSt11char_traitsIcEE",
             "_Z12Utf8From1252B5cxx11St17basic_string_viewIcSt11char_traitsIcEE",
             "_Z15FromWindows1252St17basic_string_viewIcSt11char_traitsIcEE",
         })
        EXPECT_EQ(::dlsym(library, codec), nullptr) << codec;
    ::dlclose(library);
}

} // namespace
