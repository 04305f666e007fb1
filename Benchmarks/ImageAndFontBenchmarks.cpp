// What the engine's image and font work costs on the CPU: decoding the build's
// font sheet into an Image, and laying out a line of bitmap-font text (the part
// of drawing text that is not GL).

#include "Engine/Core/Image.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Texture.hpp"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace
{
void BM_DecodeFontSheet(benchmark::State& state)
{
    std::string const fontImagePath = std::string(DOTSUNDER_FONT_SHEET_NAME) + ".png";
    for (auto _ : state)
    {
        Image const image(fontImagePath);
        benchmark::DoNotOptimize(image.m_texels.data());
    }
}
BENCHMARK(BM_DecodeFontSheet)->Unit(benchmark::kMicrosecond);

void BM_LayOutEightyCharacterLine(benchmark::State& state)
{
    Texture const fontTexture(0, 128, 128, 4, "font.png");  // layout needs no GL name
    BitmapFont const font("font", fontTexture);
    std::string const line(80, 'W');
    std::vector<Vertex_PCU> verts;
    for (auto _ : state)
    {
        verts.clear();  // a caller reuses its list from frame to frame
        font.AddVertsForText2D(verts, Vec2(0.f, 0.f), 8.f, line, Rgba8::WHITE, 1.f);
        benchmark::DoNotOptimize(verts.data());
    }
}
BENCHMARK(BM_LayOutEightyCharacterLine);
}  // namespace
