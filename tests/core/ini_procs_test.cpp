#include <gtest/gtest.h>

#include "core/IniProcs.h"
#include "core/LocaleProcs.h"
#include "tests/support/temp_home.h"

namespace {

using namespace corvell;
using namespace std::string_literals;

TEST(IniProcs, ReadsAsTheMemoryFileReaderExpects) {
    test::TempHome home;
    const std::string file = home.path("a.MCH");
    home.write("a.MCH",
               "[BANK03]\r\n07=NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF\r\n"
               "BANKNAME=  Air band   \r\nACTIVECH=12\r\nNUL=ab\0cd\r\nODD=x9\r\n"s);
    EXPECT_EQ(ReadIniString(file, "BANK03", "07"), "NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF");
    EXPECT_EQ(ReadIniString(file, "bank03", "BankName"), "Air band");
    EXPECT_EQ(ReadIniString(file, "BANK03", "NUL"), "ab");
    EXPECT_EQ(ReadIniString(file, "BANK03", "08"), "");
    EXPECT_EQ(ReadIniInt(file, "BANK03", "ACTIVECH"), "12");
    EXPECT_EQ(ReadIniInt(file, "BANK03", "ODD"), "0");
    EXPECT_EQ(ReadIniInt(file, "COMMON", "ACTIVEBANK"), "0");
}

TEST(IniProcs, WritesAndDeletesAndReportsFailure) {
    test::TempHome home;
    const std::string file = home.path("b.MCH");
    EXPECT_EQ(WriteIniString(file, "REV", "APP", "Corvell  Revision 2.0"), 1);
    EXPECT_EQ(WriteIniInt(file, "COMMON", "ACTIVEBANK", -4), "1");
    EXPECT_EQ(WriteIniString(file, "BANK00", "00", "x"), 1);
    EXPECT_EQ(WriteIniString(file, "BANK00", "00", std::nullopt), 1);
    EXPECT_EQ(home.read("b.MCH"),
              "[REV]\nAPP=Corvell  Revision 2.0\n[COMMON]\nACTIVEBANK=-4\n"
              "[BANK00]\n");

    const std::string nowhere = home.path("missing/dir.MCH");
    EXPECT_EQ(WriteIniString(nowhere, "REV", "ID", "1.0.0"), 0);
    EXPECT_EQ(WriteIniInt(nowhere, "COMMON", "ACTIVEBANK", 1), "0");
}

TEST(LocaleProcs, JapaneseOnlyForCountryCode81) {
    const char* saved = std::getenv("LC_ALL");
    const std::string old = saved ? saved : "";
    ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_TRUE(IsJapaneseLocale());
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    EXPECT_FALSE(IsJapaneseLocale());
    ::setenv("LC_ALL", "C", 1);  // no country at all
    EXPECT_FALSE(IsJapaneseLocale());
    saved ? ::setenv("LC_ALL", old.c_str(), 1) : ::unsetenv("LC_ALL");
}

}  // namespace
