#include "Engine/Math/NumberParsing.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace
{
// How one kind of component is read, and how its check reads in a report.
template <typename Component>
struct PieceReader
{
    bool (*parsePiece)(std::string const& piece, Component& out_value);
    char const* checkText;      // the failed check, as the report names it
    char const* missingNumber;  // what the piece lacks, after "holds"
};

PieceReader<float> const FLOAT_READER = {ParseLeadingFloat, "ParseLeadingFloat(piece, *component)",
                                         "no number"};
PieceReader<int> const INT_READER = {ParseLeadingInt, "ParseLeadingInt(piece, *component)",
                                     "no number in the int range"};

template <typename Component>
void ReadComponents(char const* text, Component* const* out_components, std::size_t numComponents,
                    char const* typeName, ReportSite const& site, PieceReader<Component> const& reader)
{
    std::string const parseError = std::string("ERROR Parsing ") + typeName;
    if (text == nullptr)
    {
        ReportFatalError(site.filePath, site.functionName, site.lineNum, parseError, "text != nullptr");
    }
    Strings const splitStrings = SplitStringOnDelimiter(text, ',');
    if (splitStrings.size() != numComponents)
    {
        ReportFatalError(site.filePath, site.functionName, site.lineNum, parseError,
                         ("splitStrings.size() == " + std::to_string(numComponents)).c_str());
    }
    for (std::size_t pieceIndex = 0; pieceIndex < numComponents; ++pieceIndex)
    {
        // The piece goes into the message: the printed report shows the message,
        // and the user needs to see which text failed.
        std::string const& piece = splitStrings[pieceIndex];
        if (!reader.parsePiece(piece, *out_components[pieceIndex]))
        {
            ReportFatalError(site.filePath, site.functionName, site.lineNum,
                             Stringf("%s: piece \"%s\" of \"%s\" holds %s", parseError.c_str(), piece.c_str(),
                                     text, reader.missingNumber),
                             reader.checkText);
        }
    }
}
}  // namespace

bool ParseLeadingFloat(std::string const& piece, float& out_value)
{
    char const* const begin = piece.c_str();
    char* end = nullptr;
    float const value = std::strtof(begin, &end);
    if (end == begin)
    {
        return false;
    }
    // Overflow reads as an infinity and underflow as a tiny value, as the
    // text asked for: neither loses the piece's meaning, so both are kept.
    out_value = value;
    return true;
}

bool ParseLeadingInt(std::string const& piece, int& out_value)
{
    char const* const begin = piece.c_str();
    char* end = nullptr;
    errno = 0;
    long const value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || value < INT_MIN || value > INT_MAX)
    {
        return false;
    }
    out_value = static_cast<int>(value);
    return true;
}

void ParseComponentsOrDie(char const* text, float* const* out_components, std::size_t numComponents,
                          char const* typeName, ReportSite const& site)
{
    ReadComponents(text, out_components, numComponents, typeName, site, FLOAT_READER);
}

void ParseComponentsOrDie(char const* text, int* const* out_components, std::size_t numComponents,
                          char const* typeName, ReportSite const& site)
{
    ReadComponents(text, out_components, numComponents, typeName, site, INT_READER);
}
