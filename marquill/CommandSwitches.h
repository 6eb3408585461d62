// Marquill's own command-line switches, read before anything else starts. Switches are
// case-sensitive and lose one leading '-' or '/'; only the last argument can name a file.
#pragma once
#include <string>

struct CommandSwitches
{
    bool direct = false; // D: prompt the named file without the editor
    std::string file; // the last argument (unless it is D)
    int autoStart = -1; // SA 1, SN 2; -1 when not given
    int speedDigit = -1; // the digit after SA/SN; -1 when not given or not a digit
    int loopMode = -1; // TC 2, TL 1, TN 0; -1 when not given
};

// Reads the arguments after the program name (argv[0] is skipped). Later switches
// overwrite earlier ones; anything that is not a switch is ignored.
void ParseSwitches(CommandSwitches& switches, int argc, const char* const* argv);
