// The program's pictures as files under assets/, for tests and benchmarks that
// need them without the program's resources (the large ones are packed there).
// FOLVANE_ASSET_DIR is defined by the build.
#pragma once

#include "support/FileBytes.h"
#include "toolkit/graphics/Bitmap.h"

#include <string>
#include <vector>

namespace folvane::test {

// file: e.g. "MainFace.bmp"; empty when missing.
inline std::vector<std::uint8_t> ReadProgramAsset(const char* file)
{
    return ReadFile(std::string(FOLVANE_ASSET_DIR) + "/" + file);
}

inline bool LoadProgramFace(TBitmap& bitmap, const char* file)
{
    return bitmap.LoadFromBmpBytes(ReadProgramAsset(file));
}

} // namespace folvane::test
