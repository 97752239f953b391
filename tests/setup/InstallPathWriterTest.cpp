#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "field/InstallPathField.h"
#include "setup/patch/InstallPathWriter.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::size_t at, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) {
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A minimal 64-bit ELF image: a header, the given sections' contents, the
// section-name table and the section headers.
struct FakeSection {
    std::string name;
    std::string contents;
};

Bytes MakeElf(const std::vector<FakeSection>& sections, std::vector<std::size_t>* offsets) {
    Bytes image(64, 0);
    const std::uint8_t ident[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
    std::copy(std::begin(ident), std::end(ident), image.begin());
    std::string names(1, '\0');
    std::vector<std::size_t> nameAt;
    for (const FakeSection& s : sections) {
        offsets->push_back(image.size());
        image.insert(image.end(), s.contents.begin(), s.contents.end());
        nameAt.push_back(names.size());
        names += s.name + '\0';
    }
    const std::size_t shstrNameAt = names.size();
    names += ".shstrtab";
    names += '\0';
    const std::size_t namesAt = image.size();
    image.insert(image.end(), names.begin(), names.end());
    const std::size_t shoff = image.size();
    const std::size_t count = sections.size() + 2;  // null section and names
    image.resize(shoff + count * 64, 0);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::size_t h = shoff + (i + 1) * 64;
        Put(image, h, nameAt[i], 4);
        Put(image, h + 4, 1, 4);  // PROGBITS
        Put(image, h + 24, (*offsets)[i], 8);
        Put(image, h + 32, sections[i].contents.size(), 8);
    }
    const std::size_t h = shoff + (count - 1) * 64;
    Put(image, h, shstrNameAt, 4);
    Put(image, h + 4, 3, 4);  // STRTAB
    Put(image, h + 24, namesAt, 8);
    Put(image, h + 32, names.size(), 8);
    Put(image, 0x28, shoff, 8);
    Put(image, 0x3A, 64, 2);
    Put(image, 0x3C, count, 2);
    Put(image, 0x3E, count - 1, 2);
    return image;
}

std::string BlankField() {
    return std::string(110, '?') + '\0';
}

TEST(InstallPathWriter, WritesTheDirectoryWithoutATerminator) {
    std::vector<std::size_t> at;
    Bytes image = MakeElf({{".text", "code"}, {".orb_install_path", BlankField()}}, &at);
    const orbsetup::FieldLocation location = orbsetup::LocateInstallPathField(image);
    ASSERT_TRUE(location.found) << location.error;
    EXPECT_EQ(location.offset, at[1]);

    const struct {
        std::string directory;
    } cases[] = {{"C:\\AL"}, {"C:"}, {"D:\\GAMES"}, {std::string(109, 'p')}, {""}};
    for (const auto& c : cases) {
        Bytes copy = image;
        const orbsetup::PatchResult result = orbsetup::WriteInstallPath(copy, c.directory);
        ASSERT_TRUE(result.ok) << result.error;
        const std::string field(copy.begin() + static_cast<std::ptrdiff_t>(at[1]),
                                copy.begin() + static_cast<std::ptrdiff_t>(at[1] + 111));
        EXPECT_EQ(field, c.directory + std::string(110 - c.directory.size(), '?') + '\0');
        // Nothing outside the field moved.
        EXPECT_TRUE(std::equal(copy.begin(), copy.begin() + static_cast<std::ptrdiff_t>(at[1]),
                               image.begin()));
        EXPECT_TRUE(std::equal(copy.begin() + static_cast<std::ptrdiff_t>(at[1] + 111), copy.end(),
                               image.begin() + static_cast<std::ptrdiff_t>(at[1] + 111)));
        // And the viewer reads back what was written.
        std::string bytes = field;
        EXPECT_EQ(orb::TakeInstallDirectory(bytes.data()), c.directory);
    }
}

TEST(InstallPathWriter, OneTrailingSeparatorIsRemovedBeforeWriting) {
    const struct {
        std::string typed;
        std::string stored;
    } cases[] = {
        {"D:\\GAMES\\", "D:\\GAMES"},
        {"C:\\", "C:"},
        {"C:\\AL", "C:\\AL"},
        {"/opt/orbilon/", "/opt/orbilon"},
        {"/", ""},
        {"D:\\GAMES\\\\", "D:\\GAMES\\"},
        {"", ""},
    };
    std::vector<std::size_t> at;
    const Bytes image = MakeElf({{".orb_install_path", BlankField()}}, &at);
    for (const auto& c : cases) {
        EXPECT_EQ(orbsetup::WithoutTrailingSeparator(c.typed), c.stored) << c.typed;
        Bytes copy = image;
        ASSERT_TRUE(
            orbsetup::WriteInstallPath(copy, orbsetup::WithoutTrailingSeparator(c.typed)).ok);
        std::string field(copy.begin() + static_cast<std::ptrdiff_t>(at[0]),
                          copy.begin() + static_cast<std::ptrdiff_t>(at[0] + 111));
        EXPECT_EQ(orb::TakeInstallDirectory(field.data()), c.stored) << c.typed;
    }
}

