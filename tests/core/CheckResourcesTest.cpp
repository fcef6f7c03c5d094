#include <gtest/gtest.h>

#include "core/CSlowa.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"

namespace {

// Writes every word file the catalogue expects into the sandbox.
void WriteWordTree(const CSlowa& catalogue, const TempDir& dir)
{
    for (const CSlowa::SPaczka& word : catalogue.Words()) {
        dir.Write("Data/exio200b/" + word.Key + ".xbi", "b");
        dir.Write("Data/exio400j/" + word.Key + ".xji", "j");
        dir.Write("Data/Smd/" + word.Key + ".pw", "w");
    }
}

const std::string kRule(56, '-');

}  // namespace

TEST(CheckResources, ACompleteTreeReportsNothingMissingAndNothingSurplus)
{
    ProgramSandbox box;
    const CSlowa catalogue;
    WriteWordTree(catalogue, box.Dir());
    std::vector<std::string> report{"before"};
    EXPECT_TRUE(catalogue.CheckResources(report));
    const std::vector<std::string> expected{
        "before", kRule, "Wszystkie pliki zasobów istnieją."_cp, kRule, "Brak plików nadmiarowych."_cp, kRule,
    };
    EXPECT_EQ(report, expected);
}

TEST(CheckResources, ListsMissingAndSurplusFilesPerFolderIgnoringLetterCase)
{
    ProgramSandbox box;
    const CSlowa catalogue;
    WriteWordTree(catalogue, box.Dir());
    std::filesystem::remove(box.Root() / "Data/Smd/zaba.pw");
    std::filesystem::remove(box.Root() / "Data/exio200b/abecadlo.xbi");
    box.Dir().Write("Data/exio200b/ABECADLO.XBI", "b");  // counts as the expected file
    std::filesystem::remove(box.Root() / "Data/exio400j/losss.xji");
    box.Dir().Write("Data/exio400j/los2.xji", "j");
    box.Dir().Write("Data/Smd/.hidden", "h");

    std::vector<std::string> report;
    EXPECT_FALSE(catalogue.CheckResources(report));
    const std::vector<std::string> expected{
        kRule,
        "Brakujące pliki zasobów:"_cp,
        "Data\\exio400j\\losss.xji",
        "Data\\Smd\\zaba.pw",
        kRule,
        "Nadmiarowe pliki zasobów:"_cp,
        "Data\\exio400j\\los2.xji",
        "Data\\Smd\\.hidden",
        kRule,
    };
    EXPECT_EQ(report, expected);
}

TEST(CheckResources, AMissingTreeMissesEveryWordFile)
{
    ProgramSandbox box;
    const CSlowa catalogue;
    std::vector<std::string> report;
    EXPECT_FALSE(catalogue.CheckResources(report));
    ASSERT_EQ(report.size(), 1u + 1u + 3u * 353u + 1u + 1u + 1u);
    EXPECT_EQ(report[2], "Data\\exio200b\\abecadlo.xbi");
    EXPECT_EQ(report[2 + 353], "Data\\exio400j\\abecadlo.xji");
    EXPECT_EQ(report[2 + 2 * 353 + 352], "Data\\Smd\\zyrandol.pw");
    EXPECT_EQ(report[report.size() - 2], "Brak plików nadmiarowych."_cp);
}
