// A temporary program directory for one test: CORVELL_HOME points at it, the INI engine
// forgets what it held, and everything is removed afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/private_profile.h"

namespace corvell::test {

class TempHome {
  public:
    TempHome() {
        char tmpl[] = "/tmp/corvell-core-XXXXXX";
        dir_ = ::mkdtemp(tmpl) ? tmpl : "";
        const char* old = std::getenv("CORVELL_HOME");
        hadOld_ = old != nullptr;
        if (old) old_ = old;
        ::setenv("CORVELL_HOME", dir_.c_str(), 1);
        platform::clearProfileCache();
    }
    ~TempHome() {
        platform::clearProfileCache();
        if (hadOld_) {
            ::setenv("CORVELL_HOME", old_.c_str(), 1);
        } else {
            ::unsetenv("CORVELL_HOME");
        }
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& dir() const { return dir_; }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

  private:
    std::string dir_;
    std::string old_;
    bool hadOld_ = false;
};

}  // namespace corvell::test
