// The registry seam: the handful of key and value calls the application makes,
// with the codes and masks of the Win32 API, plus the string read and write
// built on them and the one error type they raise. It does not cache, expand
// environment references or convert types.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace folvane {

enum class RegistryRoot { LocalMachine, CurrentUser };

using RegistryKey = std::uintptr_t;

// A value's type and bytes as stored.
struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

// Values of the Win32 API, so that fakes and the real registry agree.
namespace reg {
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyWrite = 0x20006;
// KEY_WOW64_32KEY: the 32-bit view on 64-bit Windows, ignored on 32-bit Windows.
constexpr std::uint32_t kWow64_32Key = 0x0200;
constexpr std::uint32_t kTypeNone = 0;
constexpr std::uint32_t kTypeSz = 1;
constexpr std::uint32_t kTypeExpandSz = 2;
constexpr std::uint32_t kTypeBinary = 3;
constexpr std::uint32_t kTypeDword = 4;
constexpr long kSuccess = 0;
constexpr long kFileNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kMoreData = 234;
} // namespace reg

class Registry {
public:
    virtual ~Registry() = default;

    // Both return the API's status (reg::kSuccess when the key is had) and
    // raise nothing.
    virtual long OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) = 0;
    virtual long CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key) = 0;

    // RegQueryValueEx: data may be null to ask for type and size only; on
    // entry *size is the buffer's size, on return the data's size.
    virtual long QueryValue(
        RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size)
        = 0;
    virtual long SetValue(
        RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data, std::uint32_t size)
        = 0;
    // The value exactly as stored, strings as UTF-16LE (the wide entry
    // point): what a registry file must carry to give it back unchanged.
    virtual long QueryStoredValue(RegistryKey key, const std::string& name, RegistryValue& value) = 0;
    virtual void CloseKey(RegistryKey key) = 0;
};

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static RegistryError GetDataFailed(const std::string& valueName);
    static RegistryError SetDataFailed(const std::string& valueName);
    static RegistryError InvalidDataType(const std::string& valueName);
};

// Larger string data is refused as unreadable rather than allocated blindly.
constexpr std::uint32_t kMaxRegistryStringBytes = 1u << 20;

// A missing or empty value reads as "". REG_SZ and REG_EXPAND_SZ are taken as
// stored; the text ends at the first NUL or at the end of the data.
std::string ReadRegistryString(Registry& registry, RegistryKey key, const std::string& name);

// Writes REG_SZ with the terminating NUL counted.
void WriteRegistryString(Registry& registry, RegistryKey key, const std::string& name, const std::string& text);

// Closes the key on every path out of a scope.
class ScopedRegistryKey {
public:
    explicit ScopedRegistryKey(Registry& registry)
        : registry_(registry)
    {
    }
    ~ScopedRegistryKey();
    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;

    bool Open(RegistryRoot root, const std::string& path, std::uint32_t access);
    bool Create(RegistryRoot root, const std::string& path, std::uint32_t access);
    RegistryKey Get() const { return key_; }
    // The status of the last Open or Create.
    long Status() const { return status_; }
    void Close();

private:
    Registry& registry_;
    RegistryKey key_ = 0;
    bool open_ = false;
    long status_ = reg::kSuccess;
};

} // namespace folvane
