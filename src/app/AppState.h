#pragma once
// Everything the program keeps for its run: the one job, the user's defaults, the submitter, the
// open reference tables, the equipment search state, the spot entries and the recent files. The
// main window owns one and passes it to every operation.

#include "app/KelvoProfile.h"
#include "calc/UnitConversion.h"
#include "equipment/EquipmentState.h"
#include "equipment/SpotSearch.h"
#include "job/Defaults.h"
#include "job/Job.h"
#include "job/Submitter.h"
#include "tables/ReferenceTables.h"

#include <filesystem>
#include <string>
#include <vector>

inline constexpr int RecentFileCount = 4;
inline constexpr const char* ProfileFileName = "kelvo.ini";
inline constexpr const char* CaptionPrefix = "Kelvo: ";
inline constexpr const char* StartCaption = "Quelbox";
inline constexpr const char* LogoFileName = "lgo.bmp";

struct AppState {
    std::filesystem::path folder{"."};   // the working folder of the side files and tables
    std::filesystem::path profileFolder; // where kelvo.ini is kept; empty: the working folder
    KelvoProfile profile;                // kelvo.ini as read at start-up, changed since
    Job job;
    TDefaults defaults = BuiltInDefaults();
    TSubmitter submitter{};
    ReferenceTables tables;
    EquipmentState equipment;
    SpotEntries spot;
    std::vector<std::string> recentFiles; // most recent first, at most RecentFileCount
    std::string caption = StartCaption;
    UnitSystem units = UnitSystem::Imperial; // how quantities are shown and entered

    std::string pathOf(const char* fileName) const { return (folder / fileName).string(); }
    std::string profilePath() const {
        return ((profileFolder.empty() ? folder : profileFolder) / ProfileFileName).string();
    }
    bool jobLoaded() const { return job.image.flags.jobLoaded == 1; }
};

// Start-up: restores and opens the reference tables, resets the job to the defaults with the
// cooler surfaces and the products of a 35 F box, reads the submitter file when there is one,
// and the profile with the recent-files list and the unit system. Returns the problems the user
// must be told of, one message each (a missing table is named); a profile that is left alone
// says so in profile.problem().
std::vector<std::string> StartUp(AppState& state,
                                 const std::vector<std::filesystem::path>& shippedFolders);

// Puts `path` at the top of the recent-files list, without duplicates (an entry naming the same
// file by a relative path included), keeping four.
void AddRecentFile(std::vector<std::string>& list, const std::string& path);

// The path made full from the working folder, so that the recent-files list and the caption name
// a file the same way whether it came from the command line, a file dialog or the list. Unchanged
// when it cannot be made full.
std::string FullPath(const std::string& path);
