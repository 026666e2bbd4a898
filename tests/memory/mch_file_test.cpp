// Memory files through real files: round trips, the Windows-written fixture, the lazy-save rule,
// new-file names, and saves that cannot reach the disk.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/IniProcs.h"
#include "core/ReceiverCodes.h"
#include "memory/clsMEMORY.h"
#include "memory/clsMemoryDATA.h"
#include "platform/private_profile.h"
#include "tests/memory/memory_home.h"

namespace {

using namespace corvell;
namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        line.push_back(c);
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string copyFixture(const test::MemoryHome& home, const std::string& as) {
    const std::string path = home.path(as);
    fs::copy_file(test::fixture("windows.MCH"), path);
    return path;
}

void fillChannel(clsMchDATA& r, int32_t freq, const std::string& name) {
    r.setName1(name);
    r.setName2("remark of " + name);
    r.setLngFreq(freq);
    r.setModeText("AM");
    r.setFilterText("6k");
    r.setTsname("9k");
    r.setIntAtt(1);
    r.setIntTag(0);
    r.setIntSkip(1);
    r.setIntTsql(14);
}

TEST(MchFile, WindowsWrittenFileOpens) {
    test::MemoryHome home;
    const std::string path = copyFixture(home, "windows.MCH");
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(path), 1);
    EXPECT_TRUE(home.messages().empty());
    EXPECT_FALSE(memory.MemoryChanged());
    EXPECT_EQ(memory.filepath(), path);
    EXPECT_EQ(memory.ActiveBank(), 1);
    EXPECT_EQ(memory.ActiveCh(), 4);
    EXPECT_EQ(memory.CurrentCh(0), 2);
    EXPECT_EQ(memory.strBankName(0), "Air and sea");
    EXPECT_EQ(memory.strBankName(1), "Short wave");
    EXPECT_EQ(memory.strBankName(2), "");

    memory.ch(0, 2);
    EXPECT_EQ(memory.lngFreq(), 156800000);
    EXPECT_EQ(memory.strChName(), "Marine 16       ");
    EXPECT_EQ(memory.strTsName(), "12.5kHz");
    EXPECT_EQ(memory.intSkip(), 1);
    EXPECT_EQ(memory.intTsql(), 10);
    memory.ch(0, 7);
    EXPECT_EQ(memory.lngFreq(), 594000);
    EXPECT_EQ(memory.intAtt(), 1);
    memory.ch(0, 12);
    EXPECT_EQ(memory.strModeName(), "WFM");
    EXPECT_EQ(memory.strFilterName(), "230k");
    EXPECT_EQ(memory.strComment(), "Stereo" + std::string(26, ' '));
    memory.ch(0, 49);
    EXPECT_EQ(memory.lngFreq(), 1300000000);
    EXPECT_EQ(memory.intTsql(), 51);
    memory.ch(1, 3);
    EXPECT_EQ(memory.lngFreq(), 7012500);
    EXPECT_EQ(memory.strModeName(), "CW");
    EXPECT_TRUE(memory.chk_blank(1, 5));
}

TEST(MchFile, OpeningAndSavingUnchangedKeepsTheFileByteForByte) {
    test::MemoryHome home;
    const std::string path = copyFixture(home, "windows.MCH");
    const std::string before = home.read("windows.MCH");
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(path), 1);
    ASSERT_EQ(memory.SaveMemory(), 1);
    EXPECT_EQ(home.read("windows.MCH"), before);
}

