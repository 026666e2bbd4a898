// The DTMF panel worked offscreen as a user does: received characters as glyphs (decoding also
// while hidden), the DTMF and remote keys with their lamps, the set-up key's command, nothing
// while the receiver is off, keys passed to the tuning panel, the refused close that still saves
// the settings, and a message entry bringing up the pop-up; with screenshots.
#include <gmock/gmock.h>

#include <QTest>

#include "core/clsDtmfOption.h"
#include "panels/dtmf/dlgDTMFmessage.h"
#include "panels/dtmf/frmDTMF.h"
#include "resources/ArtCatalog.h"
#include "tests/panels/PanelFixture.h"
#include "tests/support/accessible_tree.h"
#include "tests/support/recording_sound_player.h"
#include "ui/Labels.h"

namespace corvell::test {
namespace {

using panels::DtmfPanelLogic;
using panels::frmDTMF;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

TEST(DtmfGlyphs, EachCharacterHasItsGlyphAndNothingElseHasOne) {
    const std::string characters = "0123456789ABCD*#";
    const int16_t ids[] = {1510, 1511, 1512, 1513, 1514, 1515, 1516, 1517,
                           1518, 1519, 1520, 1521, 1522, 1523, 1524, 1525};
    for (std::size_t i = 0; i < characters.size(); ++i) {
        EXPECT_EQ(DtmfPanelLogic::GlyphId(characters[i]), ids[i]) << characters[i];
    }
    for (char c : {'a', 'E', ' ', '\0', '/', ':'}) EXPECT_EQ(DtmfPanelLogic::GlyphId(c), 0) << c;
}

TEST(DtmfSkin, EveryKeyAndLampHotZoneIsOnTheSkin) {
    const art::ArtRow* skin = art::findArtRow(panels::kDtmfSkinId);
    ASSERT_TRUE(skin && skin->skin);
    for (int i = panels::kDtmfKeyDisplay; i <= panels::kDtmfLampRemote; ++i) {
        const panels::DtmfImage& image = panels::DtmfImages()[i];
        bool found = false;
        for (const art::SkinItem& item : skin->skin->items) {
            found |= item.x == image.x && item.y == image.y && item.width == image.width &&
                     item.height == image.height;
        }
        EXPECT_TRUE(found) << i;
    }
}

class RecordingOwner : public ui::PanelOwner {
  public:
    std::vector<std::string> words;
    void KeyAction(const std::string& word) override { words.push_back(word); }
};

class Target : public ui::TunerKeyTarget {
  public:
    std::vector<std::pair<int, int>> keys;
    void Tuner_Key_Operation(int keyCode, int shift) override { keys.emplace_back(keyCode, shift); }
};

class DtmfPanelTest : public PanelTest {
  protected:
    DtmfPanelTest() {
        dtmf = std::make_unique<frmDTMF>(
            frmDTMF::Neighbours{*rx, [this] { return &tuner; }, [this] { return &message; }, &sound,
                                home.dir()},
            nullptr, &hold);
        dtmf->Load();
        dtmf->Init(owner);
        dtmf->show();
    }
    ~DtmfPanelTest() override { dtmf.reset(); }

    clsDtmfOption& option() { return rx->DtmfOption(); }
    int16_t shownId(int i) const { return dtmf->img(i)->imageId(); }
    void keys(const std::string& text) {
        for (char c : text) {
            rs.setValue("Dtmfr",
                        16 + static_cast<int32_t>(std::string("0123456789ABCD*#").find(c)));
            dtmf->Task_exec();
        }
        dtmf->Task_exec();  // the heartbeat after the last one shows it
    }
    std::string shownText() const {
        std::string s;
        for (int i = 1; i <= 21; ++i) {
            const int16_t id = shownId(i);
            for (char c : std::string("0123456789ABCD*#")) {
                if (id != 0 && DtmfPanelLogic::GlyphId(c) == id) s += c;
            }
        }
        return s;
    }

