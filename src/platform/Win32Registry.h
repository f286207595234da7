// The registry seam over advapi32's ANSI entry points. Keys are opened in the
// process's own registry view: a 32-bit Folvane on 64-bit Windows sees the
// 32-bit view, as the simulator's 32-bit setup did.
#pragma once

#include "platform/Registry.h"

namespace folvane {

class Win32Registry : public Registry {
public:
    bool OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) override;
    bool CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) override;
    long QueryValue(RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
        std::uint32_t* size) override;
    long SetValue(RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
        std::uint32_t size) override;
    void CloseKey(RegistryKey key) override;
};

} // namespace folvane
