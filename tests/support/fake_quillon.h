// An in-process stand-in for the receiver link library: a table of the 78 exports that records
// every call in order and keeps each setting the way the library's store does (a setter stores
// and returns its argument, a getter returns what is stored), so a test sees what the program
// told the library and can put received values, meters and status in place. Header-only, so
// any test folder can include it. Constructing one binds it; destroying it binds again what was
// bound before (another fake, or the library).
// Thread contract: the thread that made it, only.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/QuillonApi.h"

namespace corvell::test {

struct QuillonCall {
    std::string name;
    std::vector<int32_t> args;
    bool operator==(const QuillonCall&) const = default;
};

class FakeQuillon {
  public:
    FakeQuillon() : previousFake_(current()), previousTable_(&Quillon()) {
        current() = this;
#define FAKE_Q0(n) table_.n = [] { return current()->dispatch(#n, {}); };
#define FAKE_Q1(n) table_.n = [](int32_t a) { return current()->dispatch(#n, {a}); };
#define FAKE_Q4(n)                                              \
    table_.n = [](int32_t a, int32_t b, int32_t c, int32_t d) { \
        return current()->dispatch(#n, {a, b, c, d});           \
    };
#define FAKE_Q6(n)                                                                    \
    table_.n = [](int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) { \
        return current()->dispatch(#n, {a, b, c, d, e, f});                           \
    };
        CORVELL_QUILLON_EXPORTS(FAKE_Q0, FAKE_Q1, FAKE_Q4, FAKE_Q6)
#undef FAKE_Q0
#undef FAKE_Q1
#undef FAKE_Q4
#undef FAKE_Q6
        BindQuillon(&table_);
    }
    ~FakeQuillon() {
        BindQuillon(previousTable_);
        current() = previousFake_;
    }
    FakeQuillon(const FakeQuillon&) = delete;
    FakeQuillon& operator=(const FakeQuillon&) = delete;

    // A stored value by its field name, the export's name without "RsSet"/"RsGet"
    // ("Frequency", "Sql", "Smeter", "PowerOnStat", "ComportCTSstat", ...).
    int32_t value(const std::string& field) const {
        const auto it = values_.find(field);
        if (it != values_.end()) return it->second;
        return defaultValue(field);
    }
    void setValue(const std::string& field, int32_t v) {
        values_[field] = v;
    }

    // The levels RsGetScopeBuff answers for points 0..255.
    std::array<int32_t, 256> scope{};

    // Every call since construction or the last clear().
    std::vector<QuillonCall> calls;
    void clear() {
        calls.clear();
    }

    // The calls that tell the library something: everything but the "RsGet..." reads.
    std::vector<QuillonCall> sends() const {
        std::vector<QuillonCall> out;
        for (const QuillonCall& c : calls) {
            if (c.name.rfind("RsGet", 0) != 0) out.push_back(c);
        }
        return out;
    }
    std::vector<QuillonCall> callsTo(std::string_view name) const {
        std::vector<QuillonCall> out;
        for (const QuillonCall& c : calls) {
            if (c.name == name) out.push_back(c);
        }
        return out;
    }
    int count(std::string_view name) const {
        return static_cast<int>(callsTo(name).size());
    }

  private:
    static FakeQuillon*& current() {
        static FakeQuillon* fake = nullptr;
        return fake;
    }

    static int32_t defaultValue(const std::string& field) {
        static const std::map<std::string, int32_t> defaults = {
            {"Frequency", 145000000}, {"PllRefFrequency", 5000}, {"Ifshift", 128},
            {"Bfoshift", 128},        {"Cmeter", 128},           {"VerSCI", -1},
            {"VerCPU", -1},           {"MatrixVersion", -1}};
        const auto it = defaults.find(field);
        return it == defaults.end() ? 0 : it->second;
    }

    static int32_t pllRef(int32_t v) {
        return (v == 6250 || v == 12500) ? v : 5000;
    }

    int32_t dispatch(std::string_view name, std::initializer_list<int32_t> list) {
        const std::vector<int32_t> args(list);
        calls.push_back({std::string(name), args});
        if (name == "RsGetScopeBuff") {
            const auto i = static_cast<uint32_t>(args[0]);
            return i < scope.size() ? scope[i] : 0;
        }
        if (name == "RsSetPllRefFrequency") {
            values_["PllRefFrequency"] = pllRef(args[0]);
            return pllRef(args[0]);
        }
        if (name == "RsSetComportNum") {
            values_["ComportNum"] = (args[0] >= 0 && args[0] <= 10) ? args[0] : 0;
            return args[0];
        }
        if (name == "RsSetScanRxData") {
            values_["Frequency"] = args[0];
            values_["Mode"] = args[1];
            values_["Filter"] = args[2];
            values_["Att"] = args[3];
            values_["Ctcss"] = args[4];
            values_["PllRefFrequency"] = pllRef(args[5]);
            return 1;
        }
        if (name == "RsSetHwndScanNotify") return args[0];
        if (name.rfind("RsSet", 0) == 0) {
            values_[std::string(name.substr(5))] = args[0];
            return args[0];
        }
        if (name.rfind("RsGet", 0) == 0) return value(std::string(name.substr(5)));
        return 1;  // power and direct sends
    }

    FakeQuillon* previousFake_;
    const QuillonApi* previousTable_;
    QuillonApi table_;
    std::map<std::string, int32_t> values_;
};

}  // namespace corvell::test
