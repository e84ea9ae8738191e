// Writes the seed corpora of the fuzz targets into SEED_FOLDER/<target>/, from the fixture
// builders the tests use.
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/fixture_files.h"
#include "support/j6i_fixture.h"
#include "support/jpeg_fixture.h"
#include "support/rel_fixture.h"

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

void WriteJpegSeeds(const std::filesystem::path& folder) {
    using kadoro::test::CameraTextBlock;
    using kadoro::test::MakeJpegWithCameraText;
    WriteSeed(folder, "full",
              MakeJpegWithCameraText(CameraTextBlock(
                  std::string("OLYMPUS OPTICAL CO.,LTD.\0 985", 29),
                  {"TimeDate=852077089", "Flash=1", "Resolution=3", "ImageSize=1024-768",
                   "Zoom=x1.0", "Macro=1", "Type=DCHT", "Serial#=0123", "Version=vf0-3c",
                   "ID=OLYMPUS DIGITAL CAMERA"})));
    WriteSeed(folder, "empty", MakeJpegWithCameraText("[diag info]\r\n"));
    WriteSeed(folder, "far",
              MakeJpegWithCameraText(CameraTextBlock("Sanyo", {"TimeDate=-1"}), 256));
}

void WriteRelSeeds(const std::filesystem::path& folder) {
    using namespace kadoro::test;
    RelFixture index;
    index.records = {SingleImage("P0000001"), SingleImage("P2", 3),
                     Group({"P0000003", "P0000004", "P0000005"}), OtherPosition(6),
                     SingleImage("P0000006")};
    WriteSeed(folder, "worked-example", MakeRelBytes(index));
    index.endMarker = false;
    index.trailingBytes = 0;
    WriteSeed(folder, "no-end-marker", MakeRelBytes(index));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds SEED_FOLDER\n");
        return 64;
    }
    const std::filesystem::path root = argv[1];
    WriteJ6iSeeds(root / "j6i_header_fuzzer");
    WriteJpegSeeds(root / "jpeg_camera_info_fuzzer");
    WriteRelSeeds(root / "rel_index_fuzzer");
    return 0;
}
