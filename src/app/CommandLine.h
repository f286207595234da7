// The program's command line: `Folvane.exe /set FOLDER [/cdrom DRIVE]
// [/currentuser]` opens the main window on "Set Path" with those choices
// filled in. The line is split into arguments by the rules of Windows'
// CommandLineToArgvW, and choices are turned back into a line that splits to
// the same arguments, so that a restarted instance gets exactly the same
// choices. Whether the drive exists is the window's to check.
#pragma once

#include <string>
#include <vector>

namespace folvane {

// The arguments after the program's name, as CommandLineToArgvW splits them.
std::vector<std::u16string> SplitCommandLine(const std::u16string& line);

struct StartChoices {
    std::u16string folder;
    char cdromDrive = 0; // an upper-case letter, 0 when not asked
    bool currentUser = false;
};

struct CommandLineRequest {
    bool given = false; // any argument at all
    bool valid = false; // choices hold what the arguments asked for
    StartChoices choices;
    std::string problem; // for the user, when given and not valid
};

CommandLineRequest ParseCommandLine(const std::vector<std::u16string>& arguments);

// The arguments that carry these choices, quoted so that SplitCommandLine
// gives them back unchanged (without a program name in front).
std::u16string CommandLineFor(const StartChoices& choices);

inline constexpr char kCommandLineUsage[] = "Folvane.exe /set FOLDER [/cdrom DRIVE] [/currentuser]";

} // namespace folvane
