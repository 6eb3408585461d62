#include "CommandSwitches.h"

void ParseSwitches(CommandSwitches& switches, int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const bool last = i == argc - 1;
        const char* arg = argv[i] ? argv[i] : "";
        if (*arg == '-' || *arg == '/')
            ++arg;
        const std::string rest(arg);
        if (rest == "D") {
            switches.direct = true;
            continue;
        }
        // The last argument is the file and is still matched as a switch: a lone TL
        // both turns looping on and names a file "TL".
        if (last)
            switches.file = rest;
        if (rest.size() >= 2 && rest[0] == 'S' && (rest[1] == 'A' || rest[1] == 'N')) {
            switches.autoStart = rest[1] == 'A' ? 1 : 2;
            // Only a digit names a speed key; anything else leaves the speed alone.
            if (rest.size() >= 3 && rest[2] >= '0' && rest[2] <= '9')
                switches.speedDigit = rest[2] - '0';
        } else if (rest.size() >= 2 && rest[0] == 'T') {
            if (rest[1] == 'C')
                switches.loopMode = 2;
            else if (rest[1] == 'L')
                switches.loopMode = 1;
            else if (rest[1] == 'N')
                switches.loopMode = 0;
        }
    }
}
