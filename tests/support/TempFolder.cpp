#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TempFolder::TempFolder() : root((fs::temp_directory_path() / "lumora-test-XXXXXX").string())
{
    if (!mkdtemp(root.data()))
        throw fs::filesystem_error("cannot create a temporary folder", root, std::error_code());
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root, ignored);
}

const std::string& TempFolder::path() const
{
    return root;
}

std::string TempFolder::file(const std::string& name) const
{
    return (fs::path(root) / name).string();
}

std::string TempFolder::write(const std::string& name, const std::string& content) const
{
    const fs::path target = fs::path(root) / name;
    fs::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << content;
    return target.string();
}

std::string TempFolder::read(const std::string& name) const
{
    std::ifstream in(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

ScopedWorkingFolder::ScopedWorkingFolder(const std::string& folder) : previous(fs::current_path().string())
{
    fs::current_path(folder);
}

ScopedWorkingFolder::~ScopedWorkingFolder()
{
    std::error_code ignored;
    fs::current_path(previous, ignored);
}
