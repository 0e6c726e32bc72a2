// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Every file of source a school may copy says, in its first lines, what it
// belongs to and under which licence.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

bool isSource(const fs::path& p) {
    const std::string name = p.filename().string(), ext = p.extension().string();
    const std::string folder = p.parent_path().filename().string();
    return ext == ".cpp" || ext == ".h" || ext == ".mjs" || ext == ".sh" || ext == ".py" || ext == ".cmake" ||
           name == "CMakeLists.txt" || name == "index.html" || name == "sw.js.in" ||
           (folder == "scripts" && ext.empty()) || (folder == ".ci" && name == "run");
}

bool skipped(const fs::path& folder) {
    const std::string name = folder.filename().string();
    return name == "build" || name == "node_modules" || name == ".git" || name == "golden" || name == "corpus";
}

bool saysItsLicence(const fs::path& file) {
    std::ifstream in(file);
    std::string line, head;
    for (int i = 0; i < 4 && std::getline(in, line); ++i) head += line + "\n";
    return head.find("Calcora: keyboard-driven mathematics for secondary-school pupils.") != std::string::npos &&
           head.find("SPDX-License-Identifier: GPL-3.0-or-later") != std::string::npos;
}

}  // namespace

TEST(Licence, EverySourceFileSaysItsLicenceAtItsTop) {
    const fs::path root = CALCORA_SOURCE_DIR;
    int sources = 0;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        if (it->is_directory() && skipped(it->path())) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file() || !isSource(it->path())) continue;
        ++sources;
        EXPECT_TRUE(saysItsLicence(it->path())) << fs::relative(it->path(), root).string();
    }
    EXPECT_GT(sources, 200);
}
