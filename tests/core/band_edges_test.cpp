#include <gtest/gtest.h>

#include "core/BandEdgeTables.h"
#include "core/clsEDGES.h"
#include "core/objEDGES.h"

namespace {

using namespace corvell;

const char* const kAllTables[] = {"GENE",  "#1",    "#2",      "#3",    "#4",    "#5",
                                  "#6",    "#7",    "GENEFCC", "#1FCC", "#2FCC", "#3FCC",
                                  "#4FCC", "#5FCC", "#6FCC",   "#7FCC"};

objEDGES builtWith(const char* name) {
    objEDGES edges;
    InitBandEdges(edges, name);
    return edges;
}

TEST(Edge, StoresBelowOneAsZeroAndComparesInclusively) {
    clsEDGE e;
    e.setLow(-5);
    e.setHigh(0);
    EXPECT_EQ(e.low(), 0);
    EXPECT_EQ(e.high(), 0);
    e.setLow(100);
    e.setHigh(200);
    EXPECT_EQ(e.compair(99), clsEDGE::isLOW);
    EXPECT_EQ(e.compair(100), clsEDGE::isINSIDE);
    EXPECT_EQ(e.compair(200), clsEDGE::isINSIDE);
    EXPECT_EQ(e.compair(201), clsEDGE::isHIGH);
}

TEST(EdgeTable, ExtremesAndNextEdges) {
    clsEDGES empty;
    EXPECT_FALSE(empty.inside(5));
    EXPECT_EQ(empty.nextedge(123, true), 123);

    clsEDGES t;
    t.add("1", 100, 200);
    t.add("2", 300, 400);
    t.add("3", 50, 60);  // out of order: the given values still decide lowest and highest
    t.add("2", 1, 9);    // a key already there is ignored
    EXPECT_EQ(t.count(), 3u);
    EXPECT_EQ(t.lowest(), 50);
    EXPECT_EQ(t.highest(), 400);
    EXPECT_EQ(t.findnextlow(250), 300);
    EXPECT_EQ(t.findnextlow(400), 0);
    EXPECT_EQ(t.findnexthigh(250), 200);
    EXPECT_EQ(t.findnexthigh(40), 0);
    EXPECT_EQ(t.nextedge(450, true), 50);   // wraps to the bottom
    EXPECT_EQ(t.nextedge(40, false), 400);  // wraps to the top
    EXPECT_EQ(t.nextedge(150, true), 300);
    EXPECT_EQ(t.nextedge(350, false), 200);
}

TEST(BandEdges, EveryTableCoversTheReceiverLimitsExactly) {
    for (const char* name : kAllTables) {
        const objEDGES edges = builtWith(name);
        EXPECT_TRUE(edges.isEnabled(name)) << name;
        EXPECT_TRUE(edges.inside(10000)) << name;
        EXPECT_TRUE(edges.inside(1300000000)) << name;
        EXPECT_FALSE(edges.inside(9999)) << name;
        EXPECT_FALSE(edges.inside(1300000001)) << name;
    }
}

TEST(BandEdges, FccTablesLeaveOutTheCellularBands) {
    for (const char* name : kAllTables) {
        const std::string n = name;
        if (!n.ends_with("FCC") || n == "#6FCC") continue;  // #6 has no ranges up there at all
        const objEDGES edges = builtWith(name);
        for (int32_t f : {823999001, 836000000, 849000999, 868999001, 880000000, 894000999}) {
            EXPECT_FALSE(edges.inside(f)) << name << " " << f;
        }
    }
    const objEDGES one = builtWith("#1");
    const objEDGES oneFcc = builtWith("#1FCC");
    EXPECT_TRUE(one.inside(834100000));
    EXPECT_FALSE(oneFcc.inside(834100000));
    EXPECT_TRUE(oneFcc.inside(849001000));
}

TEST(BandEdges, GapsAndWrapping) {
    const objEDGES two = builtWith("#2");
    EXPECT_TRUE(two.inside(823999000));
    EXPECT_FALSE(two.inside(823999001));
    EXPECT_EQ(two.nextedge(824000000, true), 849001000);
    EXPECT_EQ(two.nextedge(824000000, false), 823999000);

    const objEDGES gene = builtWith("GENE");
    for (int32_t f : {0, 10000, 145000000, 1300000000, 2000000000}) {
        EXPECT_EQ(gene.nextedge(f, true), 10000) << f;
        EXPECT_EQ(gene.nextedge(f, false), 1300000000) << f;
    }

    const objEDGES six = builtWith("#6");
    EXPECT_EQ(six.nextedge(1300000000, true), 10000);
    EXPECT_EQ(six.nextedge(10000, false), 1300000000);
    EXPECT_EQ(six.nextedge(30000000, true), 50000000);
    EXPECT_EQ(six.nextedge(60000000, false), 52000000);
}

TEST(BandEdges, SetNextEdgePrefersTheNearestForwardAnswer) {
    objEDGES edges;
    EXPECT_EQ(edges.nextedge(777, true), 777);  // no tables at all
    edges.addTable("A");
    edges.add("A", "1", 100, 200);
    edges.add("A", "2", 500, 600);
    edges.addTable("B");
    edges.add("B", "1", 300, 350);
    edges.add("B", "2", 700, 800);
    EXPECT_EQ(edges.nextedge(250, true), 300);   // B's forward answer beats A's 500
    EXPECT_EQ(edges.nextedge(650, false), 600);  // A's beats B's 350
    EXPECT_EQ(edges.nextedge(900, true), 100);   // only wrapped answers: the smallest
    EXPECT_EQ(edges.nextedge(50, false), 800);   // only wrapped answers: the largest
    edges.disableTable("A");
    edges.disableTable("B");
    EXPECT_EQ(edges.nextedge(250, true), 0);
    EXPECT_FALSE(edges.inside(150));
    edges.enableTable("A");
    EXPECT_TRUE(edges.inside(150));
    edges.add("missing", "1", 1, 2);  // changes nothing
    EXPECT_EQ(edges.count(), 2u);
}

TEST(BandEdges, SelectionLeavesExactlyOneTableEnabled) {
    struct Case {
        const char* wanted;
        const char* result;
        const char* enabled;
    };
    const Case cases[] = {
        {"#5FCC", "#5FCC", "#5FCC"}, {"GENE", "GENE", "GENE"}, {"", "", "GENE"},
        {"#9", "", "GENE"},          {"gene", "", "GENE"},     {"#4", "#4", "#4"},
    };
    for (const Case& c : cases) {
        objEDGES edges;
        BuildBandEdgeTables(edges);
        ASSERT_EQ(edges.count(), 16u);
        EXPECT_EQ(SelectCountryVersion(edges, c.wanted), c.result) << c.wanted;
        int enabled = 0;
        for (const char* name : kAllTables) enabled += edges.isEnabled(name);
        EXPECT_EQ(enabled, 1) << c.wanted;
        EXPECT_TRUE(edges.isEnabled(c.enabled)) << c.wanted;
    }
}

TEST(BandEdges, CountryCodeNamesTheTable) {
    const std::pair<int16_t, const char*> cases[] = {
        {0, "#1"},   {1, "#2"},   {2, "#3"},    {3, "#5"},     {4, "#6"},       {5, "#7"},
        {6, "GENE"}, {7, "GENE"}, {8, "#1FCC"}, {11, "#5FCC"}, {14, "GENEFCC"}, {15, "GENEFCC"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(CountryVersionTableName(code), name) << code;
    for (int16_t code = 0; code < 16; ++code) {
        const std::string name = CountryVersionTableName(code);
        EXPECT_NE(name, "#4");
        EXPECT_NE(name, "#4FCC");
    }
}

}  // namespace
