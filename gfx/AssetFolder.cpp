// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetFolder.h"

namespace fs = std::filesystem;

namespace {

// A folder holds the assets when it has the pictures' folder; a missing font
// beside them is then reported as missing rather than taken from elsewhere.
bool holdsAssets(const fs::path& folder) {
    std::error_code ignored;
    return fs::is_directory(folder / "images", ignored);
}

}  // namespace

std::vector<fs::path> AssetFolder::candidates(const fs::path& executableFolder) {
    if (executableFolder.empty()) return {};
    return {executableFolder, (executableFolder / ".." / "share" / "calcora").lexically_normal()};
}

AssetFolder::AssetFolder(const fs::path& executableFolder) {
    for (const fs::path& folder : candidates(executableFolder))
        if (holdsAssets(folder)) {
            m_folder = folder;
            return;
        }
}

AssetFolder AssetFolder::ofThisProgram() {
    std::error_code unknown;
    const fs::path executable = fs::read_symlink("/proc/self/exe", unknown);
    return AssetFolder(unknown ? fs::path() : executable.parent_path());
}

std::string AssetFolder::path(const std::string& name) const {
    return m_folder.empty() ? name : (m_folder / name).string();
}
