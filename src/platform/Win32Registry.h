// The registry seam over advapi32's ANSI entry points (the wide one for a
// value as stored). Keys are opened in the view the access mask names, or the
// process's own view when it names none.
#pragma once

#include "platform/Registry.h"

namespace folvane {

class Win32Registry : public Registry {
public:
    long OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) override;
    long CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) override;
    long QueryValue(RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
        std::uint32_t* size) override;
    long SetValue(RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
        std::uint32_t size) override;
    long QueryStoredValue(RegistryKey key, const std::string& name, RegistryValue& value) override;
    void CloseKey(RegistryKey key) override;
};

} // namespace folvane
