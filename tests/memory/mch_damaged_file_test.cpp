// Damaged memory files: whatever a file holds, the memory opens, a bad channel reads blank, the
// good ones read normally, and saving loses none of the good channels.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "core/IniProcs.h"
#include "memory/clsMEMORY.h"
#include "platform/private_profile.h"
#include "tests/memory/memory_home.h"

namespace {

using namespace corvell;
using namespace std::string_literals;

std::string garbage(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

const struct {
    int bank;
    int ch;
    int32_t freq;
} kGood[] = {{0, 0, 145500000}, {0, 9, 433000000}, {2, 1, 7050000}, {19, 49, 1296000000}};

std::string damagedFile() {
    std::string f;
    f += garbage(3000, 1) + "\n";
    f += "[BANK00]\r\n";
    f += "00=Good 1,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF\r\n";
    f += "00=Shadow,,999,FM,15k,OFF,20kHz,OFF,OFF,OFF\r\n";  // a second 00: the first counts
    f += "01 Tower,,118.1,AM,6k,OFF,25kHz,OFF,OFF,OFF\r\n";  // no "="
    f += "02=Nine,,118.1,AM,6k,OFF,25kHz,OFF,OFF\r\n";
    f += "03=Eleven,,118.1,AM,6k,OFF,25kHz,OFF,OFF,OFF,OFF\r\n";
    f += "04=" + std::string(2 * 1024 * 1024, 'x') + "\r\n";
    f += "05=Huge,,1e300,FM,15k,OFF,20kHz,OFF,OFF,OFF\r\n";
    f += "06=Neg,,-145,FM,15k,OFF,-20kHz,OFF,OFF,OFF\r\n";
    f += "07=" + garbage(500, 2) + "\r\n";
    f += "08=Bin\0ary,,145,FM,15k,OFF,20kHz,OFF,OFF,OFF\r\n"s;
    f += "09=Good 2,,433,FM,15k,OFF,20kHz,OFF,OFF,OFF\r\n";
    f += "BANKNAME=" + garbage(200, 3) + "\r\n";
    f += "ACTIVECH=77777777777777777777\r\n";
    f += "\r\r\r[BANK01\r\n=orphan\r\n==\r\n";
    f += "[BANK02]\n01=Good 3,,7.05,LSB,3k,OFF,1kHz,OFF,OFF,OFF\n";
    f += garbage(4000, 4);
    f += "\n[BANK19]\n49=Good 4,,1296,USB,3k,OFF,1kHz,OFF,OFF,OFF\n";
    f += "[COMMON]\nACTIVEBANK=-99999999999\n";
    return f;
}

void expectGoodChannels(clsMEMORY& memory) {
    for (const auto& g : kGood) {
        EXPECT_EQ(memory.chData(g.bank, g.ch).lngFreq(), g.freq) << g.bank << "/" << g.ch;
    }
}

TEST(MchDamagedFile, OpensReadsTheGoodAndBlanksTheBad) {
    test::MemoryHome home;
    home.write("bad.MCH", damagedFile());
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(home.path("bad.MCH")), 1);
    EXPECT_TRUE(home.messages().empty());
    EXPECT_EQ(memory.ActiveBank(), 0);
    EXPECT_GE(memory.CurrentCh(0), 0);
    EXPECT_LE(memory.CurrentCh(0), 49);
    expectGoodChannels(memory);
    EXPECT_EQ(memory.ch(0, 0).strChName(), "Good 1          ");
    for (int ch = 1; ch <= 8; ++ch) {
        EXPECT_TRUE(memory.chk_blank(0, ch)) << ch;
        EXPECT_EQ(memory.chData(0, ch).name1().size(), 16u);
    }
}

TEST(MchDamagedFile, SavingKeepsEveryGoodChannel) {
    test::MemoryHome home;
    home.write("bad.MCH", damagedFile());
    {
        clsMEMORY& memory = ProgramMemory();
        ASSERT_EQ(memory.LoadMemory(home.path("bad.MCH")), 1);
        for (int ch = 0; ch < 10; ++ch) memory.chData(0, ch);  // the bad ones are read too
        memory.ch(0, 9).setLngFreq(434000000);
        memory.setStrBankName(0, "Repaired");
        ASSERT_EQ(memory.SaveMemory(), 1);
        ASSERT_EQ(memory.SaveAsMemory(home.path("copy.MCH")), 1);
    }
    for (const char* file : {"bad.MCH", "copy.MCH"}) {
        ResetProgramMemory();
        platform::clearProfileCache();
        clsMEMORY& memory = ProgramMemory();
        ASSERT_EQ(memory.LoadMemory(home.path(file)), 1) << file;
        EXPECT_EQ(memory.chData(0, 0).lngFreq(), 145500000) << file;
        EXPECT_EQ(memory.chData(0, 9).lngFreq(), 434000000) << file;
        EXPECT_EQ(memory.chData(2, 1).lngFreq(), 7050000) << file;
        EXPECT_EQ(memory.chData(19, 49).lngFreq(), 1296000000) << file;
        EXPECT_EQ(memory.strBankName(0), "Repaired") << file;
    }
}

TEST(MchDamagedFile, ABankNameCutShortByNulBytesReadsAsItIsWrittenBack) {
    test::MemoryHome home;
    // A file cut short and padded with NUL bytes: the last lines lost their line feed.
    const std::string tail(16, '\0');
    home.write("cut.MCH", "[BANK00]\r\n00=Tower,,118.1,AM,6k,OFF,25kHz,OFF,OFF,OFF\r" + tail +
                              "\r\n[BANK01]\r\nBANKNAME=Air\r" + tail);
    {
        clsMEMORY& memory = ProgramMemory();
        ASSERT_EQ(memory.LoadMemory(home.path("cut.MCH")), 1);
        EXPECT_EQ(memory.strBankName(1), "Air");
        EXPECT_EQ(memory.chData(0, 0).lngFreq(), 118100000);
        ASSERT_EQ(memory.SaveAsMemory(home.path("copy.MCH")), 1);
    }
    ResetProgramMemory();
    platform::clearProfileCache();
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(home.path("copy.MCH")), 1);
    EXPECT_EQ(memory.strBankName(1), "Air");
    EXPECT_EQ(memory.chData(0, 0).lngFreq(), 118100000);
}

TEST(MchDamagedFile, AFileTooLargeToHoldIsNeverOverwritten) {
    test::MemoryHome home;
    const std::string path = home.path("huge.MCH");
    home.write("huge.MCH", "[BANK00]\n00=Kept,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF\n");
    ASSERT_EQ(::truncate(path.c_str(), 65LL * 1024 * 1024), 0);  // sparse: cheap to make
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(memory.LoadMemory(path), 1);
    memory.ch(0, 1).setLngFreq(145000000);
    memory.Change();
    EXPECT_EQ(memory.SaveMemory(), 0);
    EXPECT_EQ(home.messages().back(), " FILE Not Saved. \r\n" + path);
    EXPECT_TRUE(memory.MemoryChanged());
    EXPECT_EQ(std::filesystem::file_size(path), 65ULL * 1024 * 1024);
    std::ifstream in(path, std::ios::binary);
    std::string head(40, '\0');
    in.read(head.data(), 40);
    EXPECT_TRUE(head.starts_with("[BANK00]\n00=Kept,"));
}

}  // namespace
