// The set of band-edge tables, keyed by table name in the order they were added; each table
// is enabled or disabled, and only enabled tables answer.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/clsEDGES.h"

namespace corvell {

class objEDGES {
  public:
    static constexpr const char* kEnabled = "ENABLED";
    static constexpr const char* kDisabled = "DISABLE";

    // Appends an enabled, empty table (a name already present is ignored).
    void addTable(std::string_view name);
    void disableTable(std::string_view name);
    void enableTable(std::string_view name);
    // Adds a range to the named table; an unknown table name changes nothing.
    void add(std::string_view table, std::string_view key, int32_t low, int32_t high);

    // True when an enabled table holds f; false when none is enabled.
    bool inside(int32_t f) const;
    // The nearest range start above f (up) or range end below f (down) over the enabled
    // tables, wrapping around when there is none in that direction; f itself when there are
    // no tables, 0 when none is enabled.
    int32_t nextedge(int32_t f, bool up) const;

    // The table of that name, nullptr when there is none.
    const clsEDGES* table(std::string_view name) const;
    bool isEnabled(std::string_view name) const;
    std::size_t count() const { return tables_.size(); }

  private:
    clsEDGES* find(std::string_view name);

    std::vector<std::pair<std::string, clsEDGES>> tables_;
};

}  // namespace corvell
