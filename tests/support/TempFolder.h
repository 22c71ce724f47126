#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it when this goes.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const;
    // The full path of a name inside the folder.
    std::string file(const std::string& name) const;
    // Writes the bytes to a file inside the folder, creating sub-folders on the way; returns its path.
    std::string write(const std::string& name, const std::string& content) const;

private:
    std::string root;
};

// Makes a folder the working folder for as long as it lives, the way the game runs inside data/.
class ScopedWorkingFolder
{
public:
    explicit ScopedWorkingFolder(const std::string& folder);
    ~ScopedWorkingFolder();
    ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
    ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;

private:
    std::string previous;
};
