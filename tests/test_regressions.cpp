// The fuzz targets' seeds (fuzz/corpus/<target>/) and every input a fuzzer crashed or hung on
// (fuzz/regressions/<target>/), replayed through the targets' own harness: each must load or be
// refused, never crash, hang or break an invariant. A `<input>.report` file beside an input
// holds a report that the replay must produce, word for word.
#include "fuzz/harness.h"
#include "test_support.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
struct Target {
    const char* name;
    void (*body)(const uint8_t*, size_t);
};

class Fuzzed : public ::testing::TestWithParam<Target> {};

TEST_P(Fuzzed, SeedsAndFoundInputsLoadOrAreRefused) {
    HarnessSetUp();
    size_t seedNum = 0;
    for (const std::string kind : {"corpus", "regressions"}) {
        const std::string folder = SourceDir() + "/tests/fuzz/" + kind + "/" + GetParam().name;
        std::error_code error; // a target with no regressions has no folder
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const std::string path = entry.path().string();
            if (entry.path().extension() == ".report")
                continue;
            SCOPED_TRACE(path);
            seedNum += kind == "corpus";
            const std::vector<uint8_t> bytes = ReadFileBytes(path);
            BoxLog log;
            GetParam().body(bytes.data(), bytes.size());
            // The file ends in a line break, the report does not.
            const std::vector<uint8_t> want = ReadFileBytes(path + ".report");
            const std::vector<std::string> reports = log.reports();
            if (!want.empty()) {
                const std::string text(want.begin(), want.end() - 1);
                EXPECT_TRUE(std::find(reports.begin(), reports.end(), text) != reports.end())
                    << "no report: " << text;
            }
        }
    }
    EXPECT_GT(seedNum, 0u);
}

INSTANTIATE_TEST_SUITE_P(Readers, Fuzzed,
                         ::testing::Values(Target{"tga", FuzzTga},
                                           Target{"mesh_binary", FuzzBinaryMesh},
                                           Target{"mesh_text", FuzzTextMesh},
                                           Target{"picture", FuzzPicture},
                                           Target{"music", FuzzMusic}),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
