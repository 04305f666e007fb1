#pragma once
// A fresh folder for the image files a test writes, removed with them when it
// dies.

#include <string>
#include <vector>

class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();

    // Texel bytes run row by row from the top of the picture, as PNG stores
    // them. Returns the file's path; a file that cannot be written fails the test.
    std::string WritePng(std::string const& fileName, int width, int height, int numComponents,
                         std::vector<unsigned char> const& texelBytes) const;

private:
    std::string m_path;
};
