// Databanks of one's own through the File menu's real commands (the file
// dialog and the messages through their seam) and through the command line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "display/ViewState.h"
#include "res/ResourceIds.h"
#include "shell/CMainFrame.h"
#include "shell/COrbApp.h"
#include "support/ShellRig.h"

namespace orb {
namespace {

class DatabankMenu : public orbtest::ShownShell {
  protected:
    void SetUp() override {
        ShownShell::SetUp();
        DatabankDialogs dialogs;
        dialogs.choose = [this](QWidget*) { return chosen; };
        dialogs.tell = [this](QWidget*, bool warning, const QString& text) {
            told.push_back({warning, text.toStdString()});
        };
        app->SetDatabankDialogs(dialogs);
        frame = app->MainFrame();
    }

    void Trigger(int id) { frame->ActionFor(id)->trigger(); }
    std::string Caption() const { return frame->windowTitle().toStdString(); }
    std::string Data() const {
        return std::string(state->m_eventsData.begin(), state->m_eventsData.end());
    }
    bool Enabled(int id) const { return frame->ActionFor(id)->isEnabled(); }

    struct Told {
        bool warning;
        std::string text;
    };
    QString chosen;
    std::vector<Told> told;
    CMainFrame* frame = nullptr;
};

TEST_F(DatabankMenu, SelectReloadAndBackToTheInstalledOne) {
    EXPECT_EQ(Caption(), "Orbilon 1.2");
    EXPECT_FALSE(Enabled(res::ID_FILE_INSTALLED_DATABANK));
    EXPECT_FALSE(Enabled(res::ID_FILE_RELOAD_DATABANK));
    const std::string first = "1969 AD\nMine\n";
    const std::string path = install.Write("own/Mine.DAT", first).string();

    chosen = QString::fromStdString(path);
    Trigger(res::ID_FILE_SELECTDATABANK);
    EXPECT_EQ(Caption(), "Orbilon 1.2 - Mine.DAT");
    EXPECT_EQ(Data(), first);
    EXPECT_TRUE(Enabled(res::ID_FILE_INSTALLED_DATABANK));
    EXPECT_TRUE(Enabled(res::ID_FILE_RELOAD_DATABANK));
    EXPECT_TRUE(told.empty());

    // Edited, then read again.
    const std::string edited = first + "1970 AD\nAdded later\n";
    install.Write("own/Mine.DAT", edited);
    Trigger(res::ID_FILE_RELOAD_DATABANK);
    EXPECT_EQ(Data(), edited);

    Trigger(res::ID_FILE_INSTALLED_DATABANK);
    EXPECT_EQ(Caption(), "Orbilon 1.2");
    EXPECT_EQ(Data().substr(0, 14), "20 JUL 1969 AD");
    EXPECT_EQ(state->m_eventsData.size(), kEventsDataSize);
    EXPECT_FALSE(Enabled(res::ID_FILE_INSTALLED_DATABANK));
    EXPECT_FALSE(Enabled(res::ID_FILE_RELOAD_DATABANK));
    EXPECT_TRUE(told.empty());
}

TEST_F(DatabankMenu, ACancelledChoiceChangesNothing) {
    chosen.clear();
    Trigger(res::ID_FILE_SELECTDATABANK);
    EXPECT_EQ(Caption(), "Orbilon 1.2");
    EXPECT_TRUE(state->m_databankPath.empty());
    EXPECT_TRUE(told.empty());
}

TEST_F(DatabankMenu, WarningsAreShownAndTheFileOpens) {
    std::string bytes;
    for (int i = 0; i < 12; ++i) {
        bytes += "Someday\nNo year " + std::to_string(i) + "\n";
    }
    chosen = QString::fromStdString(install.Write("warned.dat", bytes + "1969\nOne\n").string());
    Trigger(res::ID_FILE_SELECTDATABANK);
    EXPECT_EQ(Caption(), "Orbilon 1.2 - warned.dat");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_FALSE(told[0].warning);
    EXPECT_NE(told[0].text.find("warned.dat is open"), std::string::npos) << told[0].text;
    EXPECT_NE(told[0].text.find("line 1: warning: the date line gives no year"), std::string::npos);
    EXPECT_NE(told[0].text.find("line 19: warning"), std::string::npos);  // the tenth
    EXPECT_EQ(told[0].text.find("line 21: warning"), std::string::npos);
    EXPECT_NE(told[0].text.find("and 2 more problems"), std::string::npos);
}

TEST_F(DatabankMenu, ARefusedFileIsReportedAndTheCurrentOneStays) {
    chosen = QString::fromStdString(install.Write("latin1.dat", "1969\nCaf\xe9\n").string());
    Trigger(res::ID_FILE_SELECTDATABANK);
    EXPECT_EQ(Caption(), "Orbilon 1.2");
    EXPECT_TRUE(state->m_databankPath.empty());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].warning);
    EXPECT_NE(told[0].text.find("line 2: error: not UTF-8 text"), std::string::npos)
        << told[0].text;

    chosen = QString::fromStdString(install.Str() + "/nowhere.dat");
    Trigger(res::ID_FILE_SELECTDATABANK);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_NE(told[1].text.find("cannot open it: No such file or directory"), std::string::npos)
        << told[1].text;
}

// The installed databank gone meanwhile: said, and the file of one's own stays.
TEST_F(DatabankMenu, AnInstalledDatabankThatCannotBeReadIsReported) {
    chosen = QString::fromStdString(install.Write("mine.dat", "1969\nMine\n").string());
    Trigger(res::ID_FILE_SELECTDATABANK);
    std::filesystem::remove(install.Path() / "data/EVENTS.dat");
    Trigger(res::ID_FILE_INSTALLED_DATABANK);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].warning);
    EXPECT_NE(told[0].text.find("The events databank could not be read"), std::string::npos)
        << told[0].text;
    EXPECT_EQ(Caption(), "Orbilon 1.2 - mine.dat");
    EXPECT_TRUE(Enabled(res::ID_FILE_INSTALLED_DATABANK));
    EXPECT_EQ(Data(), "1969\nMine\n");
}

// The command line's databank: absolute, or relative to where the program
// was started.
TEST_F(DatabankMenu, TheCommandLinesDatabankAbsoluteOrRelative) {
    const std::string absolute = install.Write("cli/abs.dat", "1969\nAbsolute\n").string();
    app->OpenStartDatabank(absolute);
    EXPECT_EQ(state->m_databankPath, absolute);
    EXPECT_EQ(Caption(), "Orbilon 1.2 - abs.dat");

    install.Write("cli/rel.dat", "1969\nRelative\n");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(install.Path() / "cli");
    app->OpenStartDatabank("./rel.dat");
    std::filesystem::current_path(before);
    EXPECT_EQ(state->m_databankPath, (install.Path() / "cli/rel.dat").string());
    EXPECT_EQ(Data(), "1969\nRelative\n");
    EXPECT_TRUE(told.empty());

    // Refused at start: said, and the databank stays.
    testing::internal::CaptureStderr();
    app->OpenStartDatabank(install.Str() + "/cli/missing.dat");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("orb: Orbilon cannot open the databank"), std::string::npos) << err;
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].warning);
    EXPECT_EQ(Data(), "1969\nRelative\n");
}

}  // namespace
}  // namespace orb
