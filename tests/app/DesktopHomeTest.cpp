// The desktop entry's folders: where they are, that they are made, and that the About box says.

#include "../dialogs/DialogTestSupport.h"

#include "app/DesktopHome.h"
#include "app/KelvoFrame.h"
#include "tables/ShippedTables.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

namespace {

// Sets (or with nullopt unsets) an environment variable for the scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(DesktopHome, FoldersFollowTheXdgVariablesWhenTheyAreAbsolutePaths) {
    struct Case {
        std::optional<std::string> data;
        std::optional<std::string> config;
        const char* dataFolder;
        const char* configFolder;
    };
    const Case cases[] = {
        {"/srv/d", "/srv/c", "/srv/d/quelbox", "/srv/c/quelbox"},
        {std::nullopt, std::nullopt, "/home/ann/.local/share/quelbox", "/home/ann/.config/quelbox"},
        {"", "", "/home/ann/.local/share/quelbox", "/home/ann/.config/quelbox"},
        {"rel/d", "./c", "/home/ann/.local/share/quelbox", "/home/ann/.config/quelbox"},
        {"/srv/d", std::nullopt, "/srv/d/quelbox", "/home/ann/.config/quelbox"},
    };
    const ScopedVariable home("HOME", "/home/ann");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.dataFolder) + " " + c.configFolder);
        const ScopedVariable data("XDG_DATA_HOME", c.data);
        const ScopedVariable config("XDG_CONFIG_HOME", c.config);
        const DesktopHome folders = DesktopHomeFolders();
        EXPECT_EQ(folders.data, c.dataFolder);
        EXPECT_EQ(folders.config, c.configFolder);
    }
}

TEST(DesktopHome, FoldersAreMadeAndUsedAndTheAboutBoxNamesThem) {
    EnsureApplication();
    TempFolder root;
    const ScopedVariable data("XDG_DATA_HOME", (root.path() / "share").string());
    const ScopedVariable config("XDG_CONFIG_HOME", (root.path() / "conf").string());
    AppState state;
    EXPECT_EQ(UseDesktopHome(state), "");
    EXPECT_EQ(state.folder, root.path() / "share/quelbox");
    EXPECT_EQ(state.profilePath(), (root.path() / "conf/quelbox/kelvo.ini").string());
    EXPECT_TRUE(std::filesystem::is_directory(state.folder));
    EXPECT_TRUE(std::filesystem::is_directory(root.path() / "conf/quelbox"));
    ASSERT_TRUE(StartUp(state, ShippedTableFolders()).empty());
    EXPECT_TRUE(std::filesystem::exists(state.folder / "UNITS.DAT"));

    KelvoFrame frame(state);
    QString named;
    ModalScript modal({[&named](QDialog& d) {
        named = d.findChild<QLabel*>(QStringLiteral("files"))->text();
        return int{QDialog::Accepted};
    }});
    frame.runCommand(CommandId::About);
    EXPECT_TRUE(named.contains(QString::fromStdString(state.folder.string())))
        << named.toStdString();
    EXPECT_TRUE(named.contains(QString::fromStdString(state.profilePath()))) << named.toStdString();
}

// A file where a folder should be: the user is told and the current folder is used.
TEST(DesktopHome, AFolderThatCannotBeMadeIsNamedAndTheCurrentFolderUsed) {
    TempFolder root;
    std::ofstream(root.path() / "share") << "a file";
    const ScopedVariable data("XDG_DATA_HOME", (root.path() / "share").string());
    const ScopedVariable config("XDG_CONFIG_HOME", (root.path() / "conf").string());
    AppState state;
    const std::string told = UseDesktopHome(state);
    EXPECT_NE(told.find((root.path() / "share/quelbox").string()), std::string::npos) << told;
    EXPECT_EQ(state.folder, ".");
    EXPECT_EQ(state.profilePath(), (root.path() / "conf/quelbox/kelvo.ini").string());
}