TEST(InstallPathWriter, RefusesBadDirectoriesAndWritesNothing) {
    std::vector<std::size_t> at;
    const Bytes image = MakeElf({{".orb_install_path", BlankField()}}, &at);
    for (const std::string& directory : {std::string(110, 'p'), std::string(127, 'p'),
                                         std::string("/a?b"), std::string("a\0b", 3)}) {
        Bytes copy = image;
        const orbsetup::PatchResult result = orbsetup::WriteInstallPath(copy, directory);
        EXPECT_FALSE(result.ok) << directory;
        EXPECT_FALSE(result.error.empty());
        EXPECT_EQ(copy, image);
    }
    Bytes copy = image;
    const std::string error = orbsetup::WriteInstallPath(copy, std::string(110, 'p')).error;
    EXPECT_NE(error.find("110 bytes long; at most 109"), std::string::npos) << error;
}

TEST(InstallPathWriter, RefusesImagesWithoutExactlyOneSoundField) {
    std::string damaged = BlankField();
    damaged[40] = 'X';
    std::string unterminated = BlankField();
    unterminated[110] = '?';
    const struct {
        const char* what;
        std::vector<FakeSection> sections;
    } cases[] = {
        {"missing", {{".data", BlankField()}}},
        {"duplicated", {{".orb_install_path", BlankField()}, {".orb_install_path", BlankField()}}},
        {"too short", {{".orb_install_path", std::string(110, '?')}}},
        {"too long", {{".orb_install_path", BlankField() + "?"}}},
        {"damaged", {{".orb_install_path", damaged}}},
        {"unterminated", {{".orb_install_path", unterminated}}},
        {"similar name", {{".orb_install_path2", BlankField()}}},
    };
    for (const auto& c : cases) {
        std::vector<std::size_t> at;
        Bytes image = MakeElf(c.sections, &at);
        const Bytes before = image;
        const orbsetup::PatchResult result = orbsetup::WriteInstallPath(image, "C:\\AL");
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_FALSE(result.error.empty()) << c.what;
        EXPECT_EQ(image, before) << c.what;
    }
}

TEST(InstallPathWriter, RefusesDamagedFilesWithoutReadingPastThem) {
    std::vector<std::size_t> at;
    const Bytes good = MakeElf({{".orb_install_path", BlankField()}}, &at);
    Bytes notElf = good;
    notElf[1] = 'X';
    Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() - 10));
    Bytes wildOffset = good;
    Put(wildOffset, 0x28, 0xFFFFFFFFFFFF0000ull, 8);
    Bytes wildName = good;
    Put(wildName, wildName.size() - std::size_t{2} * 64, 0x7FFFFFFF, 4);  // first section's name
    Bytes tiny(10, 0x7F);
    for (Bytes* image : {&notElf, &cut, &wildOffset, &wildName, &tiny}) {
        EXPECT_FALSE(orbsetup::LocateInstallPathField(*image).found);
    }
}

TEST(InstallPathWriter, APatchedProgramReadsItsDirectory) {
    std::ifstream in(ORB_FIELD_PROBE, std::ios::binary);
    ASSERT_TRUE(in);
    Bytes image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    orbtest::TempDir dir;
    const auto run = [&](const Bytes& bytes) {
        const auto path = dir.Path() / "probe";
        std::filesystem::remove(path);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return orbtest::CommandOutput("'" + path.string() + "'");
    };
    EXPECT_EQ(run(image), "[]\n");  // as built: never installed
    for (const std::string& directory : {std::string("/opt/orbilon"), std::string(109, 'q')}) {
        Bytes patched = image;
        const orbsetup::PatchResult result = orbsetup::WriteInstallPath(patched, directory);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(run(patched), "[" + directory + "]\n");
        // A patched image is no longer blank, so it cannot be patched twice.
        EXPECT_FALSE(orbsetup::WriteInstallPath(patched, "/elsewhere").ok);
    }
}

TEST(InstallPathWriter, FindsTheFieldInTheBuiltViewer) {
    std::ifstream in(ORB_VIEWER_IMAGE, std::ios::binary);
    ASSERT_TRUE(in);
    Bytes image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const orbsetup::FieldLocation location = orbsetup::LocateInstallPathField(image);
    ASSERT_TRUE(location.found) << location.error;
    EXPECT_EQ(std::string(image.begin() + static_cast<std::ptrdiff_t>(location.offset),
                          image.begin() + static_cast<std::ptrdiff_t>(location.offset + 110)),
              std::string(110, '?'));
}

}  // namespace
