// Data files found by name: the working folder, VEMURA_DATA, the installed data folder.
#include "common/io/data_files.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "project_config.h"

namespace fs = std::filesystem;

std::string f_installedDataFolder()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return std::string();
    return (program.parent_path() / DATA_DIR_FROM_BIN).lexically_normal().string();
}

std::vector<std::string> f_dataFolders()
{
    std::vector<std::string> folders;
    if (const char* list = std::getenv("VEMURA_DATA")) {
        const std::string text(list);
        for (std::size_t start = 0; start <= text.size();) {
            std::size_t end = text.find(':', start);
            if (end == std::string::npos) end = text.size();
            if (end > start) folders.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    const std::string installed = f_installedDataFolder();
    if (!installed.empty()) folders.push_back(installed);
    return folders;
}

FilePtr f_openDataFile(const std::string& name)
{
    FilePtr file = f_openFile(name, "rt");
    if (file || name.empty() || name.find('/') != std::string::npos) return file;
    for (const std::string& folder : f_dataFolders()) {
        file = f_openFile(folder + "/" + name, "rt");
        if (file) break;
    }
    return file;
}
