#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

TempFolder::TempFolder() { EXPECT_TRUE(dir_.isValid()); }

std::string TempFolder::Path(const std::string& name) const
{
    return dir_.filePath(QString::fromStdString(name)).toStdString();
}

std::string TempFolder::Root() const { return dir_.path().toStdString(); }

std::string TempFolder::WriteFile(const std::string& name, const std::string& bytes) const
{
    const std::string path = Path(name);
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return path;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }
