// A scratch folder for one test, removed with everything in it when the test ends.
#pragma once

#include <QTemporaryDir>

#include <string>

class TempFolder {
public:
    TempFolder();
    // The full path of `name` inside the folder.
    std::string Path(const std::string& name) const;
    std::string Root() const;
    // Writes `bytes` to `name` and returns its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

private:
    QTemporaryDir dir_;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
