#include "Tests/TestSupport/TemporaryFolder.hpp"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <filesystem>
#include <stdlib.h>

TemporaryFolder::TemporaryFolder()
    : m_path((std::filesystem::temp_directory_path() / "dotsunder-test-XXXXXX").string())
{
    EXPECT_NE(mkdtemp(m_path.data()), nullptr) << m_path;
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
    bool const isWritten = stbi_write_png(filePath.c_str(), width, height, numComponents, texelBytes.data(),
                                          width * numComponents);
    EXPECT_TRUE(isWritten) << filePath;
    return filePath;
}
