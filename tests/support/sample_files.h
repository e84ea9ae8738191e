// The real camera files kept beside the repository, for the tests that read them.
#pragma once

#include <filesystem>

namespace kadoro::test {

// The samples folder, fixed when the tests are configured (KADORO_SAMPLES_DIR).
const std::filesystem::path& SamplesFolder();

// Whether the samples folder is there. A test that needs a sample skips only when the whole
// folder is absent; with the folder present, a sample missing from it fails the test.
bool SamplesFolderPresent();

}  // namespace kadoro::test
