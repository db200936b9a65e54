#include "app/AppState.h"

#include "app/RecentFilesProfile.h"
#include "app/UnitsProfile.h"
#include "calc/ProductLoad.h"
#include "tables/JobDefaults.h"
#include "tables/ShippedTables.h"

#include <algorithm>
#include <system_error>

std::vector<std::string> StartUp(AppState& state,
                                 const std::vector<std::filesystem::path>& shippedFolders) {
    std::vector<std::string> problems;
    state.tables = PrepareReferenceTables(state.folder, shippedFolders);
    for (const ReferenceTable which : AllReferenceTables) {
        if (state.tables.get(which) == nullptr)
            problems.push_back(state.tables.problem(which));
    }

    // The printed report's logo; without it the report prints without a logo.
    RestoreShippedFile(state.folder, LogoFileName, shippedFolders);

    Table* insul = state.tables.get(ReferenceTable::Insul);
    const FileResult reset =
        ResetJobToDefaults(state.job, state.defaults, state.pathOf(DefaultsFileName), insul);
    const FileResult cooler = ApplyCoolerDefaults(state.job, state.defaults, insul);
    // Without the insulation table both say so; the table's own message covers that.
    if (insul != nullptr) {
        for (const FileResult* result : {&reset, &cooler}) {
            if (!result->ok)
                problems.push_back(result->message);
        }
    }
    ResetProducts(state.job.image, 35);
    state.job.image.flags.jobLoaded = 0;
    state.spot = SpotEntries{};
    ReadSubmitter(state.submitter, state.pathOf(SubmitterFileName));
    state.profile = KelvoProfile::Load(state.profilePath());
    state.recentFiles = LoadRecentFiles(state.profile);
    state.units = LoadUnitSystem(state.profile);
    return problems;
}

void AddRecentFile(std::vector<std::string>& list, const std::string& path) {
    const std::string full = FullPath(path);
    list.erase(
        std::remove_if(list.begin(), list.end(),
                       [&full](const std::string& entry) { return FullPath(entry) == full; }),
        list.end());
    list.insert(list.begin(), path);
    if (list.size() > static_cast<std::size_t>(RecentFileCount))
        list.resize(RecentFileCount);
}

std::string FullPath(const std::string& path) {
    std::error_code failed;
    const std::filesystem::path full = std::filesystem::absolute(path, failed);
    return failed ? path : full.lexically_normal().string();
}
