// The binding of the link library by name: missing library or export, and bound tables.
#include <gmock/gmock.h>
#include <unistd.h>

#include "core/QuillonApi.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/scripted_presenter.h"

namespace corvell::test {
namespace {

using ::testing::HasSubstr;

std::string binDir() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string exe(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    return exe.substr(0, exe.rfind('/'));
}

class BindingTest : public ::testing::Test {
  protected:
    ~BindingTest() override {
        ResetQuillonLibrary();
        SetQuillonLibraryPath("");
    }
    platform::ScriptedPresenter presenter;
};

TEST_F(BindingTest, AMissingLibraryIsReportedOnceAndAnswersZero) {
    SetQuillonLibraryPath("/nonexistent/libquillon.so");
    ResetQuillonLibrary();
    const QuillonApi& rs = Quillon();
    EXPECT_EQ(rs.RsGetFrequency(), 0);
    EXPECT_EQ(rs.RsSetAfgain(40), 0);
    EXPECT_EQ(rs.RsSetScanRxData(1, 2, 3, 4, 5, 6), 0);
    EXPECT_EQ(rs.RsSendScope(1, 2, 3, 4), 0);
    ASSERT_EQ(presenter.shown().size(), 1u);
    EXPECT_THAT(presenter.shown()[0].text, HasSubstr("libquillon.so"));
    EXPECT_EQ(presenter.shown()[0].icon, platform::MessageIcon::Error);
}

TEST_F(BindingTest, ALibraryWithoutTheExportNamesItOnce) {
    // A real shared library of ours that has no Rs exports.
    SetQuillonLibraryPath(binDir() + "/libcorvell_platform.so");
    ResetQuillonLibrary();
    const QuillonApi& rs = Quillon();
    EXPECT_EQ(rs.RsGetSmeter(), 0);
    EXPECT_EQ(rs.RsGetSmeter(), 0);
    EXPECT_EQ(rs.RsPowerOn(), 0);
    const auto shown = presenter.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_THAT(shown[0].text, HasSubstr("RsGetSmeter"));
    EXPECT_THAT(shown[1].text, HasSubstr("RsPowerOn"));
}

// While the box is open the program's timers go on and call exports of their own.
class CallingPresenter : public platform::MessagePresenter {
  public:
    CallingPresenter() { platform::setMessagePresenter(this); }
    ~CallingPresenter() override { platform::setMessagePresenter(nullptr); }
    platform::MessageResult present(const platform::MessageRequest& request) override {
        texts.push_back(request.text);
        answers.push_back(Quillon().RsGetPowerOnStat());
        answers.push_back(Quillon().RsGetScanStat());
        return platform::MessageResult::Ok;
    }
    std::vector<std::string> texts;
    std::vector<int32_t> answers;
};

TEST_F(BindingTest, ExportsCalledWhileTheReportIsOpenAnswerZero) {
    SetQuillonLibraryPath("/nonexistent/libquillon.so");
    ResetQuillonLibrary();
    CallingPresenter box;
    EXPECT_EQ(Quillon().RsGetMode(), 0);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_THAT(box.texts[0], HasSubstr("libquillon.so"));
    EXPECT_EQ(box.answers, (std::vector<int32_t>{0, 0}));
}

TEST_F(BindingTest, ABoundTableIsUsedUntilItGoes) {
    {
        FakeQuillon fake;
        fake.setValue("Smeter", 77);
        EXPECT_EQ(Quillon().RsGetSmeter(), 77);
        {
            FakeQuillon inner;
            inner.setValue("Smeter", 5);
            EXPECT_EQ(Quillon().RsGetSmeter(), 5);
        }
        EXPECT_EQ(Quillon().RsGetSmeter(), 77);  // the outer one again
    }
    EXPECT_EQ(&Quillon(), &QuillonLibraryApi());
    EXPECT_TRUE(presenter.shown().empty());  // nothing was loaded
}

}  // namespace
}  // namespace corvell::test
