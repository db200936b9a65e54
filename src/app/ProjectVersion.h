#pragma once
// The program's version information, compiled in from the build, queried the way the About box
// reads it: each query returns true and the text when the value exists.

#include <map>
#include <string>

class TProjectKVVersion {
public:
    TProjectKVVersion(); // the values compiled into the program
    explicit TProjectKVVersion(std::map<std::string, std::string> values);

    bool GetProductName(const char*& text) const { return Query("ProductName", text); }
    bool GetProductVersion(const char*& text) const { return Query("ProductVersion", text); }
    bool GetLegalCopyright(const char*& text) const { return Query("LegalCopyright", text); }
    bool GetSpecialBuild(const char*& text) const { return Query("SpecialBuild", text); }

private:
    bool Query(const std::string& name, const char*& text) const;

    std::map<std::string, std::string> values_;
};
