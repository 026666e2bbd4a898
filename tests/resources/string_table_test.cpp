// The string table: English texts from 10000, Japanese at +1000, looked up by the caller's
// offset; an id without a text is reported as missing, not as an empty text.
#include <gtest/gtest.h>

#include "resources/StringTable.h"

namespace corvell::res {
namespace {

TEST(StringTable, TitleTextsAndFontNameInBothLanguages) {
    struct Row {
        int id;
        const char* english;
        const char* japanese;  // nullptr: the same text
    };
    const Row rows[] = {
        {10000, "Corvell", nullptr},      {10001, "Communications Receiver", nullptr},
        {10002, "Revision 2.0", nullptr}, {10004, "For Linux (Qt 6)", nullptr},
        {10100, "Arial", "IPAGothic"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.id);
        EXPECT_EQ(LoadResString(r.id), QString::fromUtf8(r.english));
        EXPECT_EQ(LoadResString(r.id + kJapaneseOffset),
                  QString::fromUtf8(r.japanese ? r.japanese : r.english));
    }
    // The rights notice is ours to word; it must be there in both blocks.
    EXPECT_TRUE(LoadResString(10003).contains(QStringLiteral("Copyright")));
    EXPECT_EQ(LoadResString(11003), LoadResString(10003));
}

TEST(StringTable, MissingIdsAreReportedAsMissing) {
    for (int id : {0, 9999, 10005, 10099, 10101, 11005, 12000, -10000}) {
        EXPECT_FALSE(HasResString(id)) << id;
        EXPECT_TRUE(LoadResString(id).isNull()) << id;
    }
    EXPECT_TRUE(HasResString(11100));
}

}  // namespace
}  // namespace corvell::res
