// Estimated reading time (ERT) of a script: the weighted character count of its text and
// the time a presenter takes to read it at a reading speed in words a minute.
#pragma once
#include <string>

// Characters after trimming blanks at both ends and removing every CR LF pair, plus a
// tenth of them (integer division).
long WeightedReadingCharacters(const std::string& text);

// "HH:MM:SS" (hours may run past two digits): one word per six characters, rounded up;
// readingSpeed / 60 words a second; the seconds rounded up. A speed below 60 reads as 60.
std::string ReadingTimeText(long characters, int readingSpeed);
