// Where the samples folder is and whether it is there.
#include "support/sample_files.h"

namespace kadoro::test {

const std::filesystem::path& SamplesFolder() {
    static const std::filesystem::path folder = KADORO_SAMPLES_DIR;
    return folder;
}

bool SamplesFolderPresent() {
    std::error_code error;
    return std::filesystem::is_directory(SamplesFolder(), error);
}

}  // namespace kadoro::test
