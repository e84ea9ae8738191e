// Writes the seed corpora of the fuzz targets into SEED_FOLDER/<target>/, from the fixture
// builders the tests use.
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/fixture_files.h"
#include "support/j6i_fixture.h"

namespace {

using kadoro::test::Bytes;

void WriteSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(folder);
    kadoro::test::WriteFileBytes((folder / name).string(), bytes);
}

void WriteJ6iSeeds(const std::filesystem::path& folder) {
    kadoro::test::J6iFixture fixture;
    fixture.totalSize = 144;
    WriteSeed(folder, "valid", kadoro::test::MakeJ6iBytes(fixture));
    fixture.date = {0x9F, 0xFF, 0x00, 0x23, 0x59, 0x59};
    fixture.dcVersion = std::string(10, 'V');
    WriteSeed(folder, "invalid-bcd-no-nul", kadoro::test::MakeJ6iBytes(fixture));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds SEED_FOLDER\n");
        return 64;
    }
    const std::filesystem::path root = argv[1];
    WriteJ6iSeeds(root / "j6i_header_fuzzer");
    return 0;
}
