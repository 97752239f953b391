// A databank of one's own through the view: checked, browsed from the top
// of the list instead of the installed one, refused with the current one
// kept, and the installed one back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "display/ControlLayout.h"
#include "platform/FileException.h"
#include "support/ViewRig.h"

namespace orb {
namespace {

class OwnDatabank : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.install.Write("DATA/EVENTS.DAT", "1969 AD\r\nInstalled event\r\n");
        rig.WriteScene(8, 1, 10, 20, 30);
        rig.Build();
        rig.state->time.m_scene = 8;
        rig.state->time.m_brightness = 256;
        rig.Paint();
    }

    std::string Own(const std::string& name, const std::string& bytes) {
        return rig.install.Write(name, bytes).string();
    }

    // The texts the list draws at `year` (step 1) on the browsing screen, in
    // the small font.
    std::vector<std::string> Listed(std::int64_t year) {
        rig.state->time.m_year = year;
        rig.state->time.m_yearStep = 1;
        if (rig.state->time.m_browseMode < kBrowsingScreenFrom) {
            rig.view->OnLButtonDown(380, 490);  // TIMELINE
        }
        rig.draws.clear();
        rig.Paint();
        std::vector<std::string> texts;
        for (const orbtest::TextDraw& d : rig.draws) {
            if (d.x == 140 && d.height == -15 &&
                d.text.find_first_not_of(' ') != std::string::npos) {
                texts.push_back(d.text);
            }
        }
        return texts;
    }

    orbtest::ViewRig rig;
};

TEST_F(OwnDatabank, OpensAUtf8FileOfLfLinesAndListsItsEvents) {
    const std::string path = Own("mine.dat", "1969 AD\nMondlandung \xe2\x80\x94 Apollo 11\n");
    const DatabankOpening opening = rig.view->OpenDatabank(path);
    EXPECT_TRUE(opening.opened);
    EXPECT_TRUE(opening.problems.empty());
    EXPECT_EQ(rig.state->m_databankPath, path);
    EXPECT_EQ(Listed(1969), std::vector<std::string>{"Mondlandung \xe2\x80\x94 Apollo 11"});

    rig.view->UseInstalledDatabank();
    EXPECT_EQ(rig.state->m_databankPath, "");
    EXPECT_EQ(rig.state->m_eventsData.size(), kEventsDataSize);
    EXPECT_EQ(Listed(1969), std::vector<std::string>{"Installed event"});
}

// Past the 31,125 bytes the installed databank is read to, a file of one's
// own is read whole.
TEST_F(OwnDatabank, ALargeFileIsReadWhole) {
    std::string bytes;
    for (int i = 0; bytes.size() < 40000; ++i) {
        bytes += "1900 AD\nFiller event number " + std::to_string(i) + "\n";
    }
    bytes += "1969 AD\nThe last event, past byte 40000\n";
    const DatabankOpening opening = rig.view->OpenDatabank(Own("large.dat", bytes));
    ASSERT_TRUE(opening.opened);
    EXPECT_EQ(Listed(1969), std::vector<std::string>{"The last event, past byte 40000"});
}

TEST_F(OwnDatabank, WhileBrowsingTheNewListStartsAtTheTop) {
    Listed(1969);
    rig.state->m_eventsScroll = -280;  // scrolled down some pages
    rig.state->m_repaintBrowse = 0;
    const int invalidations = rig.host.invalidations;
    const DatabankOpening opening = rig.view->OpenDatabank(Own("mine.dat", "1969\nOne\n"));
    ASSERT_TRUE(opening.opened);
    EXPECT_EQ(rig.state->m_eventsScroll, kListTop);
    EXPECT_EQ(rig.state->m_repaintBrowse, 1);
    EXPECT_GT(rig.host.invalidations, invalidations);
}

TEST_F(OwnDatabank, WarningsOpenTheFileAndAreListed) {
    const DatabankOpening opening =
        rig.view->OpenDatabank(Own("warned.dat", "Summer\nA picnic\n1969\nOne\n"));
    EXPECT_TRUE(opening.opened);
    ASSERT_EQ(opening.problems.size(), 1u);
    EXPECT_EQ(opening.problems[0].line, 1u);
    EXPECT_EQ(Listed(1969), std::vector<std::string>{"One"});
}

TEST_F(OwnDatabank, ARefusedOrUnreadableFileLeavesTheCurrentOne) {
    const std::string mine = Own("mine.dat", "1969\nMine\n");
    ASSERT_TRUE(rig.view->OpenDatabank(mine).opened);
    const struct {
        const char* name;
        std::string path;
        bool unreadable;
    } cases[] = {
        {"Latin-1", Own("latin1.dat", "1969\nCaf\xe9\n"), false},
        {"empty", Own("empty.dat", ""), false},
        {"a zero byte inside", Own("zero.dat", std::string("1969\nA\0B\n", 9)), false},
        {"missing", rig.install.Path().string() + "/missing.dat", true},
        {"a directory", rig.install.Path().string(), true},
    };
    for (const auto& c : cases) {
        const DatabankOpening opening = rig.view->OpenDatabank(c.path);
        EXPECT_FALSE(opening.opened) << c.name;
        EXPECT_EQ(!opening.unreadable.empty(), c.unreadable) << c.name;
        EXPECT_EQ(HasError(opening.problems), !c.unreadable) << c.name;
        EXPECT_EQ(rig.state->m_databankPath, mine) << c.name;
    }
    EXPECT_EQ(Listed(1969), std::vector<std::string>{"Mine"});
}

// Opening, refusing and leaving databanks writes nothing: every file keeps
// its bytes and its time, and no file appears.
TEST_F(OwnDatabank, WritesNoFile) {
    const std::string mine = Own("own/mine.dat", "1969\nMine\n");
    Own("own/latin1.dat", "1969\nCaf\xe9\n");
    const auto snapshot = [this] {
        std::vector<std::string> files;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(rig.install.Path())) {
            files.push_back(
                entry.path().string() + " " +
                std::to_string(entry.last_write_time().time_since_epoch().count()) + " " +
                (entry.is_regular_file() ? std::to_string(entry.file_size()) : std::string("dir")));
        }
        std::sort(files.begin(), files.end());
        return files;
    };
    const std::vector<std::string> before = snapshot();
    ASSERT_TRUE(rig.view->OpenDatabank(mine).opened);
    ASSERT_FALSE(rig.view->OpenDatabank(rig.install.Str() + "/own/latin1.dat").opened);
    rig.view->UseInstalledDatabank();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(OwnDatabank, AnInstalledDatabankGoneLeavesTheCurrentOne) {
    const std::string mine = Own("mine.dat", "1969\nMine\n");
    ASSERT_TRUE(rig.view->OpenDatabank(mine).opened);
    std::filesystem::remove(rig.install.Path() / "DATA/EVENTS.DAT");
    EXPECT_THROW(rig.view->UseInstalledDatabank(), platform::FileException);
    EXPECT_EQ(rig.state->m_databankPath, mine);
    EXPECT_EQ(Listed(1969), std::vector<std::string>{"Mine"});
}

}  // namespace
}  // namespace orb
