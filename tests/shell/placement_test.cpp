// Placement entries: the ten fields, what makes an entry invalid, and the round trip through a
// real Corvell.ini with real windows.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <limits>

#include "core/ProgramObjects.h"
#include "shell/clsMDIPlaceWindow.h"
#include "tests/support/StubPanel.h"
#include "tests/support/temp_home.h"

namespace corvell::shell {
namespace {

TEST(Placement, EntriesParseOnlyWithTenFieldsAndASaneRectangle) {
    struct Row {
        const char* text;
        bool ok;
    } rows[] = {
        {"0,3,-1,-1,-4,-4,120,80,920,680", true},
        {"0,1,,-1,-1,-1,10,10,200,200", true},  // the empty field reads as 0
        {"0,1,-1,-1,-1,-1,10,10,200", false},
        {"0,1,-1,-1,-1,-1,10,10,200,200,", false},
        {"", false},
        {"0,1,-1,-1,-1,-1,300,10,200,200", false},                // right left of left
        {"0,1,-1,-1,-1,-1,10,300,200,200", false},                // bottom above top
        {"0,1,-1,-1,-1,-1,-2147483648,0,2147483647,100", false},  // width overflows
        {"0,1,-1,-1,-1,-1,0,0,200000000,100", false},             // twips overflow
        {"0,1,-1,-1,-1,-1,0,0,99999999999,100", false},           // not a 32-bit value
        {"0,1,-1,-1,-1,-1,10.5,11.5,200abc,x", false},            // x reads 0: bottom above top
        {"0,1,-1,-1,-1,-1,10.5,11.5,200abc,300", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        WindowPlacement p;
        EXPECT_EQ(parsePlacement(r.text, p), r.ok);
    }
    WindowPlacement p;
    ASSERT_TRUE(parsePlacement("0,1,-1,-1,-1,-1,10.5,11.5,200abc,300", p));
    EXPECT_EQ(p.left, 10);  // halves to even
    EXPECT_EQ(p.top, 12);
    EXPECT_EQ(p.right, 200);
    EXPECT_EQ(formatPlacement(p), "0,1,-1,-1,-1,-1,10,12,200,300");
}

// Fields are read as every stored number is: "0x20" is 0, not 32; blanks inside a number are
// ignored.
TEST(Placement, FieldsAreDecimalOnly) {
    WindowPlacement p;
    ASSERT_TRUE(parsePlacement("0,1,-1,-1,-1,-1,0x20,1 0,2 00,3e2", p));
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 10);
    EXPECT_EQ(p.right, 200);
    EXPECT_EQ(p.bottom, 300);
}

TEST(Placement, SplittingKeepsEmptyFields) {
    std::vector<std::string> fields = {"kept"};
    EXPECT_EQ(DecompStringAny("", fields), 0);
    EXPECT_EQ(fields, std::vector<std::string>{"kept"});
    EXPECT_EQ(DecompStringAny("a,,b,", fields), 4);
    EXPECT_EQ(fields, (std::vector<std::string>{"a", "", "b", ""}));
}

class PlacementFile : public ::testing::Test {
  protected:
    PlacementFile() { ResetProgramObjects(); }
    ~PlacementFile() override { ResetProgramObjects(); }
    test::TempHome home;
};

TEST_F(PlacementFile, FrameAndPanelComeBackFromCorvellIni) {
    clsMDIPlaceWindow place;
    place.Init(&ProgramProfile());
    QMdiArea area;
    area.resize(800, 600);
    auto* panel = new test::StubPanel(PanelSlot::Tuner);
    QMdiSubWindow* sub = area.addSubWindow(panel);
    area.show();
    sub->show();
    sub->move(33, 44);
    panel->fVisiblePwrOn = true;
    QWidget frame;
    frame.setGeometry(120, 80, 640, 480);
    EXPECT_TRUE(place.SaveFormPlacement(*panel));
    EXPECT_TRUE(place.SaveMDIFormPlacement(frame));
    const std::string ini = home.read("Corvell.ini");
    EXPECT_NE(ini.find("[WINDOW_PLACEMENT]"), std::string::npos);
    EXPECT_NE(ini.find("Tuner Form=\"0,1,-1,-1,-1,-1,33,44,"), std::string::npos) << ini;
    EXPECT_NE(ini.find("frmMain=\"0,0,-1,-1,-1,-1,120,80,760,560\""), std::string::npos) << ini;

    // A new run: both come back where they were; the panel hidden, to be shown at power-on.
    sub->move(0, 0);
    panel->fVisiblePwrOn = false;
    ResetProgramObjects();
    platform::clearProfileCache();
    clsMDIPlaceWindow again;
    again.Init(&ProgramProfile());
    ASSERT_TRUE(again.LoadFormPlacement(*panel));
    EXPECT_TRUE(panel->fVisiblePwrOn);
    EXPECT_EQ(again.MyPlacement.showCmd, 0);
    again.SetPlacement(*panel);
    EXPECT_EQ(sub->pos(), QPoint(33, 44));
    EXPECT_TRUE(sub->isHidden());
    QWidget other;
    other.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(again.LoadMDIFormPlacement(other));
    again.SetMDIPlacement(other);
    EXPECT_EQ(other.geometry(), QRect(120, 80, 640, 480));
    EXPECT_FALSE(other.isMinimized());
}

TEST_F(PlacementFile, ABadEntryMovesNothing) {
    home.write("Corvell.ini",
               "[WINDOW_PLACEMENT]\r\nfrmMain=\"0,1,-1,-1,-1,-1,500,80,100,680\"\r\n"
               "Mode Form=\"0,1,-1,-1,-1,-1,1,2,3\"\r\n");
    platform::clearProfileCache();
    clsMDIPlaceWindow place;
    place.Init(&ProgramProfile());
    QWidget frame;
    frame.setGeometry(7, 7, 300, 200);
    EXPECT_FALSE(place.LoadMDIFormPlacement(frame));
    test::StubPanel panel(PanelSlot::Mode);
    panel.fVisiblePwrOn = true;
    EXPECT_FALSE(place.LoadFormPlacement(panel));
    EXPECT_TRUE(panel.fVisiblePwrOn);
    EXPECT_EQ(place.MyPlacement, WindowPlacement{});
}

}  // namespace
}  // namespace corvell::shell