TEST(MchFile, SavingRewritesOnlyChannelsThatWereRead) {
    test::MemoryHome home;
    const std::string path = copyFixture(home, "windows.MCH");
    const auto original = linesOf(home.read("windows.MCH"));
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(path), 1);
    memory.ch(0, 1).setLngFreq(119000000);
    memory.ch(0, 2).setLngFreq(0);          // becomes blank: its key goes
    memory.ch(1, 20).setLngFreq(50000000);  // was blank: gets a key
    memory.Change();
    ASSERT_EQ(memory.SaveMemory(), 1);
    EXPECT_FALSE(memory.MemoryChanged());

    const auto saved = linesOf(home.read("windows.MCH"));
    for (const std::string& line : original) {
        if (line.starts_with("01=") || line.starts_with("02=")) continue;
        EXPECT_TRUE(contains(saved, line)) << line;
    }
    for (const std::string& line : saved) EXPECT_TRUE(line.ends_with("\r\n")) << line;
    EXPECT_FALSE(contains(saved, original[5]));  // the old line of channel 1
    EXPECT_EQ(ReadIniString(path, "BANK00", "01"),
              "Tower,Approach east,119,AM,6k,OFF,25kHz,ON,OFF,OFF");
    EXPECT_EQ(ReadIniString(path, "BANK00", "02"), "");
    EXPECT_EQ(ReadIniString(path, "BANK01", "20"), "NONAME,,50,FM,15k,OFF,20kHz,OFF,OFF,OFF");
}

TEST(MchFile, SaveAsCarriesChannelsNeverShown) {
    test::MemoryHome home;
    const std::string a = copyFixture(home, "a.MCH");
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(a), 1);
    ASSERT_EQ(memory.SaveAsMemory(home.path("b.MCH")), 1);
    EXPECT_EQ(memory.filepath(), home.path("b.MCH"));
    for (const std::string& line : linesOf(home.read("a.MCH"))) {
        if (line[0] >= '0' && line[0] <= '9') {
            const std::string key = line.substr(0, 2);
            // Same value; the bank is found through the section the key sits in.
            bool found = false;
            for (int bank = 0; bank < 2; ++bank) {
                char section[8];
                std::snprintf(section, sizeof section, "BANK%02d", bank);
                const std::string value = line.substr(3, line.size() - 5);
                found = found || ReadIniString(home.path("b.MCH"), section, key) == value;
            }
            EXPECT_TRUE(found) << line;
        }
    }
    EXPECT_EQ(ReadIniString(home.path("b.MCH"), "BANK00", "BANKNAME"), "Air and sea");
    EXPECT_EQ(ReadIniInt(home.path("b.MCH"), "COMMON", "ACTIVEBANK"), "1");
}

TEST(MchFile, RoundTripThroughANewFile) {
    test::MemoryHome home;
    {
        clsMEMORY& memory = ProgramMemory();
        memory.NewMemory();
        for (int bank = 0; bank < 20; bank += 3) {
            for (int ch = 0; ch < 50; ch += 7) {
                fillChannel(memory.chData(bank, ch), 100000000 + bank * 1000000 + ch * 12500,
                            "B" + std::to_string(bank) + "C" + std::to_string(ch));
            }
        }
        memory.setStrBankName(4, "Four, with comma");
        memory.setStrBankName(5, "\"quoted\"");
        memory.setActiveBank(6);
        memory.setActiveCh(33);
        ASSERT_EQ(memory.SaveAsMemory(home.path("round.MCH")), 1);
    }
    ResetProgramMemory();
    platform::clearProfileCache();
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(home.path("round.MCH")), 1);
    EXPECT_EQ(memory.ActiveBank(), 6);
    EXPECT_EQ(memory.ActiveCh(), 33);
    EXPECT_EQ(memory.strBankName(4), "Four, with comma");
    EXPECT_EQ(memory.strBankName(5), "\"quoted\"");
    for (int bank = 0; bank < 20; ++bank) {
        for (int ch = 0; ch < 50; ++ch) {
            const clsMchDATA& r = memory.chData(bank, ch);
            if (bank % 3 != 0 || ch % 7 != 0) {
                EXPECT_EQ(r.lngFreq(), 0) << bank << "/" << ch;
                continue;
            }
            clsMchDATA expected;
            fillChannel(expected, 100000000 + bank * 1000000 + ch * 12500,
                        "B" + std::to_string(bank) + "C" + std::to_string(ch));
            EXPECT_EQ(r.lngFreq(), expected.lngFreq());
            EXPECT_EQ(r.name1(), expected.name1());
            EXPECT_EQ(r.name2(), expected.name2());
            EXPECT_EQ(r.intMode(), kModeAM);
            EXPECT_EQ(r.intFilter(), kFilter6k);
            EXPECT_EQ(r.tsfrq(), 9000);
            EXPECT_EQ(r.intAtt(), 1);
            EXPECT_EQ(r.intTag(), 0);
            EXPECT_EQ(r.intSkip(), 1);
            EXPECT_EQ(r.intTsql(), 14);
        }
    }
}

