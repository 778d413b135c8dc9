// Every input a fuzzer crashed or hung on, kept in fuzz/regressions/<target>/, and the seeds,
// replayed through the fuzz targets' own harness: each must load or be refused, never crash,
// hang or break an invariant. A `<input>.report` file beside an input holds a report that the
// replay must produce, word for word.
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
const Target kTargets[] = {{"tga", FuzzTga},
                           {"mesh_binary", FuzzBinaryMesh},
                           {"mesh_text", FuzzTextMesh},
                           {"picture", FuzzPicture},
                           {"music", FuzzMusic}};

std::vector<std::string> Inputs(const std::string& folder) {
    std::vector<std::string> paths;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() != ".report")
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    std::string s(bytes.begin(), bytes.end());
    while (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

// Replays every input of one folder; returns how many there were.
size_t Replay(const Target& target, const std::string& kind) {
    HarnessSetUp();
    const std::string folder = SourceDir() + "/tests/fuzz/" + kind + "/" + target.name;
    const std::vector<std::string> inputs = Inputs(folder);
    for (const std::string& path : inputs) {
        SCOPED_TRACE(path);
        const std::vector<uint8_t> bytes = ReadFileBytes(path);
        BoxLog log;
        target.body(bytes.data(), bytes.size());
        const std::string expected = path + ".report";
        if (std::filesystem::exists(expected)) {
            const std::vector<std::string> reports = log.reports();
            EXPECT_NE(std::find(reports.begin(), reports.end(), ReadText(expected)), reports.end());
        }
    }
    return inputs.size();
}

class Fuzzed : public ::testing::TestWithParam<Target> {};

TEST_P(Fuzzed, FoundInputsLoadOrAreRefused) {
    Replay(GetParam(), "regressions");
}

TEST_P(Fuzzed, SeedsLoadOrAreRefused) {
    EXPECT_GT(Replay(GetParam(), "corpus"), 0u);
}

INSTANTIATE_TEST_SUITE_P(Readers, Fuzzed, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<Target>& info) {
                             return std::string(info.param.name);
                         });
} // namespace
