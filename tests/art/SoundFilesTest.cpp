// The generated sounds: exact sizes from the installer's file table, a plain
// PCM header that agrees with the file, moderate levels, quiet edges on the
// one-shot effects, a seamless warp loop, and a second run giving the same
// bytes.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "art/GeneratorRun.h"
#include "io/Files.h"
#include "io/LittleEndian.h"

namespace {

using namespace orb::art;

struct SoundSpec {
    const char* name;
    int bytes;
};

const SoundSpec kSounds[] = {
    {"BEEP.wav", 25550},  {"AX.wav", 17932}, {"ABD.wav", 25054},
    {"ABCD.wav", 288470}, {"ABC.wav", 5336},
};

QString SoundPath(const char* name) {
    return QDir(QStringLiteral(ORB_ART_DIR)).filePath(QStringLiteral("sounds/") + name);
}

std::vector<int> Samples(const QByteArray& b) {
    std::vector<int> out;
    for (int at = 44; at + 1 < b.size(); at += 2) {
        out.push_back(static_cast<std::int16_t>(ReadU16(b, at)));
    }
    return out;
}

TEST(SoundFiles, ExactSizeAndPcmHeader) {
    for (const auto& spec : kSounds) {
        SCOPED_TRACE(spec.name);
        const QByteArray b = ReadFileBytes(SoundPath(spec.name));
        ASSERT_EQ(b.size(), spec.bytes);
        EXPECT_EQ(b.mid(0, 4), QByteArray("RIFF"));
        EXPECT_EQ(ReadU32(b, 4), static_cast<std::uint32_t>(spec.bytes - 8));
        EXPECT_EQ(b.mid(8, 4), QByteArray("WAVE"));
        EXPECT_EQ(b.mid(12, 4), QByteArray("fmt "));
        EXPECT_EQ(ReadU32(b, 16), 16u);
        EXPECT_EQ(ReadU16(b, 20), 1u);  // PCM
        EXPECT_EQ(ReadU16(b, 22), 1u);  // mono
        const std::uint32_t rate = ReadU32(b, 24);
        EXPECT_GE(rate, 8000u);
        EXPECT_LE(rate, 48000u);
        EXPECT_EQ(ReadU16(b, 34), 16u);
        EXPECT_EQ(ReadU16(b, 32), 2u);
        EXPECT_EQ(ReadU32(b, 28), rate * 2);
        EXPECT_EQ(b.mid(36, 4), QByteArray("data"));
        EXPECT_EQ(ReadU32(b, 40), static_cast<std::uint32_t>(spec.bytes - 44));
    }
}

TEST(SoundFiles, ModerateLevelsNeverAtFullScale) {
    for (const auto& spec : kSounds) {
        SCOPED_TRACE(spec.name);
        const auto s = Samples(ReadFileBytes(SoundPath(spec.name)));
        ASSERT_FALSE(s.empty());
        int peak = 0;
        for (int v : s) {
            peak = std::max(peak, std::abs(v));
        }
        EXPECT_LT(peak, 32767 * 9 / 10);  // headroom, no clipping
        EXPECT_GT(peak, 32767 / 10);      // clearly audible
    }
}

TEST(SoundFiles, OneShotEffectsStartAndEndQuietly) {
    for (const char* name : {"BEEP.wav", "AX.wav", "ABD.wav", "ABC.wav"}) {
        SCOPED_TRACE(name);
        const auto s = Samples(ReadFileBytes(SoundPath(name)));
        ASSERT_GT(s.size(), 2u);
        EXPECT_LT(std::abs(s.front()), 330);
        EXPECT_LT(std::abs(s.back()), 330);
    }
    // The beep is short; the file's remainder is silence.
    const auto beep = Samples(ReadFileBytes(SoundPath("BEEP.wav")));
    const auto tail =
        std::max_element(beep.begin() + static_cast<long>(beep.size() / 2), beep.end(),
                         [](int a, int b) { return std::abs(a) < std::abs(b); });
    EXPECT_EQ(*tail, 0);
}

TEST(SoundFiles, WarpLoopSeamIsAsSmoothAsItsNeighbours) {
    const auto s = Samples(ReadFileBytes(SoundPath("ABCD.wav")));
    ASSERT_GT(s.size(), 1000u);
    std::vector<int> steps;
    for (std::size_t i = 1; i < s.size(); ++i) {
        steps.push_back(std::abs(s[i] - s[i - 1]));
    }
    std::sort(steps.begin(), steps.end());
    const int typical = steps[steps.size() * 9 / 10];
    const int seam = std::abs(s.back() - s.front());
    EXPECT_LE(seam, typical) << "seam " << seam << ", 90th percentile step " << typical;
    EXPECT_LT(seam, 2000);
    // It really is a loop of a few seconds, not silence.
    EXPECT_GT(steps[steps.size() / 2], 0);
}

TEST(SoundGenerator, SecondRunGivesTheSameBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const GeneratorRun run = RunGenerator(QStringLiteral(ORB_GEN_SOUNDS), {dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    for (const auto& spec : kSounds) {
        SCOPED_TRACE(spec.name);
        const QByteArray fresh =
            ReadFileBytes(QDir(dir.path()).filePath(QStringLiteral("sounds/") + spec.name));
        ASSERT_EQ(fresh.size(), spec.bytes);
        EXPECT_EQ(fresh, ReadFileBytes(SoundPath(spec.name)));
    }
}

// A sound that cannot be written stops the generator with an error naming
// it, and nothing half-written is left in the sounds folder.
TEST(SoundGenerator, FailsWhenASoundCannotBeWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir sounds(QDir(dir.path()).filePath(QStringLiteral("sounds")));
    // A folder standing where the first sound goes.
    ASSERT_TRUE(sounds.mkpath(QStringLiteral("BEEP.wav")));
    const GeneratorRun run = RunGenerator(QStringLiteral(ORB_GEN_SOUNDS), {dir.path()});
    EXPECT_GT(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains("BEEP.wav")) << run.errors.toStdString();
    EXPECT_TRUE(QFileInfo(sounds.filePath(QStringLiteral("BEEP.wav"))).isDir());
    EXPECT_EQ(sounds.entryList(QDir::Files | QDir::Hidden), QStringList());
}

}  // namespace
