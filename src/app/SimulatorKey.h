// Where the simulator's setup records its folder, and the file that proves a
// folder to be the simulator's.
#pragma once

#include "platform/Registry.h"

#include <string>

namespace folvane {

inline constexpr char kSimulatorKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\";
// The simulator and its installers are 32-bit programs: every build reads and
// writes their view of the registry, named explicitly.
inline constexpr std::uint32_t kSimulatorKeyRead = reg::kKeyRead | reg::kWow64_32Key;
inline constexpr std::uint32_t kSimulatorKeyWrite = reg::kKeyWrite | reg::kWow64_32Key;
inline constexpr char kSetupPathValue[] = "SetupPath";
inline constexpr char kAppPathValue[] = "AppPath";
inline constexpr char kCDPathValue[] = "CDPath";
inline constexpr char kSimulatorProgram[] = "fsx.exe";
inline constexpr char kApplicationTitle[] = "Folvane";

// The key as the registry editor shows it, the root spelled out, with a
// trailing backslash. The machine key lives in the 32-bit view, which the
// editor of 64-bit Windows shows under Wow6432Node; the user root is not
// redirected.
inline std::string RegEditPathFor(RegistryRoot root, bool windows64)
{
    if (root == RegistryRoot::CurrentUser)
        return "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\";
    return windows64 ? "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\"
                     : "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\";
}

} // namespace folvane
