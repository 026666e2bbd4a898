// What a screen reader finds on a window of drawn images: keys as named buttons, lamps as
// indicators named by legend and state, a row of digit pictures as one text, and pictures that
// say nothing not at all.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>

#include "tests/support/accessible_tree.h"
#include "ui/AccessibleImages.h"
#include "ui/AccessibleReadout.h"
#include "ui/ImageHotZone.h"
#include "ui/PanelWindow.h"

namespace corvell::ui {
namespace {

using test::AccessibleNode;
using test::accessibleTree;

class ImageWindow : public PanelWindow {
  public:
    ImageWindow() : PanelWindow(QStringLiteral("Image Window")) { resize(200, 100); }
};

ImageHotZone* zoneAt(ImageWindow& window, int index, int x) {
    auto* zone = new ImageHotZone(index, &window);
    zone->setGeometry(x, 10, 20, 20);
    return zone;
}

TEST(AccessibleImages, AWindowListsKeysIndicatorsAndReadoutsButNoPictures) {
    ImageWindow window;
    zoneAt(window, 1, 0)->setLegend("ENT");
    ImageHotZone* busy = zoneAt(window, 2, 20);
    busy->setIndicator("BUSY");
    zoneAt(window, 3, 40)->leaveOutOfTree();  // a frame piece
    std::vector<ImageHotZone*> digits;
    for (int i = 0; i < 4; ++i) digits.push_back(zoneAt(window, 4 + i, 60 + 20 * i));
    auto* readout =
        new AccessibleReadout(&window, "Frequency", digits, AccessibleReadout::frequencyReading);
    for (auto [zone, id] :
         {std::pair{digits[0], 1601}, {digits[1], 1610}, {digits[2], 1605}, {digits[3], 0}}) {
        zone->setImageId(id);
    }
    readout->refresh();

    const std::vector<AccessibleNode> tree = accessibleTree(&window);
    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree[0].role, QAccessible::Button);
    EXPECT_EQ(tree[0].name, "ENT");
    EXPECT_EQ(tree[1].role, QAccessible::Indicator);
    EXPECT_EQ(tree[1].name, "BUSY: off");
    EXPECT_EQ(tree[2].role, QAccessible::StaticText);
    EXPECT_EQ(tree[2].name, "1.5 MHz");
    EXPECT_EQ(tree[2].description, "Frequency");
    EXPECT_EQ(tree[2].object, readout);
    EXPECT_EQ(readout->area(), QRect(60, 10, 80, 20));

    // An indicator is renamed as its picture changes, and cannot be pressed.
    busy->setImageId(1411);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(busy)->text(QAccessible::Name), "BUSY: on");
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(busy)->actionInterface();
    EXPECT_TRUE(!actions || actions->actionNames().isEmpty());
    busy->setImageId(0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(busy)->text(QAccessible::Name), "BUSY: off");
}

TEST(AccessibleImages, AReadoutTellsOnlyANewText) {
    ImageWindow window;
    ImageHotZone* place = zoneAt(window, 1, 0);
    AccessibleReadout readout(&window, "Code", {place}, AccessibleReadout::plainReading);
    QSignalSpy told(&readout, &AccessibleReadout::textChanged);
    place->setImageId(1525);
    readout.refresh();
    readout.refresh();
    place->setImageId(1525);
    readout.refresh();
    ASSERT_EQ(told.count(), 1);
    EXPECT_EQ(readout.text(), "#");
}

TEST(AccessibleImages, AnIndicatorsStateIsWhatItsPictureShows) {
    struct Case {
        int id;
        const char* legend;
        const char* state;
    };
    for (const Case& c : {
             Case{0, "BUSY", "off"}, Case{3098, "BUSY", "on"},  // the lit lamp of its own legend
             Case{3097, "BUSY", "ERR"},      // a lit lamp with a caption of its own
             Case{1410, "BUSY", "off"},      // an unlit lamp
             Case{1224, "FILTER", "15k"},    // a text picture
             Case{2035, "S-METER", "S 1"},   // a meter
             Case{1245, "IF SHIFT", "off"},  // a meter shown unlit
             Case{1504, "DTMF", "on"},       // a lamp without a caption
         }) {
        EXPECT_EQ(pictureState(c.id, c.legend), c.state) << c.id;
    }
}

TEST(AccessibleImages, AFrequencyIsReadAsItsDigitsShowIt) {
    struct Case {
        const char* shown;
        const char* read;
    };
    for (const Case& c : {
             Case{" 145.000.000", "145.000.000 MHz"},
             Case{"   0.531.000", "0.531.000 MHz"},
             Case{"1296.512.50 ", "1296.512.50 MHz"},
             Case{"    .   . 14", "14 MHz"},     // an entry of whole MHz being typed
             Case{" 145.   .  5", "145.5 MHz"},  // an entry past the point
             Case{"    .   .   ", ""},           // a blank receiver
             Case{"            ", ""},
         }) {
        EXPECT_EQ(AccessibleReadout::frequencyReading(c.shown), c.read) << c.shown;
    }
    EXPECT_EQ(AccessibleReadout::plainReading("123#        "), "123#");
}

}  // namespace
}  // namespace corvell::ui
