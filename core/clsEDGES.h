// One band-edge table: named, its receive ranges in the order they were added (each under a
// key), with the lowest and highest edge; answers whether a frequency lies inside and where
// the next range starts or ends.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/clsEDGE.h"

namespace corvell {

class clsEDGES {
  public:
    static constexpr bool isINSIDE = true;

    // Within a set of tables the name holds the table's state, "ENABLED" or "DISABLE".
    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    // Appends a range; a key already present is ignored (keys are unique in a table).
    void add(std::string_view key, int32_t low, int32_t high);

    // True when some range holds f; false for an empty table.
    bool inside(int32_t f) const;

    // The start of the next range above f (up) or the end of the next range below f (down),
    // wrapping to the table's lowest or highest edge; f itself for an empty table.
    int32_t nextedge(int32_t f, bool up) const;
    // The largest high edge below f; 0 when there is none or the table has one range only.
    int32_t findnexthigh(int32_t f) const;
    // The smallest low edge above f; 0 when there is none or the table has one range only.
    int32_t findnextlow(int32_t f) const;

    int32_t lowest() const { return lowest_; }
    int32_t highest() const { return highest_; }
    std::size_t count() const { return edges_.size(); }
    const std::vector<std::pair<std::string, clsEDGE>>& edges() const { return edges_; }

  private:
    std::string name_;
    std::vector<std::pair<std::string, clsEDGE>> edges_;
    int32_t lowest_ = 0;
    int32_t highest_ = 0;
};

}  // namespace corvell