    RecordingOwner owner;
    Target tuner;
    RecordingSoundPlayer sound;
    panels::dlgDTMFmessage message;
    std::unique_ptr<frmDTMF> dtmf;
};

TEST_F(DtmfPanelTest, TheKeysSwitchDisplayAndRemoteAndTheLampsFollow) {
    EXPECT_EQ(shownId(27), 0);
    click(*dtmf, 25);  // remote with the display off: nothing
    EXPECT_FALSE(option().RemoteOn());
    click(*dtmf, 24);
    EXPECT_TRUE(option().DtmfOn());
    EXPECT_EQ(shownId(27), 1504);
    EXPECT_EQ(shownId(28), 0);
    click(*dtmf, 25);
    EXPECT_TRUE(option().RemoteOn());
    EXPECT_EQ(shownId(28), 1503);
    click(*dtmf, 24);  // display off keeps remote on but darkens its lamp
    EXPECT_FALSE(option().DtmfOn());
    EXPECT_TRUE(option().RemoteOn());
    EXPECT_EQ(shownId(27), 0);
    EXPECT_EQ(shownId(28), 0);
    click(*dtmf, 26);
    EXPECT_THAT(owner.words, ElementsAre("DTMFSET"));
}

// A screen reader hears the lamps' names follow their state, and the received code as one text.
TEST_F(DtmfPanelTest, TheLampsAndTheCodeReadWhatThePanelShows) {
    auto lamps = [this] { return accessibleNames(dtmf.get(), QAccessible::Indicator); };
    EXPECT_THAT(lamps(), UnorderedElementsAre("DTMF: off", "REMOTE: off"));
    click(*dtmf, 24);
    EXPECT_THAT(lamps(), UnorderedElementsAre("DTMF: on", "REMOTE: off"));
    click(*dtmf, 25);
    EXPECT_THAT(lamps(), UnorderedElementsAre("DTMF: on", "REMOTE: on"));
    EXPECT_EQ(accessibleReadout(dtmf.get(), "Received DTMF code"), "");
    keys("123#");
    EXPECT_EQ(shownText(), "123#");
    EXPECT_EQ(accessibleReadout(dtmf.get(), "Received DTMF code"), "123#");
    keys("A*0D");
    EXPECT_EQ(accessibleReadout(dtmf.get(), "Received DTMF code"),
              QString::fromStdString(shownText()));
}

TEST_F(DtmfPanelTest, AHeldKeyTogglesOnceAndShowsItsPressedFace) {
    press(*dtmf, 24);
    EXPECT_EQ(shownId(24), 1502);
    hold.advance(2000);
    EXPECT_TRUE(option().DtmfOn());
    release(*dtmf, 24);
    EXPECT_EQ(shownId(24), 0);
    EXPECT_TRUE(option().DtmfOn());
}

TEST_F(DtmfPanelTest, NoKeyActsWhileTheReceiverIsOff) {
    rx->setPower(0);
    for (int key : {24, 25, 26}) click(*dtmf, key);
    EXPECT_FALSE(option().DtmfOn());
    EXPECT_TRUE(owner.words.empty());
}

TEST_F(DtmfPanelTest, ReceivedCharactersShowAsGlyphsTwentyAtMost) {
    option().setDtmfOn(true);
    keys("0123456789ABCD*#0123456789");
    EXPECT_EQ(shownText(), "0123456789ABCD*#0123");
    EXPECT_EQ(shownId(21), 0);
    EXPECT_EQ(dtmf->decoder().ReceivedCode().size(), 26u);
    for (int s = 0; s < 6; ++s) dtmf->Timer1_Timer();
    dtmf->Task_exec();
    EXPECT_EQ(shownText(), "");
    EXPECT_TRUE(dtmf->timer1Running());
}

TEST_F(DtmfPanelTest, ItDecodesAndActsWhileHidden) {
    option().setDtmfOn(true);
    option().setRemoteOn(true);
    option().SetRecieveCode(2, "7*");
    option().SetActionType(2, 0);
    option().SetActionFile(2, "<b>Net</b> at 20:00, channel 3");
    dtmf->hide();
    keys("7*");
    EXPECT_EQ(dtmf->decoder().ReceivedCode(), "7*");
    EXPECT_EQ(shownId(1), 0);  // nothing is drawn while hidden
    ASSERT_TRUE(message.isVisible());
    EXPECT_EQ(message.lblDTMFmessage()->text(), "<b>Net</b> at 20:00, channel 3");
    EXPECT_EQ(message.lblDTMFmessage()->textFormat(), Qt::PlainText);
    dtmf->show();
    dtmf->Task_exec();
    EXPECT_EQ(shownText(), "7*");
}

TEST_F(DtmfPanelTest, ASoundEntryPlaysItsFileFromTheActionDirectory) {
    home.write("bell.wav", "RIFF");
    option().setDtmfOn(true);
    option().setRemoteOn(true);
    option().SetRecieveCode(1, "#");
    option().SetActionType(1, 2);
    option().SetActionFile(1, "bell.wav");
    keys("#");
    EXPECT_THAT(sound.played, ElementsAre(home.path("bell.wav")));
}

TEST_F(DtmfPanelTest, KeysGoToTheTuningPanelAndACloseIsRefusedButSaves) {
    QTest::keyClick(dtmf.get(), Qt::Key_7);
    EXPECT_EQ(tuner.keys, (std::vector<std::pair<int, int>>{{'7', 0}}));
    option().setDtmfOn(true);
    option().SetRecieveCode(3, "12,3");
    option().SetActionFile(3, "a, b");
    EXPECT_FALSE(dtmf->close());
    EXPECT_TRUE(dtmf->isVisible());
    EXPECT_THAT(owner.words, ElementsAre("DTMF"));
    EXPECT_THAT(ini(), HasSubstr("DTMFON=1"));
    option().setRemoteOn(true);
    EXPECT_TRUE(dtmf->Unload(ui::UnloadMode::AppEnding));  // the program's close goes through
    EXPECT_THAT(ini(), HasSubstr("REMOTEON=1"));
    EXPECT_THAT(ini(), HasSubstr("REMOTE3=\"12,3,0,a, b\""));
}

TEST_F(DtmfPanelTest, LoadingTakesTheSettingsFromTheFile) {
    dtmf.reset();
    home.write("Corvell.ini", "[DTMF]\r\nDTMFON=1\r\nREMOTEON=1\r\nREMOTE5=9#,1,x, y.sh\r\n");
    platform::clearProfileCache();
    dtmf = std::make_unique<frmDTMF>(frmDTMF::Neighbours{*rx, {}, {}, &sound, home.dir()}, nullptr,
                                     &hold);
    dtmf->Load();
    dtmf->show();
    dtmf->Task_exec();
    EXPECT_TRUE(option().DtmfOn());
    EXPECT_EQ(option().GetActionFile(5), "x, y.sh");
    EXPECT_EQ(shownId(27), 1504);
    EXPECT_EQ(shownId(28), 1503);
}

TEST_F(DtmfPanelTest, Screenshots) {
    rx->setPower(0);
    dtmf->Task_exec();
    saveScreenshot(*dtmf, "dtmf-panel-off", 2);
    const QImage off = dtmf->grab().toImage();
    rx->setPower(1);
    click(*dtmf, 24);
    click(*dtmf, 25);
    keys("0123456789ABCD*#");
    saveScreenshot(*dtmf, "dtmf-panel-received", 2);
    const QImage on = dtmf->grab().toImage();
    for (int lamp : {27, 28}) {
        const QRect r = dtmf->img(lamp)->geometry();
        EXPECT_GT(differingPixels(off.copy(r), on.copy(r)), 20) << "lamp " << lamp;
    }
    press(*dtmf, 26);
    saveScreenshot(*dtmf, "dtmf-panel-set-held", 2);
    release(*dtmf, 26);
}

}  // namespace
}  // namespace corvell::test