TEST(MchFile, LongPathsAreKeptWhole) {
    test::MemoryHome home;
    std::string dir = home.dir();
    for (int i = 0; i < 8; ++i) dir += "/" + std::string(40, static_cast<char>('a' + i));
    fs::create_directories(dir);
    const std::string path = dir + "/a memory file with a long name of its own.mch";
    ASSERT_GT(path.size(), 300u);
    clsMEMORY& memory = ProgramMemory();
    memory.NewMemory();
    memory.chData(2, 2).setLngFreq(433500000);
    ASSERT_EQ(memory.SaveAsMemory(path), 1);
    EXPECT_EQ(memory.filepath(), path);
    ResetProgramMemory();
    clsMEMORY& again = ProgramMemory();
    ASSERT_EQ(again.LoadMemory(path), 1);
    EXPECT_EQ(again.filepath(), path);
    EXPECT_EQ(again.chData(2, 2).lngFreq(), 433500000);
}

TEST(MchFile, OutOfRangeBankAndChannelNumbersAreClamped) {
    test::MemoryHome home;
    home.write("c.MCH",
               "[COMMON]\nACTIVEBANK=25\n[BANK19]\nACTIVECH=99\n[BANK03]\nACTIVECH=-3\n"
               "[BANK04]\nACTIVECH=abc\n");
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(home.path("c.MCH")), 1);
    EXPECT_EQ(memory.ActiveBank(), 19);
    EXPECT_EQ(memory.ActiveCh(), 49);
    EXPECT_EQ(memory.CurrentCh(3), 0);
    EXPECT_EQ(memory.CurrentCh(4), 0);
}

TEST(MchFile, NewFileTakesTheFirstFreeName) {
    const struct {
        std::vector<std::string> present;
        std::string chosen;
    } cases[] = {
        {{}, "NONAME.MCH"},
        {{"NONAME.MCH", "NONAME1.MCH"}, "NONAME2.MCH"},
        {{"noname.mch", "NONAME1.mch", "NONAME3.MCH"}, "NONAME2.MCH"},
        {{"NONAME.MCH", "NONAME2.MCH"}, "NONAME1.MCH"},
    };
    for (const auto& c : cases) {
        test::MemoryHome home;
        for (const auto& name : c.present) home.write(name, "");
        clsMEMORY& memory = ProgramMemory();
        memory.NewMemory();
        EXPECT_EQ(memory.filepath(), home.path(c.chosen));
        EXPECT_FALSE(memory.MemoryChanged());
        EXPECT_TRUE(memory.MemoryRedraw());
    }
}

TEST(MchFile, NewFileNeverReusesATakenName) {
    test::MemoryHome home;
    home.write("NONAME.MCH", "");
    for (int n = 1; n <= 99; ++n) home.write("NONAME" + std::to_string(n) + ".MCH", "");
    clsMEMORY& memory = ProgramMemory();
    memory.NewMemory();
    EXPECT_EQ(memory.filepath(), home.path("NONAME100.MCH"));
}

