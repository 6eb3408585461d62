// The caption encoder's serial line and the encoder numbers of the application profile
// (section "Captioner"): the port page edits the line, and every prompter receives it.
#pragma once
#include <string>

struct CCaptionLineSettings
{
    std::string Port = "1"; // the port's number in decimal ("12" for COM12)
    std::string Data = "8";
    std::string Stop = "1";
    std::string Parity = "None";
    std::string Baud = "1200";
    std::string Flow = "None";
    int Wrap = 28;
    int Pacing = 20;
    int WPMPacing = 48;
};
