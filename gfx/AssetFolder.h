// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program reads its pictures and font from, so that it works
// whatever folder it is started in: next to its own executable (the run
// folder), then <prefix>/share/calcora beside the executable's bin/ (an
// installed tree, wherever it was moved to), and only then the working folder.
// Files the program writes (results.txt) stay in the working folder.
#include <filesystem>
#include <string>
#include <vector>

class AssetFolder {
public:
    // The asset folder of a program whose executable lies in `executableFolder`.
    explicit AssetFolder(const std::filesystem::path& executableFolder);
    // The asset folder of the running program.
    static AssetFolder ofThisProgram();

    // The folders tried, in order; the working folder is the last resort.
    static std::vector<std::filesystem::path> candidates(const std::filesystem::path& executableFolder);

    // Where to read `name` ("images/math1.png", "ARIAL.TTF"). In the working
    // folder the name stays relative, so it follows later changes of folder.
    std::string path(const std::string& name) const;
    // The chosen folder; empty for the working folder.
    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};
