// What the receiver reports comes back through the library's getters, and a scan status
// report reaches the window registered for it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window_messages.h"
#include "tests/link-e2e/link_session.h"

namespace {

using e2e::LinkSession;
using e2e::rs;
using e2e::waitFor;

TEST(Replies, VersionsUnitsAndCommandStatusAnswerThePowerOnQueries) {
    LinkSession s;
    s.rx().setVersions(0x12, 0x34, 0x05);
    s.rx().setUnitOption(0x10);
    ASSERT_TRUE(s.powerOn());
    EXPECT_TRUE(waitFor([] { return rs("RsGetUnitOption") == 0x10; }));
    EXPECT_EQ(rs("RsGetVerSCI"), 0x12);
    EXPECT_EQ(rs("RsGetVerCPU"), 0x34);
    EXPECT_EQ(rs("RsGetMatrixVersion"), 0x05);
    EXPECT_EQ(rs("RsGetCmdStat"), 0);
}

TEST(Replies, MetersAndEachStatusBitComeBackThroughTheirGetters) {
    LinkSession s;
    s.rx().setSmeter(0x9A);
    s.rx().setCmeter(0x70);
    rs("RsSetFrequency", 145000000);  // the receive error reads 0 while the frequency is 0
    ASSERT_TRUE(s.powerOn());
    EXPECT_TRUE(waitFor([] { return rs("RsGetSmeter") == 0x9A; }));
    EXPECT_TRUE(waitFor([] { return rs("RsGetCmeter") == 0x70; }));

    const struct {
        int bit;
        const char* getter;
    } bits[] = {{0, "RsGetBusy"},      {1, "RsGetAfopen"},      {2, "RsGetVscbusy"},
                {4, "RsGetStereoDet"}, {6, "RsGetExtspJackIn"}, {7, "RsGetRxerr"}};
    for (const auto& b : bits) {
        SCOPED_TRACE(b.getter);
        s.rx().setStatusBits(1 << b.bit);
        EXPECT_TRUE(waitFor([&] {
            for (const auto& other : bits) {
                if (rs(other.getter) != (other.bit == b.bit ? 1 : 0)) return false;
            }
            return true;
        }));
    }
    s.rx().setStatusBits(0);
    EXPECT_TRUE(waitFor([] { return rs("RsGetRxerr") == 0; }));
}

TEST(Replies, DtmfCodesArriveAndCanBeRearmed) {
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    rs("RsSetDtmfr", 0);
    s.rx().sendDtmf(0x0B);
    EXPECT_TRUE(waitFor([] { return rs("RsGetDtmfr") == 0x0B; }));
    EXPECT_EQ(rs("RsSetDtmfr", 0), 0);
    EXPECT_EQ(rs("RsGetDtmfr"), 0);
    s.rx().sendDtmf(0x0B);
    EXPECT_TRUE(waitFor([] { return rs("RsGetDtmfr") == 0x0B; }));
}

TEST(Replies, EveryScanStatusReportReachesTheRegisteredWindow) {
    std::vector<platform::WindowMessage> received;
    platform::MessageQueueWindow window(
        [&](const platform::WindowMessage& m) { received.push_back(m); });
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    rs("RsSetHwndScanNotify", window.handle());
    auto pumpUntil = [&](size_t count) {
        return waitFor(
            [&] {
                window.pump(10);
                return received.size() >= count;
            },
            3000);
    };

    s.rx().sendScanStatus(0x10);
    ASSERT_TRUE(pumpUntil(1));
    EXPECT_EQ(received[0].window, window.handle());
    EXPECT_EQ(received[0].message, 0x200u);
    EXPECT_EQ(received[0].wParam, 1);
    EXPECT_EQ(received[0].lParam, 10);
    EXPECT_EQ(rs("RsGetScanStat"), 0x10);

    // The same status once more is a report of its own.
    s.rx().sendScanStatus(0x10);
    EXPECT_TRUE(pumpUntil(2));
    s.rx().sendScanStatus(0x01);
    EXPECT_TRUE(pumpUntil(3));
    EXPECT_EQ(rs("RsGetScanStat"), 0x01);
    rs("RsSetHwndScanNotify", 0);
}

}  // namespace
