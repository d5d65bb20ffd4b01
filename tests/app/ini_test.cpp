#include "app/threadini.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

namespace {
const char* const kIni =
    "\xEF\xBB\xBF"
    "; product file\r\n"
    "[Product]\r\n"
    "ShortName = QVN-1  \r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Single='x'\r\n"
    "Lonely=\"\r\n"
    "Empty=\r\n"
    "Inner=a=b\r\n"
    "shortname=second\r\n"
    "[product]\r\n"
    "Later=only in the second section\r\n"
    "[Numbers]\r\n"
    "Hex=0x1F\nDec=31\nBare=1F\nDollar=$1f\nNeg=-5\nYes=yes\nPrefixOnly=0x\nBig=99999999999\n"
    "Utf8=Gr\xC3\xBC\xC3\x9F"
    "e\n";
} // namespace

TEST(IniReader, ProfileRules) {
    TestDir dir;
    dir.Write("a.ini", kIni);
    CIniReader r(dir.Path("a.ini"));
    struct Case {
        const char *Section, *Key, *Expected;
    } cases[] = {
        {"Product", "ShortName", "QVN-1"},   // blanks trimmed, BOM ignored
        {"PRODUCT", "shortNAME", "QVN-1"},   // names without case, first match wins
        {"Product", "Quoted", "  spaced  "}, // one pair of quotes removed, inner blanks kept
        {"Product", "Single", "x"},
        {"Product", "Lonely", "\""}, // a single quote character is a value, not a pair
        {"Product", "Empty", ""},    // present but empty: not the default
        {"Product", "Inner", "a=b"},
        {"Product", "Later", "dflt"}, // only the first matching section is read
        {"Product", "Missing", "dflt"},
        {"Nowhere", "ShortName", "dflt"},
        {"Numbers", "Utf8",
         "Gr\xC3\xBC\xC3\x9F"
         "e"}, // bytes pass through unchanged
    };
    for (const auto& c : cases)
        EXPECT_EQ(r.ReadString(c.Section, c.Key, "dflt"), c.Expected) << c.Section << "/" << c.Key;
}

TEST(IniReader, IntegerRule) {
    TestDir dir;
    dir.Write("a.ini", kIni);
    CIniReader r(dir.Path("a.ini"));
    struct Case {
        const char* Key;
        int Expected;
    } cases[] = {{"Hex", 31}, {"Dec", 31},        {"Bare", 77}, {"Dollar", 31}, {"Neg", -5},
                 {"Yes", 77}, {"PrefixOnly", 77}, {"Big", 77},  {"Missing", 77}};
    for (const auto& c : cases)
        EXPECT_EQ(r.ReadInteger("Numbers", c.Key, 77), c.Expected) << c.Key;
    EXPECT_TRUE(r.ReadBool("Numbers", "Neg", false));
    EXPECT_FALSE(r.ReadBool("Numbers", "Yes", false));
    EXPECT_TRUE(r.ReadBool("Numbers", "Yes", true));
}

TEST(IniReader, LongValuesAreCutTo2047Characters) {
    TestDir dir;
    dir.Write("a.ini", "[S]\nK=" + std::string(5000, 'v') + "\n");
    EXPECT_EQ(CIniReader(dir.Path("a.ini")).ReadString("S", "K", "").size(), 2047u);
}

TEST(ThreadIni, MissingFileGivesDefaultsAndCreatesNothing) {
    TestDir dir;
    CThreadIni ini(dir.Path("none.ini"));
    EXPECT_EQ(ini.ReadString("Product", "ShortName", "QVN-514WBR"), "QVN-514WBR");
    EXPECT_TRUE(ini.ReadBool("Setting", "NonWorking", true));
    EXPECT_TRUE(dir.Files().isEmpty());
}

TEST(ThreadIni, EveryReadGoesToTheFile) {
    TestDir dir;
    dir.Write("a.ini", "[S]\nK=1\n");
    CThreadIni ini(dir.Path("a.ini"));
    EXPECT_EQ(ini.ReadString("S", "K", ""), "1");
    dir.Write("a.ini", "[S]\nK=2\n");
    EXPECT_EQ(ini.ReadString("S", "K", ""), "2");
}

TEST(ThreadIni, LockIsReentrantForSeriesOfReads) {
    TestDir dir;
    dir.Write("a.ini", "[S]\nK=v\n");
    CThreadIni ini(dir.Path("a.ini"), "corvana-test-ini-lock");
    CIniReader& r = ini.Lock();
    EXPECT_EQ(ini.ReadString("S", "K", ""), "v"); // a plain read inside a held lock does not deadlock
    EXPECT_EQ(r.ReadString("S", "K", ""), "v");
    ini.Unlock();
}
