// Any bytes as an element file: parsing and every lookup.
#include "skin/SkinElementFile.h"
#include "support/MemorySkinFileSystem.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    folvane::MemorySkinFileSystem files;
    files.Put("e", std::vector<std::uint8_t>(data, data + size));
    folvane::SkinElementTable table;
    if (table.Parse(*files.OpenRead("e"))) {
        for (const auto& record : table.Records()) {
            table.BitmapData(record.name);
            table.Integer(record.name);
            table.Flag(record.name);
        }
    }
    return 0;
}
