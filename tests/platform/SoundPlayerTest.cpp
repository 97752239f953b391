#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "platform/SoundFlags.h"
#include "platform/SoundPlayer.h"
#include "platform/qt/SystemSound.h"
#include "support/TempDir.h"

namespace {

using namespace platform;

class RecordingBackend final : public SoundBackend {
  public:
    explicit RecordingBackend(std::vector<std::string>* log) : m_log(log) {}
    void Play(const std::string& hostPath, bool loop) override {
        m_log->push_back((loop ? "loop " : "play ") + hostPath);
        m_playing = true;
    }
    void Stop() override {
        m_log->push_back("stop");
        m_playing = false;
    }
    bool IsPlaying() const override { return m_playing; }

  private:
    std::vector<std::string>* m_log;
    bool m_playing = false;
};

class SoundPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.Write("ABCD.wav", "RIFF");
        dir.Write("BEEP.wav", "RIFF");
    }
    std::string In(const std::string& name) const { return dir.Str() + "\\" + name; }

    orbtest::TempDir dir;
    std::vector<std::string> log;
    SoundPlayer player{std::make_unique<RecordingBackend>(&log)};
};

TEST_F(SoundPlayerTest, WarpLoopStartsOnceWithNoStop) {
    const unsigned warp = SND_FILENAME | SND_LOOP | SND_NOSTOP | SND_ASYNC;
    EXPECT_EQ(warp, 0x20019u);
    EXPECT_TRUE(player.PlaySound(In("abcd.wav").c_str(), warp));
    EXPECT_FALSE(player.PlaySound(In("abcd.wav").c_str(), warp));  // already playing
    EXPECT_FALSE(player.PlaySound(In("abcd.wav").c_str(), warp));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "loop " + dir.Str() + "/ABCD.wav");
}

TEST_F(SoundPlayerTest, NullNameStopsAndPlainPlayReplaces) {
    player.PlaySound(In("ABCD.wav").c_str(), SND_LOOP | SND_ASYNC);
    EXPECT_TRUE(player.PlaySound(nullptr, SND_ASYNC));
    EXPECT_TRUE(player.PlaySound(In("beep.wav").c_str(), SND_ASYNC));
    const std::vector<std::string> expected = {"loop " + dir.Str() + "/ABCD.wav", "stop",
                                               "play " + dir.Str() + "/BEEP.wav"};
    EXPECT_EQ(log, expected);
}

TEST_F(SoundPlayerTest, MissingFileIsSilent) {
    EXPECT_FALSE(player.PlaySound(In("ax.wav").c_str(), SND_ASYNC));
    EXPECT_EQ(log, std::vector<std::string>{"stop"});
}

TEST(SystemSound, MissingFileNeverBlocksOrThrows) {
    SoundPlayer player(CreateSystemSoundBackend());
    EXPECT_FALSE(player.PlaySound("/nonexistent/abcd.wav", SND_FILENAME | SND_ASYNC));
    EXPECT_TRUE(player.PlaySound(nullptr, SND_ASYNC));
}

}  // namespace

namespace {

// A short, valid 16-bit mono WAV of silence.
std::string SilentWav(std::uint32_t samples) {
    const std::uint32_t dataBytes = samples * 2;
    std::string wav = "RIFF";
    const auto put32 = [&wav](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            wav.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    };
    const auto put16 = [&wav](std::uint16_t v) {
        wav.push_back(static_cast<char>(v & 0xFF));
        wav.push_back(static_cast<char>(v >> 8));
    };
    put32(36 + dataBytes);
    wav += "WAVEfmt ";
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    wav += "data";
    put32(dataBytes);
    wav.append(dataBytes, '\0');
    return wav;
}

TEST(SystemSound, RealFilesStartAndStopWithoutADevice) {
    orbtest::TempDir dir;
    dir.Write("ABCD.wav", SilentWav(22050));
    std::unique_ptr<platform::SoundBackend> backend = platform::CreateSystemSoundBackend();
    const platform::SoundBackend* sound = backend.get();
    platform::SoundPlayer player(std::move(backend));
    const std::string name = dir.Str() + "\\abcd.wav";
    const unsigned warp = SND_FILENAME | SND_LOOP | SND_NOSTOP | SND_ASYNC;

    // Whether a device exists or not, these calls return and never throw. A
    // loop that is still loading counts as playing: the second call leaves it
    // alone.
    EXPECT_TRUE(player.PlaySound(name.c_str(), warp));
    EXPECT_FALSE(player.PlaySound(name.c_str(), warp));
    EXPECT_TRUE(player.PlaySound(nullptr, SND_ASYNC));
    // Qt loads samples on a thread of its own; the stopped loop is silent once
    // loading has ended, and only then may the effect go.
    EXPECT_TRUE(QTest::qWaitFor([sound] { return !sound->IsPlaying(); }, 10000));

    // The same file again uses the loaded effect: nothing more to wait for.
    EXPECT_TRUE(player.PlaySound(name.c_str(), SND_ASYNC));
    EXPECT_TRUE(player.PlaySound(nullptr, SND_ASYNC));
    EXPECT_FALSE(sound->IsPlaying());
}

}  // namespace
