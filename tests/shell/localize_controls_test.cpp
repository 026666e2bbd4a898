// Resource ids carried by controls become texts.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "core/ProgramValues.h"
#include "shell/LocalizeControls.h"

namespace corvell {
namespace {

TEST(LocalizeControls, IdsInTagsCaptionsAndToolTipsBecomeTexts) {
    QWidget form;
    auto* label = new QLabel("keep", &form);
    label->setProperty("Tag", "10001");
    auto* emptyTag = new QLabel("empty", &form);
    auto* strictLabel = new QLabel("strict", &form);
    strictLabel->setProperty("Tag", "10002abc");  // a label needs the whole text a number
    auto* button = new QPushButton("button", &form);
    button->setProperty("Tag", "10002abc");  // other controls take the leading number
    button->setToolTip("10004");
    auto* half = new QPushButton("half", &form);
    half->setProperty("Tag", "0.5");  // rounds to 0: nothing
    auto* unknown = new QPushButton("unknown", &form);
    unknown->setProperty("Tag", "42");  // no such text: kept
    QMenuBar bar(&form);
    QMenu* menu = bar.addMenu("File(&F)");
    QAction* numbered = menu->addAction("10000");
    QAction* plain = menu->addAction("New(&N)");

    for (int offset : {0, 1000}) {
        SCOPED_TRACE(offset);
        SetLanguageOffset(offset);
        shell::LocalizeControls(form);
        EXPECT_EQ(label->text(), "Communications Receiver");
        EXPECT_EQ(emptyTag->text(), "empty");
        EXPECT_EQ(strictLabel->text(), "strict");
        EXPECT_EQ(button->text(), "Revision 2.0");
        EXPECT_EQ(button->toolTip(), "For Linux (Qt 6)");
        EXPECT_EQ(half->text(), "half");
        EXPECT_EQ(unknown->text(), "unknown");
        EXPECT_EQ(numbered->text(), "Corvell");
        EXPECT_EQ(plain->text(), "New(&N)");
        EXPECT_EQ(menu->title(), "File(&F)");
        numbered->setText("10000");
    }
    SetLanguageOffset(0);
    EXPECT_EQ(shell::leadingId("1.5"), 2);
    EXPECT_EQ(shell::leadingId("2.5"), 2);
    EXPECT_EQ(shell::leadingId("x12"), 0);
    EXPECT_FALSE(shell::strictId("12ab").has_value());
}

// A Tag is read as every stored number is: decimal only, blanks inside ignored.
TEST(LocalizeControlsIds, ALeadingIdIsDecimalOnly) {
    const std::pair<const char*, int> cases[] = {
        {"0x1A", 0}, {"inf", 0}, {"nan", 0}, {"1 2", 12}, {"1e1", 10}, {"99999", 0}, {"-3", -3},
    };
    for (const auto& [tag, want] : cases) EXPECT_EQ(shell::leadingId(tag), want) << tag;
}

}  // namespace
}  // namespace corvell
