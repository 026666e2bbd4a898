#include "platform/private_profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::deleteProfileKey;
using platform::readProfileInt;
using platform::readProfileString;
using platform::readProfileValue;
using platform::writeProfileString;

class PrivateProfile : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/corvell-profile-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        path_ = (dir_ / "test.ini").string();
        platform::clearProfileCache();
    }
    void TearDown() override {
        platform::clearProfileCache();
        fs::remove_all(dir_);
    }
    void put(const std::string& bytes, const std::string& path = {}) {
        std::ofstream(path.empty() ? path_ : path, std::ios::binary) << bytes;
    }
    std::string bytes(const std::string& path = {}) {
        std::ifstream in(path.empty() ? path_ : path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    ino_t inode() {
        struct stat st {};
        return ::stat(path_.c_str(), &st) == 0 ? st.st_ino : 0;
    }
    int entriesInDir() { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }

    fs::path dir_;
    std::string path_;
};

TEST_F(PrivateProfile, LookUpRules) {
    put("; comment=not a key\n"
        "top=before any section\n"
        "[Data]\n"
        "  Name  =  spaced value  \n"
        "Quoted=\"  kept blanks \"\n"
        "HalfQuote=\"open\n"
        "Twice=\"\"inner\"\"\n"
        "Empty=\n"
        "dup=first\n"
        "DUP=second\n"
        "[other]\n"
        "name=other section\n"
        "[DATA]\n"
        "late=second data section is not consulted\n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> want;
    };
    const Case cases[] = {
        {"DATA", "NAME", "spaced value"},
        {" data ", " name ", "spaced value"},
        {"data", "quoted", "  kept blanks "},
        {"data", "halfquote", "\"open"},
        {"data", "twice", "\"inner\""},
        {"data", "empty", ""},
        {"data", "dup", "first"},
        {"OTHER", "Name", "other section"},
        {"data", "late", std::nullopt},
        {"data", "top", std::nullopt},
        {"data", "; comment", std::nullopt},
        {"missing", "name", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readProfileValue(path_, c.section, c.key), c.want) << c.section << "/" << c.key;
    }
    EXPECT_EQ(readProfileString(path_, "data", "nothing", "fallback"), "fallback");
    EXPECT_EQ(readProfileString(path_, "data", "empty", "fallback"), "");
    EXPECT_EQ(readProfileString(path_ + ".absent", "data", "name", "fb"), "fb");
}

TEST_F(PrivateProfile, IntegersTakeTheLeadingNumber) {
    put("[N]\na=12\nb= -5\nc=12abc\nd=abc\ne=\nf=99999999999\ng=-99999999999\nh=+7\n");
    const std::pair<const char*, int32_t> cases[] = {
        {"a", 12},       {"b", -5},        {"c", 12},        {"d", 0}, {"e", 77},
        {"missing", 77}, {"f", INT32_MAX}, {"g", INT32_MIN}, {"h", 7},
    };
    for (const auto& [key, want] : cases)
        EXPECT_EQ(readProfileInt(path_, "n", key, 77), want) << key;
}

TEST_F(PrivateProfile, WindowsFileWithCrLfReadsAndKeepsItsLineEnds) {
    const std::string original =
        "[REV]\r\nID=1.0.0\r\n\r\n[BANK00]\r\n00=NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF\r\n"
        "BANKNAME=Air\r\n\r\n[COMMON]\r\nACTIVEBANK=3\r\n";
    put(original);
    EXPECT_EQ(readProfileString(path_, "bank00", "bankname", ""), "Air");
    EXPECT_EQ(readProfileInt(path_, "Common", "ActiveBank", 0), 3);

    ASSERT_TRUE(writeProfileString(path_, "BANK00", "01", "X,,7,AM,6k,OFF,1kHz,OFF,OFF,OFF"));
    ASSERT_TRUE(writeProfileString(path_, "COMMON", "ACTIVEBANK", "4"));
    ASSERT_TRUE(writeProfileString(path_, "BANK01", "BANKNAME", "new"));
    EXPECT_EQ(
        bytes(),
        "[REV]\r\nID=1.0.0\r\n\r\n[BANK00]\r\n00=NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF\r\n"
        "BANKNAME=Air\r\n01=X,,7,AM,6k,OFF,1kHz,OFF,OFF,OFF\r\n\r\n[COMMON]\r\nACTIVEBANK=4\r\n"
        "[BANK01]\r\nBANKNAME=new\r\n");
}

TEST_F(PrivateProfile, WritesChangeOnlyTheirOwnLine) {
    put("# odd line\n[A]\n  Key = old  ; tail\nother=1\n\n[B]\nx=1");
    ASSERT_TRUE(writeProfileString(path_, "a", "KEY", "new"));
    ASSERT_TRUE(writeProfileString(path_, "b", "y", "2"));  // last line had no line end
    ASSERT_TRUE(writeProfileString(path_, "a", "added", "3"));
    EXPECT_EQ(bytes(), "# odd line\n[A]\n  Key = new\nother=1\nadded=3\n\n[B]\nx=1\ny=2\n");

    ASSERT_TRUE(deleteProfileKey(path_, "A", "other"));
    ASSERT_TRUE(deleteProfileKey(path_, "A", "never there"));
    EXPECT_EQ(bytes(), "# odd line\n[A]\n  Key = new\nadded=3\n\n[B]\nx=1\ny=2\n");
    EXPECT_FALSE(readProfileValue(path_, "A", "other"));
}

TEST_F(PrivateProfile, FirstWriteCreatesFileAndSection) {
    ASSERT_TRUE(writeProfileString(path_, "DATA", "RXFREQ", "145000000"));
    ASSERT_TRUE(writeProfileString(path_, "DATA", "TS", "\"20k\""));
    ASSERT_TRUE(writeProfileString(path_, "MAIN", "MODE", "1"));
    EXPECT_EQ(bytes(), "[DATA]\nRXFREQ=145000000\nTS=\"20k\"\n[MAIN]\nMODE=1\n");
    EXPECT_EQ(readProfileString(path_, "DATA", "TS", ""), "20k");
}

TEST_F(PrivateProfile, DuplicateKeysAreAllDeletedAndTheFirstIsUpdated) {
    put("[S]\nk=1\nK=2\nk = 3\n");
    ASSERT_TRUE(writeProfileString(path_, "S", "k", "9"));
    EXPECT_EQ(bytes(), "[S]\nk=9\nK=2\nk = 3\n");
    ASSERT_TRUE(deleteProfileKey(path_, "S", "K"));
    EXPECT_EQ(bytes(), "[S]\n");
}

TEST_F(PrivateProfile, ValuesHaveNoLengthLimit) {
    const std::string longValue(100000, 'v');
    ASSERT_TRUE(writeProfileString(path_, "S", "long", longValue));
    platform::clearProfileCache();
    EXPECT_EQ(readProfileString(path_, "S", "long", ""), longValue);
}

TEST_F(PrivateProfile, RefusesWhatCouldNotBeReadBack) {
    EXPECT_FALSE(writeProfileString(path_, "S", "a=b", "1"));
    EXPECT_FALSE(writeProfileString(path_, "S]", "a", "1"));
    EXPECT_FALSE(writeProfileString(path_, "", "a", "1"));
    EXPECT_FALSE(writeProfileString(path_, "S", " ", "1"));
    EXPECT_FALSE(writeProfileString(path_, "S", "a\nb", "1"));
    EXPECT_FALSE(writeProfileString(path_, "S",
                                    "\xEF\xBB\xBF"
                                    "a",
                                    "1"));  // a mark is no name
    EXPECT_FALSE(fs::exists(path_));

    // A value can never start a line of its own.
    ASSERT_TRUE(writeProfileString(path_, "S", "a", "one\n[EVIL]\r\nb=2"));
    EXPECT_EQ(bytes(), "[S]\na=one [EVIL]  b=2\n");
    EXPECT_FALSE(readProfileValue(path_, "EVIL", "b"));
}

TEST_F(PrivateProfile, ABareCarriageReturnInAValueReadsAndSavesAlike) {
    put("[Bank]\nName1=a\rb\nOther=1\n");
    EXPECT_EQ(readProfileValue(path_, "Bank", "Name1"), "a\rb");
    ASSERT_TRUE(writeProfileString(path_, "Bank", "Name1", "a\rb"));
    ASSERT_TRUE(writeProfileString(path_, "Bank", "Name2", "c\rd"));
    ASSERT_TRUE(writeProfileString(path_, "Bank", "Other", "2"));
    platform::clearProfileCache();
    EXPECT_EQ(readProfileValue(path_, "Bank", "Name1"), "a\rb");
    EXPECT_EQ(readProfileValue(path_, "Bank", "Name2"), "c\rd");
    EXPECT_EQ(readProfileValue(path_, "Bank", "Other"), "2");
}

TEST_F(PrivateProfile, EachWriteReplacesTheFileAtomically) {
    put("[S]\na=1\n");
    ::chmod(path_.c_str(), 0640);
    const ino_t before = inode();
    ASSERT_TRUE(writeProfileString(path_, "S", "a", "2"));
    EXPECT_NE(inode(), before);    // a new file was renamed over the old one
    EXPECT_EQ(entriesInDir(), 1);  // no temporary file left behind
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // Writing what is already there leaves the file alone.
    const ino_t same = inode();
    ASSERT_TRUE(writeProfileString(path_, "s", "A", "2"));
    EXPECT_EQ(inode(), same);
}

// A dotfile manager links the name first, to a file that may not be made yet: every save goes
// through the link and makes that file, and the link stays a link. Where the file the link
// names cannot be made, the save fails and the link is left alone.
TEST_F(PrivateProfile, ASymbolicLinkStaysALinkAndItsFileIsMadeOnTheFirstSave) {
    struct Case {
        const char* what;
        std::string linkTo;     // what the link at path_ holds
        std::string file;       // the file the save must reach, empty when it must fail
        std::string otherLink;  // a second link in the chain, and what it holds
        std::string otherTo;
    };
    const std::string real = (dir_ / "real.ini").string();
    const std::string fresh = (dir_ / "new.ini").string();
    const std::string inFolder = (dir_ / "dotfiles" / "rel.ini").string();
    const std::string chained = (dir_ / "dotfiles" / "chained.ini").string();
    const std::string second = (dir_ / "second").string();
    const std::string loop = (dir_ / "loop").string();
    fs::create_directory(dir_ / "dotfiles");
    const Case cases[] = {
        {"to a file that exists", real, real, {}, {}},
        {"to a file not made yet", fresh, fresh, {}, {}},
        {"relative, into a folder", "dotfiles/rel.ini", inFolder, {}, {}},
        {"through a second link", second, chained, second, "dotfiles/chained.ini"},
        {"into a folder that is missing", (dir_ / "gone" / "x.ini").string(), {}, {}, {}},
        {"in a loop", loop, {}, loop, path_},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put("[S]\na=1\n", real);
        fs::create_symlink(c.linkTo, path_);
        if (!c.otherLink.empty()) fs::create_symlink(c.otherTo, c.otherLink);
        platform::clearProfileCache();

        EXPECT_EQ(writeProfileString(path_, "S", "a", "2"), !c.file.empty());
        EXPECT_TRUE(fs::is_symlink(path_));
        std::error_code ec;
        EXPECT_EQ(fs::read_symlink(path_, ec).string(), c.linkTo);
        if (!c.file.empty()) {
            EXPECT_EQ(bytes(c.file), "[S]\na=2\n");
            EXPECT_EQ(readProfileString(path_, "S", "a", ""), "2");
        } else {
            EXPECT_FALSE(fs::exists(dir_ / "gone"));
        }
        fs::remove(path_);
        if (!c.otherLink.empty()) fs::remove(c.otherLink);
        if (!c.file.empty() && c.file != real) fs::remove(c.file);
    }
    // Nothing but what the cases made is left: no temporaries beside a link or its file.
    EXPECT_EQ(entriesInDir(), 2);  // real.ini, dotfiles
    EXPECT_TRUE(fs::is_empty(dir_ / "dotfiles"));
}

TEST_F(PrivateProfile, FailedWritesAreReportedAndChangeNothing) {
    // The directory does not exist.
    EXPECT_FALSE(writeProfileString((dir_ / "no" / "x.ini").string(), "S", "a", "1"));
    // A file stands where the directory should be.
    put("plain", (dir_ / "plain").string());
    EXPECT_FALSE(writeProfileString((dir_ / "plain" / "x.ini").string(), "S", "a", "1"));

    // The path is a directory.
    fs::create_directory(dir_ / "adir");
    const std::string dirPath = (dir_ / "adir").string();
    EXPECT_EQ(readProfileString(dirPath, "S", "a", "fb"), "fb");
    EXPECT_FALSE(writeProfileString(dirPath, "S", "a", "1"));
    EXPECT_TRUE(fs::is_directory(dirPath));

    // Neither is a FIFO, which must not hang the reader either.
    const std::string fifo = (dir_ / "fifo.ini").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readProfileString(fifo, "S", "a", "fb"), "fb");
    EXPECT_FALSE(writeProfileString(fifo, "S", "a", "1"));
    struct stat st {};
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A read-only file is left alone, though its directory would allow replacing it.
    const std::string locked = (dir_ / "locked.ini").string();
    put("[S]\na=1\n", locked);
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    EXPECT_FALSE(writeProfileString(locked, "S", "a", "2"));
    EXPECT_FALSE(deleteProfileKey(locked, "S", "a"));
    EXPECT_EQ(bytes(locked), "[S]\na=1\n");
    EXPECT_EQ(readProfileString(locked, "S", "a", ""), "1");

    // A file of a million lines or more is read as empty and never overwritten: held in
    // memory it would take far more than its size.
    const std::string lines = (dir_ / "lines.ini").string();
    put("[S]\na=1\n" + std::string(1024 * 1024, '\n'), lines);
    EXPECT_EQ(readProfileString(lines, "S", "a", "fb"), "fb");
    EXPECT_FALSE(writeProfileString(lines, "S", "a", "2"));
    EXPECT_EQ(fs::file_size(lines), 8u + 1024 * 1024);

    // A file far too large to be a settings file is read as empty and never overwritten.
    put("[S]\na=1\n");
    ASSERT_EQ(::truncate(path_.c_str(), 65 * 1024 * 1024), 0);
    platform::clearProfileCache();
    EXPECT_EQ(readProfileString(path_, "S", "a", "fb"), "fb");
    EXPECT_FALSE(writeProfileString(path_, "S", "a", "2"));
    EXPECT_EQ(fs::file_size(path_), 65u * 1024 * 1024);
    std::string head(8, '\0');
    std::ifstream(path_, std::ios::binary).read(head.data(), 8);
    EXPECT_EQ(head, "[S]\na=1\n");
}

