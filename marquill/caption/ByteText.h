// Encoder byte strings as the Encoder page shows them: each byte a number followed by ";"
// ("3;1;51;"), in decimal or, for hex display, lower-case hexadecimal without prefix.
// Bytes are unsigned (0..255, 00..ff) and strings of any length are handled.
#pragma once
#include <string>

std::string BytesToText(const std::string& bytes, bool hex);

// Splits at ";" (empty pieces are skipped); each piece gives one byte: its leading number
// (decimal, or hexadecimal for hex) cut to its low eight bits, 0 when it holds no number.
std::string TextToBytes(const std::string& text, bool hex);

// A byte string as the store keeps it: up to its first zero byte.
std::string UpToFirstZeroByte(const std::string& bytes);
