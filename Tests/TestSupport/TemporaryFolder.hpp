#pragma once
// A fresh folder of files written by a test, removed with its files when the
// object dies.

#include <string>
#include <vector>

class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(TemporaryFolder const&) = delete;
    TemporaryFolder& operator=(TemporaryFolder const&) = delete;

    // Each returns the file's path; a file that cannot be written fails the test.
    // Texel bytes run row by row from the top of the picture, as PNG stores them.
    std::string WritePng(std::string const& fileName, int width, int height, int numComponents,
                         std::vector<unsigned char> const& texelBytes) const;
    std::string WriteText(std::string const& fileName, std::string const& text) const;

private:
    std::string m_path;
};