// Whoever must tell the user of a failed save hears of every attempt on the disk, with the
// reason of a failure, and may use the files again while it is told (it is told outside the
// lock; under it, this test would hang).
TEST_F(PrivateProfile, EachAttemptOnTheDiskIsToldWithTheReasonOfAFailure) {
    struct Recorder : platform::ProfileWriteListener {
        void profileWritten(const std::string& path, const std::string& failure) override {
            told.push_back({path, failure, readProfileString(path, "S", "a", "")});
        }
        struct Told {
            std::string path, failure, valueThen;
        };
        std::vector<Told> told;
    } recorder;
    platform::setProfileWriteListener(&recorder);
    const std::unique_ptr<void, void (*)(void*)> stopListening(
        &recorder, [](void*) { platform::setProfileWriteListener(nullptr); });
    put("[S]\na=1\n");

    ASSERT_TRUE(writeProfileString(path_, "S", "a", "2"));
    ASSERT_TRUE(writeProfileString(path_, "S", "a", "2"));  // no change, no attempt
    ASSERT_EQ(recorder.told.size(), 1u);
    EXPECT_EQ(recorder.told[0].path, path_);
    EXPECT_EQ(recorder.told[0].failure, "");
    EXPECT_EQ(recorder.told[0].valueThen, "2");

    ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
    EXPECT_FALSE(writeProfileString(path_, "S", "a", "3"));
    EXPECT_FALSE(deleteProfileKey(path_, "S", "a"));
    {
        platform::ProfileBatch batch(path_);
        for (const char* v : {"4", "5", "6"}) EXPECT_TRUE(writeProfileString(path_, "S", "a", v));
        EXPECT_FALSE(batch.commit());
    }
    ASSERT_EQ(recorder.told.size(), 4u);  // the two writes and the batch, once
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_NE(recorder.told[i].failure.find(path_), std::string::npos);
        EXPECT_NE(recorder.told[i].failure.find(std::strerror(EACCES)), std::string::npos)
            << recorder.told[i].failure;
        EXPECT_EQ(recorder.told[i].valueThen, "2");  // what the disk holds
    }

    ASSERT_EQ(::chmod(path_.c_str(), 0644), 0);
    {
        platform::ProfileBatch batch(path_);
        EXPECT_TRUE(writeProfileString(path_, "S", "a", "7"));
    }
    ASSERT_EQ(recorder.told.size(), 5u);
    EXPECT_EQ(recorder.told[4].failure, "");
    EXPECT_EQ(recorder.told[4].valueThen, "7");
}

TEST_F(PrivateProfile, ChangesMadeByOthersAreSeen) {
    put("[S]\na=1\n");
    EXPECT_EQ(readProfileString(path_, "S", "a", ""), "1");
    put("[S]\na=22\n");  // same inode, new size
    EXPECT_EQ(readProfileString(path_, "S", "a", ""), "22");
    fs::remove(path_);
    EXPECT_EQ(readProfileString(path_, "S", "a", "gone"), "gone");
}

TEST_F(PrivateProfile, ABatchWritesTheFileOnce) {
    put("[KEEP]\nx=1\n");
    const ino_t before = inode();
    {
        platform::ProfileBatch batch(path_);
        for (int i = 0; i < 1000; ++i) {
            const std::string section = "BANK" + std::to_string(i / 50);
            ASSERT_TRUE(writeProfileString(path_, section, std::to_string(i % 50),
                                           "v" + std::to_string(i)));
        }
        ASSERT_TRUE(deleteProfileKey(path_, "BANK0", "0"));
        EXPECT_EQ(readProfileString(path_, "bank19", "49", ""), "v999");  // seen in memory
        {
            platform::ProfileBatch inner(path_);
            ASSERT_TRUE(writeProfileString(path_, "KEEP", "y", "2"));
            EXPECT_TRUE(inner.commit());
        }
        EXPECT_EQ(inode(), before);  // nothing on disk yet
        EXPECT_EQ(bytes(), "[KEEP]\nx=1\n");
        EXPECT_TRUE(batch.commit());
        EXPECT_TRUE(batch.commit());
    }
    EXPECT_NE(inode(), before);
    platform::clearProfileCache();
    EXPECT_EQ(readProfileString(path_, "BANK19", "49", ""), "v999");
    EXPECT_EQ(readProfileString(path_, "KEEP", "y", ""), "2");
    EXPECT_FALSE(readProfileValue(path_, "BANK0", "0"));
}

