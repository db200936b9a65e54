#pragma once
// The folders of a start from the desktop menu or a file manager ("quelbox --home"), which must
// not fill the user's home folder: the tables, DEFAULTS.KVI, SUBMIT.KVI and the logo go to
// $XDG_DATA_HOME/quelbox, the profile kelvo.ini to $XDG_CONFIG_HOME/quelbox. A variable that is
// unset, empty or not an absolute path means ~/.local/share and ~/.config.

#include "app/AppState.h"

#include <filesystem>
#include <string>

struct DesktopHome {
    std::filesystem::path data;   // the working folder
    std::filesystem::path config; // the profile's folder
};

DesktopHome DesktopHomeFolders();

// Makes the desktop folders the working folder and the profile's folder, creating them when
// missing. Returns what the user must be told: a folder that cannot be created is named, and
// the current folder is used for what it was to hold.
std::string UseDesktopHome(AppState& state);
