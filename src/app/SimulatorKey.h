// Where the simulator's setup records its folder, and the file that proves a
// folder to be the simulator's.
#pragma once

namespace folvane {

inline constexpr char kSimulatorKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\";
inline constexpr char kSetupPathValue[] = "SetupPath";
inline constexpr char kAppPathValue[] = "AppPath";
inline constexpr char kCDPathValue[] = "CDPath";
inline constexpr char kSimulatorProgram[] = "fsx.exe";
inline constexpr char kApplicationTitle[] = "Folvane";

} // namespace folvane