TEST_F(PrivateProfile, AFailedBatchLeavesDiskAndMemoryAsBefore) {
    const std::string path = (dir_ / "missing" / "m.ini").string();
    platform::ProfileBatch batch(path);
    EXPECT_TRUE(writeProfileString(path, "S", "a", "1"));
    EXPECT_EQ(readProfileString(path, "S", "a", ""), "1");
    EXPECT_FALSE(batch.commit());
    EXPECT_FALSE(batch.commit());
    EXPECT_FALSE(readProfileValue(path, "S", "a"));
}

TEST_F(PrivateProfile, DamagedFilesNeverBreakReadingOrWriting) {
    std::mt19937 random(7);
    std::string garbage(200000, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    std::string damaged = "\xEF\xBB\xBF[GOOD]\nkey=value\n" + garbage +
                          "\n[unterminated\nx=1\nno equals sign here\n=no key\n[GOOD]\nkey=dup\n" +
                          std::string(2000000, 'L') + "\n[TAIL]\nt=" + std::string(3, '\0') + "z\n";
    put(damaged);
    EXPECT_EQ(readProfileString(path_, "good", "key", ""), "value");
    EXPECT_EQ(readProfileString(path_, "unterminated", "x", ""), "1");
    EXPECT_FALSE(readProfileValue(path_, "unterminated", "no equals sign here"));
    EXPECT_EQ(readProfileString(path_, "TAIL", "t", ""), std::string(3, '\0') + "z");
    for (int i = 0; i < 200; ++i) {
        const std::string key(garbage.substr(static_cast<std::size_t>(i) * 7, 5));
        (void)readProfileValue(path_, key, key);
    }

    ASSERT_TRUE(writeProfileString(path_, "TAIL", "t", "clean"));
    const std::string after = bytes();
    EXPECT_EQ(after.substr(0, damaged.size() - 6), damaged.substr(0, damaged.size() - 6));
    EXPECT_TRUE(after.ends_with("\nt=clean\n"));
}

}  // namespace
