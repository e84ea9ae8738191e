// Volumes from QStorageInfo.
#include "folders/volumes.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace kadoro {
namespace {

// Read-only images of installed software (snaps and the like), never a place for photos.
bool IsSoftwareImage(const QStorageInfo& volume) {
    return volume.fileSystemType() == "squashfs";
}

bool HoldsFolder(const std::string& root, const std::string& folder) {
    if (root == "/") return !folder.empty() && folder.front() == '/';
    return folder.size() >= root.size() && folder.compare(0, root.size(), root) == 0 &&
           (folder.size() == root.size() || folder[root.size()] == '/');
}

}  // namespace

std::vector<std::string> ListVolumeRoots() {
    std::vector<std::string> roots{"/"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || IsSoftwareImage(volume)) continue;
        // Containers mount single files (such as /etc/hosts); only folders can be drives.
        if (!QFileInfo(volume.rootPath()).isDir()) continue;
        roots.push_back(QFile::encodeName(volume.rootPath()).toStdString());
    }
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

std::string VolumeOf(const std::string& folder, const std::vector<std::string>& roots) {
    std::string best = "/";
    for (const std::string& root : roots) {
        if (root.size() > best.size() && HoldsFolder(root, folder)) best = root;
    }
    return best;
}

bool IsVolumeMounted(const std::string& root) {
    const QStorageInfo volume(QFile::decodeName(QByteArray::fromStdString(root)));
    return volume.isValid() && volume.isReady() &&
           QFile::encodeName(volume.rootPath()).toStdString() == root;
}

}  // namespace kadoro
