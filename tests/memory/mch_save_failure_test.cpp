// Saves of a memory file where the disk says no, one row each: the longest name the folder takes
// saves and reads back; every other row fails, shows only " FILE Not Saved. " with the name (as
// it always has), logs one line naming the file and the reason, and leaves the folder as it was.
// A read-only or full file system is a small tmpfs of the test's own, since permissions do not
// bind the superuser the tests may run as.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>

#include "core/IniProcs.h"
#include "memory/clsMEMORY.h"
#include "platform/private_profile.h"
#include "tests/memory/memory_home.h"
#include "tests/support/small_disk.h"

namespace {

using namespace corvell;
namespace fs = std::filesystem;

struct SaveCase {
    const char* id;
    bool onSmallDisk;
    // Makes the trouble once the memory is loaded from `file` in `folder`; the name to save as.
    std::function<std::string(const std::string& folder, const std::string& file,
                              test::SmallDisk* disk)>
        prepare;
    int error;  // what the save fails with; 0 when it saves
};

// A row is named by its id in the test's name and its failures.
void PrintTo(const SaveCase& row, std::ostream* out) {
    *out << row.id;
}

std::map<std::string, std::string> folderContents(const std::string& folder) {
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        found[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return found;
}

std::string nameOfBytes(std::size_t bytes) {
    return std::string(bytes - 4, 'L') + ".MCH";
}

class MchSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(MchSave, SavesOrSaysWhyInTheLog) {
    const SaveCase& row = GetParam();
    test::MemoryHome home;
    const std::string folder = home.path("files");
    fs::create_directory(folder);
    std::optional<test::SmallDisk> disk;
    if (row.onSmallDisk) {
        disk.emplace(folder, 256 * 1024);
        if (!disk->mounted()) GTEST_SKIP() << disk->whyNot();
    }
    const std::string file = folder + "/good.MCH";
    fs::copy_file(test::fixture("windows.MCH"), file);
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(file), 1);
    memory.ch(0, 0).setLngFreq(440000000);
    memory.Change();
    const std::string target = row.prepare(folder, file, disk ? &*disk : nullptr);
    ASSERT_FALSE(target.empty());
    const auto before = folderContents(folder);

    ::testing::internal::CaptureStderr();
    const int16_t saved = memory.SaveAsMemory(target);
    const std::string log = ::testing::internal::GetCapturedStderr();

    if (row.error == 0) {
        EXPECT_EQ(saved, 1);
        EXPECT_TRUE(home.messages().empty());
        EXPECT_EQ(log, "");
        EXPECT_FALSE(memory.MemoryChanged());
        platform::clearProfileCache();
        EXPECT_EQ(ReadIniString(target, "BANK00", "00"),
                  "NONAME,,440,FM,15k,OFF,20kHz,OFF,OFF,OFF");
        EXPECT_EQ(ReadIniString(target, "BANK01", "04"),
                  "Ham 20m,,14.2,USB,3k,OFF,100Hz,OFF,OFF,OFF");
        ASSERT_EQ(memory.LoadMemory(target), 1);
        EXPECT_EQ(memory.filepath(), target);
        EXPECT_EQ(memory.ch(0, 0).lngFreq(), 440000000);
        return;
    }
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(home.messages(), std::vector<std::string>{" FILE Not Saved. \r\n" + target});
    EXPECT_TRUE(log.starts_with("Corvell: ")) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
    EXPECT_NE(log.find(target), std::string::npos) << log;
    EXPECT_NE(log.find(std::strerror(row.error)), std::string::npos) << log;
    EXPECT_TRUE(memory.MemoryChanged());
    EXPECT_EQ(memory.filepath(), file);
    EXPECT_EQ(memory.ch(0, 0).lngFreq(), 440000000);
    EXPECT_EQ(folderContents(folder), before) << "the old file whole and nothing beside it";
}

const SaveCase kCases[] = {
    {"NameOf255Bytes", false,
     [](const std::string& folder, const std::string&, test::SmallDisk*) {
         return folder + "/" + nameOfBytes(255);
     },
     0},
    {"NameOf256Bytes", false,
     [](const std::string& folder, const std::string&, test::SmallDisk*) {
         return folder + "/" + nameOfBytes(256);
     },
     ENAMETOOLONG},
    {"FileMarkedReadOnly", false,
     [](const std::string&, const std::string& file, test::SmallDisk*) {
         ::chmod(file.c_str(), 0444);
         return file;
     },
     EACCES},
    {"FileOnAReadOnlyFileSystem", true,
     [](const std::string&, const std::string& file, test::SmallDisk* disk) {
         return disk->makeReadOnly() ? file : std::string();
     },
     EROFS},
    {"NewFileOnAReadOnlyFileSystem", true,
     [](const std::string& folder, const std::string&, test::SmallDisk* disk) {
         return disk->makeReadOnly() ? folder + "/new.MCH" : std::string();
     },
     EROFS},
    {"FileOnAFullDisk", true,
     [](const std::string&, const std::string& file, test::SmallDisk* disk) {
         return disk->fill() ? file : std::string();
     },
     ENOSPC},
};

INSTANTIATE_TEST_SUITE_P(Rows, MchSave, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.id); });

}  // namespace
