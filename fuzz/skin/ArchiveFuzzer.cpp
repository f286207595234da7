// Any bytes as a skin archive: extraction with and without a password, then
// the reader core on what came out.
#include "skin/SkinArchive.h"
#include "skin/SkinElementFile.h"
#include "support/MemorySkinFileSystem.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const char* password : { "", "secret" }) {
        folvane::MemorySkinFileSystem files;
        files.SetWriteLimit(16u << 20);
        files.Put("a.skn", std::vector<std::uint8_t>(data, data + size));
        const int result = folvane::ExtractSkinMember(files, "a.skn", "skindata.sk2", "out", password);
        if ((result != 0) != (files.Get("out") == nullptr))
            __builtin_trap(); // a failed extraction must leave no file, a good one must
        folvane::SkinElementTable table;
        try {
            folvane::LoadSkinArchive(files, "a.skn", password, table);
        } catch (const folvane::SkinReadError&) {
        }
        if (files.FileCount() != (result == 0 ? 2u : 1u))
            __builtin_trap(); // the temporary file must be gone
    }
    return 0;
}
