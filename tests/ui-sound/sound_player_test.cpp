// The sound player: a file that cannot be read fails at once and says why; a real sound file
// either starts playing (there is an audio output) or fails quietly with a logged reason (no
// output: a server, a container, the offscreen platform); a second sound replaces the first.
#include <gmock/gmock.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "ui/sound/QtSoundPlayer.h"

namespace corvell::test {
namespace {

using ::testing::HasSubstr;

// A tenth of a second of silence as 8 kHz 16-bit mono PCM.
void writeWav(const std::string& path) {
    const uint32_t samples = 800, rate = 8000, bytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + bytes);
    out << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out << "data";
    u32(bytes);
    for (uint32_t i = 0; i < samples; ++i) u16(0);
}

class SoundPlayerTest : public ::testing::Test {
  protected:
    SoundPlayerTest() {
        char tmpl[] = "/tmp/corvell-sound-XXXXXX";
        dir = ::mkdtemp(tmpl);
    }
    ~SoundPlayerTest() override { std::filesystem::remove_all(dir); }
    std::string dir;
    ui::QtSoundPlayer player;
};

TEST_F(SoundPlayerTest, AFileThatCannotBeReadFailsAndSaysWhy) {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(player.playAsync(dir + "/missing.wav"));
    EXPECT_FALSE(player.playAsync(dir));
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(log, HasSubstr("cannot play " + dir + "/missing.wav: the file cannot be read"));
    EXPECT_THAT(log, HasSubstr("cannot play " + dir + ": the file cannot be read"));
}

TEST_F(SoundPlayerTest, ASoundStartsOrFailsQuietlyWithoutAnOutput) {
    const std::string bell = dir + "/bell.wav";
    const std::string horn = dir + "/horn.wav";
    writeWav(bell);
    writeWav(horn);
    ::testing::internal::CaptureStderr();
    const bool first = player.playAsync(bell);
    const bool second = player.playAsync(horn);  // replaces the first
    QCoreApplication::processEvents();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(first, second);
    if (!first) {
        EXPECT_THAT(log, HasSubstr("cannot play " + bell + ": there is no audio output"));
    } else {
        EXPECT_THAT(log, ::testing::Not(HasSubstr("cannot play")));
    }
}

}  // namespace
}  // namespace corvell::test