TEST(MchFile, NewMemoryReadsNothingFromAFileOfItsName) {
    test::MemoryHome home;
    clsMEMORY& memory = ProgramMemory();
    memory.NewMemory();
    const std::string path = memory.filepath();
    ASSERT_EQ(path, home.path("NONAME.MCH"));
    // The name was free when chosen; another program writes a file under it meanwhile.
    home.write("NONAME.MCH",
               "[BANK00]\n00=Stranger,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF\nBANKNAME=Theirs\n");
    EXPECT_TRUE(memory.chk_blank(0, 0));
    memory.chData(0, 3).setLngFreq(430000000);
    ASSERT_EQ(memory.SaveMemory(), 1);
    EXPECT_EQ(ReadIniString(path, "BANK00", "00"), "");
    EXPECT_EQ(ReadIniString(path, "BANK00", "BANKNAME"), "");
    EXPECT_EQ(ReadIniString(path, "BANK00", "03"), "NONAME,,430,FM,15k,OFF,20kHz,OFF,OFF,OFF");

    clsMemoryDATA store;
    home.write("other.MCH", "[BANK00]\n00=Stranger,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF\n");
    store.NewMemory(home.path("other.MCH"));
    EXPECT_TRUE(store.chk_blank(0, 0));
}

TEST(MchFile, OpeningNoNameGivesAnEmptyMemoryNamedNonameInTheCurrentDirectory) {
    test::MemoryHome home;
    clsMEMORY& memory = ProgramMemory();
    memory.setMemoryRedraw(false);
    EXPECT_EQ(memory.LoadMemory(""), 1);
    EXPECT_TRUE(home.messages().empty());
    EXPECT_EQ(memory.filepath(), home.path("NONAME.MCH"));
    EXPECT_FALSE(memory.MemoryChanged());
    EXPECT_TRUE(memory.MemoryRedraw());
    EXPECT_EQ(memory.ActiveBank(), 0);
    EXPECT_TRUE(memory.chk_blank(0, 0));
    EXPECT_FALSE(fs::exists(home.path("NONAME.MCH")));
}

TEST(MchFile, OpeningWhatCannotBeOpenedTellsAndKeepsTheMemory) {
    test::MemoryHome home;
    const std::string good = copyFixture(home, "good.MCH");
    fs::create_directory(home.path("folder.MCH"));
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(good), 1);
    memory.ch(0, 0).setLngFreq(440000000);
    memory.Change();
    for (const std::string& bad : {home.path("missing.MCH"), home.path("folder.MCH")}) {
        memory.setMemoryRedraw(false);
        EXPECT_EQ(memory.LoadMemory(bad), 0);
        ASSERT_FALSE(home.messages().empty());
        EXPECT_EQ(home.messages().back(), " FILE Not Open. \r\n" + bad);
        EXPECT_EQ(home.presenter.shown().back().icon, platform::MessageIcon::Warning);
        EXPECT_TRUE(memory.MemoryRedraw());
        EXPECT_EQ(memory.filepath(), good);
        EXPECT_TRUE(memory.MemoryChanged());
        EXPECT_EQ(memory.ch(0, 0).lngFreq(), 440000000);
    }
}

TEST(MchFile, SaveThatCannotBeWrittenTellsAndLosesNothing) {
    test::MemoryHome home;
    const std::string good = copyFixture(home, "good.MCH");
    const std::string before = home.read("good.MCH");
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(good), 1);
    memory.ch(0, 0).setLngFreq(440000000);
    memory.Change();

    for (const std::string& bad :
         {home.path("missing/x.MCH"), home.path("good.MCH/x.MCH"), std::string("/proc/x.MCH")}) {
        EXPECT_EQ(memory.SaveAsMemory(bad), 0) << bad;
        ASSERT_FALSE(home.messages().empty());
        EXPECT_EQ(home.messages().back(), " FILE Not Saved. \r\n" + bad);
        EXPECT_TRUE(memory.MemoryChanged());
        EXPECT_EQ(memory.filepath(), good);  // still the file the memory belongs to
        EXPECT_FALSE(fs::exists(bad));
    }
    EXPECT_EQ(home.read("good.MCH"), before);
    EXPECT_EQ(memory.ch(0, 0).lngFreq(), 440000000);

    // Nothing was lost: a save elsewhere holds the change and every channel of the file.
    ASSERT_EQ(memory.SaveAsMemory(home.path("rescued.MCH")), 1);
    EXPECT_EQ(ReadIniString(home.path("rescued.MCH"), "BANK00", "00"),
              "NONAME,,440,FM,15k,OFF,20kHz,OFF,OFF,OFF");
    EXPECT_EQ(ReadIniString(home.path("rescued.MCH"), "BANK01", "04"),
              "Ham 20m,,14.2,USB,3k,OFF,100Hz,OFF,OFF,OFF");
}

