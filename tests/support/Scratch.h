#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarvo::test {

// A scratch folder of the test's own, empty when made and gone when done.
struct Scratch {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tarvo-test-" + std::to_string(getpid()));

    Scratch() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    ~Scratch() { std::filesystem::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    // Writes a whole file and gives its path.
    std::string put(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return path(name);
    }
    // A file's bytes, or "<none>" when it cannot be read.
    std::string bytes(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return in ? all.str() : "<none>";
    }
    // The names in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            found.push_back(entry.path().filename());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
};

}  // namespace tarvo::test
