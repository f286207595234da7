// The program's pictures as files under assets/, for tests and benchmarks that
// need them without the program's resources (the large ones are packed there).
// FOLVANE_ASSET_DIR is defined by the build.
#pragma once

#include "toolkit/graphics/Bitmap.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace folvane::test {

// file: e.g. "MainFace.bmp"; empty when missing.
inline std::vector<std::uint8_t> ReadProgramAsset(const char* file)
{
    std::ifstream in(std::string(FOLVANE_ASSET_DIR) + "/" + file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

inline bool LoadProgramFace(TBitmap& bitmap, const char* file)
{
    return bitmap.LoadFromBmpBytes(ReadProgramAsset(file));
}

} // namespace folvane::test
