#include "app/ProjectVersion.h"

#include "app/Version.h"

TProjectKVVersion::TProjectKVVersion()
    : values_{{"ProductName", QUELBOX_PRODUCT_NAME},
              {"ProductVersion", QUELBOX_PRODUCT_VERSION},
              {"LegalCopyright", QUELBOX_LEGAL_COPYRIGHT},
              {"SpecialBuild", QUELBOX_SPECIAL_BUILD}} {}

TProjectKVVersion::TProjectKVVersion(std::map<std::string, std::string> values)
    : values_(std::move(values)) {}

bool TProjectKVVersion::Query(const std::string& name, const char*& text) const {
    const auto found = values_.find(name);
    if (found == values_.end())
        return false;
    text = found->second.c_str();
    return true;
}
