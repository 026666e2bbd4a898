// A temporary program directory for one memory test, with a message presenter that records
// every box, and the program-wide memory and settings objects made afresh.
#pragma once

#include <filesystem>
#include <string>

#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace corvell::test {

class MemoryHome : public TempHome {
  public:
    MemoryHome() {
        ResetProgramMemory();
        ResetProgramObjects();
        std::filesystem::current_path(dir());
    }
    ~MemoryHome() {
        ResetProgramMemory();
        ResetProgramObjects();
        std::error_code ec;
        std::filesystem::current_path("/", ec);
    }

    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& request : presenter.shown()) texts.push_back(request.text);
        return texts;
    }

    platform::ScriptedPresenter presenter;
};

// The file of the fixtures folder.
inline std::string fixture(const std::string& name) {
    return (std::filesystem::path(CORVELL_SOURCE_DIR) / "tests" / "fixtures" / name).string();
}

}  // namespace corvell::test
