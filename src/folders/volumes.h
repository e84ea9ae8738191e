// The mounted volumes that stand for drives: their roots, the volume a folder is on, and whether
// one is mounted now.
#pragma once

#include <string>
#include <vector>

namespace kadoro {

// Root paths (native bytes) of the mounted volumes of real file systems that are ready, "/"
// always among them; sorted, no duplicates.
std::vector<std::string> ListVolumeRoots();

// The root among roots that holds folder: the longest one that is folder itself or a parent of
// it; "/" when none is.
std::string VolumeOf(const std::string& folder, const std::vector<std::string>& roots);

// True when root is, right now, the root of a mounted volume that is ready.
bool IsVolumeMounted(const std::string& root);

}  // namespace kadoro
