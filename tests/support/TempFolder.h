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
    std::string file(const std::string& name) const;
    // Writes the bytes to a file inside, creating folders on the way; returns its path.
    std::string write(const std::string& name, const std::string& content) const;
    // The bytes of a file inside; empty when there is none.
    std::string read(const std::string& name) const;

private:
    std::string root;
};

// The working folder for as long as it lives, as the game runs inside data/.
class ScopedWorkingFolder
{
public:
    explicit ScopedWorkingFolder(const std::string& folder);
    ~ScopedWorkingFolder();

private:
    std::string previous;
};