// A memory file's name may be a link to a file not made yet: the save makes that file and
// the link stays. A link into a folder that is missing is told and left alone.
TEST(MchFile, SaveThroughALinkMakesItsFileAndKeepsTheLink) {
    test::MemoryHome home;
    const std::string good = copyFixture(home, "good.MCH");
    fs::create_directory(home.path("dotfiles"));
    const std::string link = home.path("Mine.MCH");
    const std::string dangling = home.path("Lost.MCH");
    fs::create_symlink("dotfiles/Mine.MCH", link);
    fs::create_symlink(home.path("gone/Lost.MCH"), dangling);
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(good), 1);
    memory.ch(0, 0).setLngFreq(440000000);
    memory.Change();

    ASSERT_EQ(memory.SaveAsMemory(link), 1);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadIniString(home.path("dotfiles/Mine.MCH"), "BANK00", "00"),
              "NONAME,,440,FM,15k,OFF,20kHz,OFF,OFF,OFF");
    EXPECT_EQ(ReadIniString(home.path("dotfiles/Mine.MCH"), "BANK01", "04"),
              "Ham 20m,,14.2,USB,3k,OFF,100Hz,OFF,OFF,OFF");
    EXPECT_TRUE(home.messages().empty());

    memory.Change();
    EXPECT_EQ(memory.SaveAsMemory(dangling), 0);
    ASSERT_EQ(home.messages().size(), 1u);
    EXPECT_EQ(home.messages().back(), " FILE Not Saved. \r\n" + dangling);
    EXPECT_TRUE(fs::is_symlink(dangling));
    std::error_code ec;
    EXPECT_EQ(fs::read_symlink(dangling, ec).string(), home.path("gone/Lost.MCH"));
    EXPECT_FALSE(fs::exists(home.path("gone")));
    EXPECT_TRUE(memory.MemoryChanged());
    EXPECT_EQ(memory.filepath(), link);
}

TEST(MchFile, SaveOverAReadOnlyFileLeavesItWhole) {
    test::MemoryHome home;
    const std::string path = copyFixture(home, "locked.MCH");
    ::chmod(path.c_str(), 0444);
    const std::string before = home.read("locked.MCH");
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(path), 1);
    memory.ch(1, 3).setStrChName("Changed");
    memory.Change();
    EXPECT_EQ(memory.SaveMemory(), 0);
    EXPECT_EQ(home.messages().back(), " FILE Not Saved. \r\n" + path);
    EXPECT_TRUE(memory.MemoryChanged());
    EXPECT_EQ(home.read("locked.MCH"), before);
    EXPECT_EQ(memory.ch(1, 3).strChName(), "Changed         ");
}

TEST(MchFile, SaveIntoAReadOnlyDirectoryLeavesTheOldFileWhole) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    test::MemoryHome home;
    fs::create_directory(home.path("ro"));
    const std::string path = home.path("ro/keep.MCH");
    fs::copy_file(test::fixture("windows.MCH"), path);
    const std::string before = home.read("ro/keep.MCH");
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(path), 1);
    ::chmod(home.path("ro").c_str(), 0555);
    memory.ch(0, 0).setLngFreq(440000000);
    memory.Change();
    EXPECT_EQ(memory.SaveMemory(), 0);
    ::chmod(home.path("ro").c_str(), 0755);
    EXPECT_EQ(home.messages().back(), " FILE Not Saved. \r\n" + path);
    EXPECT_TRUE(memory.MemoryChanged());
    EXPECT_EQ(home.read("ro/keep.MCH"), before);
}

}  // namespace
