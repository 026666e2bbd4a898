#include "core/BandEdgeTables.h"

#include <initializer_list>
#include <utility>

namespace corvell {
namespace {

using Ranges = std::initializer_list<std::pair<int32_t, int32_t>>;

struct Table {
    const char* name;
    Ranges ranges;
};

// What lies between 823999000 and 849001000 Hz and between 868999000 and 894001000 Hz is
// left out of every "FCC" table.
const Table kTables[] = {
    {"GENE", {{10000, 1300000000}}},
    {"#1",
     {{10000, 252900000},
      {255100000, 261900000},
      {266100000, 270900000},
      {275100000, 379900000},
      {382100000, 411900000},
      {415100000, 809900000},
      {834100000, 859900000},
      {889100000, 914900000},
      {960100000, 1300000000}}},
    {"#2", {{10000, 823999000}, {849001000, 868999000}, {894001000, 1300000000}}},
    {"#3", {{10000, 1300000000}}},
    {"#4", {{10000, 1300000000}}},
    {"#5", {{10000, 87500000}, {108000000, 1300000000}}},
    {"#6",
     {{10000, 29999000},
      {50000000, 52000000},
      {88000000, 108000000},
      {144000000, 146000000},
      {432000000, 438000000},
      {1240000000, 1300000000}}},
    {"#7",
     {{10000, 823999000}, {849001000, 868999000}, {894001000, 943999000}, {948501000, 1300000000}}},
    {"GENEFCC", {{10000, 823999000}, {849001000, 868999000}, {894001000, 1300000000}}},
    {"#1FCC",
     {{10000, 252900000},
      {255100000, 261900000},
      {266100000, 270900000},
      {275100000, 379900000},
      {382100000, 411900000},
      {415100000, 809900000},
      {849001000, 859900000},
      {894001000, 914900000},
      {960100000, 1300000000}}},
    {"#2FCC", {{10000, 823999000}, {849001000, 868999000}, {894001000, 1300000000}}},
    {"#3FCC", {{10000, 823999000}, {849001000, 868999000}, {894001000, 1300000000}}},
    {"#4FCC", {{10000, 823999000}, {849001000, 868999000}, {894001000, 1300000000}}},
    {"#5FCC",
     {{10000, 87500000}, {108000000, 823999000}, {849001000, 868999000}, {894001000, 1300000000}}},
    {"#6FCC",
     {{10000, 29999000},
      {50000000, 52000000},
      {88000000, 108000000},
      {144000000, 146000000},
      {432000000, 438000000},
      {1240000000, 1300000000}}},
    {"#7FCC",
     {{10000, 823999000}, {849001000, 868999000}, {894001000, 943999000}, {948501000, 1300000000}}},
};

}  // namespace

void BuildBandEdgeTables(objEDGES& edges) {
    for (const Table& t : kTables) {
        edges.addTable(t.name);
        int key = 1;
        for (const auto& [low, high] : t.ranges)
            edges.add(t.name, std::to_string(key++), low, high);
    }
}

std::string SelectCountryVersion(objEDGES& edges, std::string_view name) {
    std::string result;
    for (const Table& t : kTables) {
        if (name == t.name) {
            edges.enableTable(t.name);
            result += t.name;
        } else {
            edges.disableTable(t.name);
        }
    }
    if (result.empty()) edges.enableTable("GENE");
    return result;
}

void InitBandEdges(objEDGES& edges, std::string_view countryVersion) {
    BuildBandEdgeTables(edges);
    SelectCountryVersion(edges, countryVersion);
}

std::string CountryVersionTableName(int16_t code) {
    static constexpr const char* kByLowBits[8] = {"#1", "#2", "#3",   "#5",
                                                  "#6", "#7", "GENE", "GENE"};
    std::string name = kByLowBits[code & 7];
    if (code & 8) name += "FCC";
    return name;
}

}  // namespace corvell
