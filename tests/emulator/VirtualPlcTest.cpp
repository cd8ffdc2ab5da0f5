#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>

#include "emulator/ValuesError.h"
#include "emulator/VirtualPlcCsv.h"
#include "emulator/VirtualPlcFile.h"
#include "emulator/VirtualPlcJson.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using Values = std::map<CPollAddress, std::int64_t>;
const std::string kHeader = "station,unit,address,value\n";

// One JSON entry at station 1, unit 1, address 1 with the members given.
std::string JsonEntry(const std::string& members) {
    return R"({"values": [{"station": 1, "unit": 1, "address": 1, )" + members + "}]}";
}

// Both forms read their values, and write them so that they read back the same.
TEST(VirtualPlc, ValuesSurviveWritingAndReadingInBothForms) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const struct {
        bool m_bJson;
        std::string m_strText;
        Values m_values;
    } cases[] = {
        {false,
         "\xEF\xBB\xBF Station, Unit ,Address,VALUE\r\n\r\n1,1,100,-5\r\n0,255,65535, " +
             std::to_string(kMax) + "\n",
         {{{1, 1, 100}, -5}, {{0, 255, 65535}, kMax}}},
        {true,
         R"({"values": [{"value": 7, "address": 3, "unit": 2, "station": 1},
                        {"station": 0, "unit": 0, "address": 0, "value": -9223372036854775808}]})",
         {{{1, 2, 3}, 7}, {{0, 0, 0}, kMin}}},
    };
    for (const auto& row : cases) {
        const auto parse = row.m_bJson ? CVirtualPlcJson::Parse : CVirtualPlcCsv::Parse;
        const auto format = row.m_bJson ? CVirtualPlcJson::Format : CVirtualPlcCsv::Format;
        const CVirtualPlc plc = parse(row.m_strText);
        EXPECT_EQ(plc.GetValues(), row.m_values) << row.m_strText;
        EXPECT_EQ(parse(format(plc)).GetValues(), row.m_values) << format(plc);
        EXPECT_EQ(plc.Read({9, 9, 9}), 0);
    }
}

TEST(VirtualPlc, RefusesWhatItCannotReadNamingThePlace) {
    const struct {
        bool m_bJson;
        std::string m_strText, m_strError;
    } cases[] = {
        {false, "", "the header line station,unit,address,value is missing"},
        {false, kHeader + "1,1,1\n",
         "line 2: 3 fields where station,unit,address,value are expected"},
        {false, kHeader + "\n1,1,0x10,1", "line 3: address \"0x10\" is not a whole number"},
        {false, kHeader + "1,256,0,0", "line 2: unit 256 is outside 0 to 255"},
        {false, kHeader + "-1,0,0,0", "line 2: station -1 is outside 0 to 255"},
        {false, kHeader + "1,0,65536,0", "line 2: address 65536 is outside 0 to 65535"},
        {false, kHeader + "1,0,0,9223372036854775808",
         "line 2: value \"9223372036854775808\" does not fit 64 bits"},
        {false, kHeader + "1,2,3,4\n1,2,3,5",
         "line 3: station 1, unit 2, address 3 is given twice"},
        {true, R"({"values": [], "x": 1})",
         "the document is not an object with only a \"values\" array"},
        {true, R"({"values": [1]})", "entry 1: not an object"},
        {true, R"({"values": [{"station": 1, "unit": 1, "address": 1}]})",
         "entry 1: value is missing"},
        {true, JsonEntry(R"("adress": 1, "value": 0)"), "entry 1: unknown member \"adress\""},
        {true, JsonEntry(R"("value": 1.5)"), "entry 1: value is not a whole number"},
        {true, JsonEntry(R"("value": 9223372036854775808)"), "entry 1: value does not fit 64 bits"},
        {true, JsonEntry(R"("value": [[[1]]])"), "values are nested too deeply"},
        {true, R"({"values": [{"station": 256, "unit": 1, "address": 1, "value": 0}]})",
         "entry 1: station 256 is outside 0 to 255"},
        {true, R"({"values": [)",
         "parse error at line 1, column 13: syntax error while parsing value - unexpected end of "
         "input; expected '[', '{', or a literal"},
    };
    for (const auto& row : cases) {
        try {
            (row.m_bJson ? CVirtualPlcJson::Parse : CVirtualPlcCsv::Parse)(row.m_strText);
            ADD_FAILURE() << row.m_strText << " was read";
        } catch (const CValuesError& error) {
            EXPECT_EQ(error.what(), row.m_strError);
        }
    }
}

// The extension chooses the form; a fault names the file; a directory is never read.
TEST(VirtualPlc, FilesChooseTheirFormByExtension) {
    const test::CTempDir dir;
    CVirtualPlc plc;
    plc.Write({1, 3, 20}, 250);
    CVirtualPlcFile::Save(dir / "v.JSON", plc);
    CVirtualPlcFile::Save(dir / "v.csv", plc);
    EXPECT_EQ(CVirtualPlcFile::Load(dir / "v.JSON").GetValues(), plc.GetValues());
    const std::vector<std::uint8_t> csv = ReadFileBytes(dir / "v.csv");
    EXPECT_EQ(std::string(csv.begin(), csv.end()), kHeader + "1,3,20,250\n");
    std::filesystem::copy_file(dir / "v.JSON", dir / "bad.csv");
    std::filesystem::create_directory(dir / "dir.csv");
    for (const std::string error : {"v.txt: a values file ends in .json or .csv",
                                    "bad.csv: line 1: the header line", "dir.csv: "}) {
        try {
            CVirtualPlcFile::Load(dir / error.substr(0, error.find(':')));
            ADD_FAILURE() << error;
        } catch (const CFileError& thrown) {
            EXPECT_NE(std::string(thrown.what()).find(error), std::string::npos) << thrown.what();
        }
    }
}

}  // namespace
}  // namespace tavelo
