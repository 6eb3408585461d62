#include "reader_test_support.h"

#include <memory>

#include <gtest/gtest.h>

#include "RtfToken.h"

std::string ToUtf8(const wchar_t* text)
{
    std::string out;
    if (!text)
        return out;
    for (const wchar_t* p = text; *p; ++p) {
        unsigned long cp = static_cast<unsigned long>(*p) & 0xFFFF;
        if (cp >= 0xD800 && cp <= 0xDBFF && (p[1] & 0xFC00) == 0xDC00) {
            cp = 0x10000 + ((cp - 0xD800) << 10) +
                ((static_cast<unsigned long>(p[1]) & 0xFFFF) - 0xDC00);
            ++p;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::vector<RunView> ReadRuns(const std::string& text, const PromptReaderSettings& settings,
                              int step, PromptType flags)
{
    CPromptTextReader reader(settings);
    std::unique_ptr<prmptFormatedPtrList> list(
        reader.BuildList(text, kTextColor, step, flags, CTimeSpan(42)));
    std::vector<RunView> runs;
    for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
        prmptFormatedText* run = list->GetNext(pos);
        runs.push_back({ToUtf8(run->GetText()), run->GetStringType(), run->GetCharSet(),
                        run->GetStyle(), run->GetColor(), run->GetParagraph(), run->GetOrder(),
                        run->GetPromptType(), run->GetField(), run->GetInstruction(),
                        run->GetRtlChar(), run->GetRtlPara()});
        EXPECT_EQ(42, run->GetLength().GetTotalSeconds());
    }
    list->DeleteAll();
    return runs;
}

std::string Rtf(const std::string& body) { return "{\\rtf1\\ansi " + body + "}"; }

std::string Texts(const std::vector<RunView>& runs)
{
    std::string out;
    for (size_t i = 0; i < runs.size(); ++i)
        out += (i ? "|" : "") + runs[i].text;
    return out;
}

QuietWarnings::QuietWarnings() { SetRtfWarningStream(nullptr); }

QuietWarnings::~QuietWarnings() { SetRtfWarningStream(stderr); }
