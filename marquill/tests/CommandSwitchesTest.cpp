// Marquill's own command-line switches and the run modes they choose.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandSwitches.h"

namespace {

CommandSwitches Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "Marquill.exe");
    CommandSwitches switches;
    ParseSwitches(switches, (int)args.size(), args.data());
    return switches;
}

TEST(CommandSwitches, TableOfCommandLines)
{
    struct Case
    {
        std::vector<const char*> args;
        bool direct;
        const char* file;
        int autoStart, speedDigit, loopMode;
    };
    const Case cases[] = {
        {{}, false, "", -1, -1, -1},
        {{"C:\\Shows\\News.mqd"}, false, "C:\\Shows\\News.mqd", -1, -1, -1},
        {{"/D", "C:\\Scripts\\Open.rtf"}, true, "C:\\Scripts\\Open.rtf", -1, -1, -1},
        // Only the last argument names the file: a last /D is the switch alone.
        {{"C:\\Scripts\\Open.rtf", "/D"}, true, "", -1, -1, -1},
        {{"-SN5", "/D", "a.rtf"}, true, "a.rtf", 2, 5, -1},
        {{"/SA3", "x.txt"}, false, "x.txt", 1, 3, -1},
        {{"/TC", "x.txt"}, false, "x.txt", -1, -1, 2},
        {{"/TL", "x"}, false, "x", -1, -1, 1},
        {{"-TN", "x"}, false, "x", -1, -1, 0},
        // Unknown second letters change nothing.
        {{"/TX", "/S", "x"}, false, "x", -1, -1, -1},
        // A lone TL is the last argument: it turns looping on and names the file "TL".
        {{"TL"}, false, "TL", -1, -1, 1},
        // Case matters: these are no switches.
        {{"d", "sa3", "tl", "x"}, false, "x", -1, -1, -1},
        // Only one prefix is dropped: "--D" is not D.
        {{"--D", "x"}, false, "x", -1, -1, -1},
        // Later switches overwrite earlier ones; characters after the digit are ignored.
        {{"/SA1", "/SN79", "/TL", "/TCX", "f"}, false, "f", 2, 7, 2},
        // A speed that is not a digit is ignored, the mode still counts.
        {{"/SAx", "f"}, false, "f", 1, -1, -1},
        {{"/SN", "f"}, false, "f", 2, -1, -1},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const char* a : c.args)
            line += std::string(a) + " ";
        const CommandSwitches s = Parse(c.args);
        EXPECT_EQ(s.direct, c.direct) << line;
        EXPECT_EQ(s.file, c.file) << line;
        EXPECT_EQ(s.autoStart, c.autoStart) << line;
        EXPECT_EQ(s.speedDigit, c.speedDigit) << line;
        EXPECT_EQ(s.loopMode, c.loopMode) << line;
    }
}

} // namespace
