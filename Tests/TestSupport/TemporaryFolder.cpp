#include "Tests/TestSupport/TemporaryFolder.hpp"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <filesystem>
#include <fstream>
#include <stdlib.h>

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "dotsunder-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
    {
        ADD_FAILURE() << "could not make a temporary folder from " << pattern;
    }
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TemporaryFolder::WritePng(std::string const& fileName, int width, int height, int numComponents,
                                      std::vector<unsigned char> const& texelBytes) const
{
    std::string const filePath = m_path + "/" + fileName;
    EXPECT_EQ(texelBytes.size(), static_cast<size_t>(width * height * numComponents)) << fileName;
    EXPECT_NE(stbi_write_png(filePath.c_str(), width, height, numComponents, texelBytes.data(),
                             width * numComponents),
              0)
        << filePath;
    return filePath;
}

std::string TemporaryFolder::WriteText(std::string const& fileName, std::string const& text) const
{
    std::string const filePath = m_path + "/" + fileName;
    std::ofstream(filePath) << text;
    return filePath;
}
