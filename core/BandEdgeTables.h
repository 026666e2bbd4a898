// The receive ranges of every receiver version: the 16 band-edge tables, the choice of the
// one in force, and the rule that turns the country code the receiver reports into a table
// name.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/objEDGES.h"

namespace corvell {

// Adds the 16 tables ("GENE", "#1".."#7", then each with "FCC") with their ranges, all
// enabled.
void BuildBandEdgeTables(objEDGES& edges);

// Enables the table of exactly that name and disables all others; returns the name, or the
// empty text (with "GENE" alone enabled) when no table has it.
std::string SelectCountryVersion(objEDGES& edges, std::string_view name);

// BuildBandEdgeTables, then SelectCountryVersion with the given name.
void InitBandEdges(objEDGES& edges, std::string_view countryVersion);

// The table for a country code 0..15: the low three bits give "#1", "#2", "#3", "#5", "#6",
// "#7", "GENE", "GENE"; bit 3 appends "FCC".
std::string CountryVersionTableName(int16_t code);

}  // namespace corvell
