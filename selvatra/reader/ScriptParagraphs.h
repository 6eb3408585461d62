// Paragraphs of one script: the reader's runs grouped by paragraph number, and the
// slide-show instructions settled on them. With instruction text hidden, a paragraph that
// holds nothing but an instruction is dropped and its instruction is held back (merged with
// any instruction still held) until the next paragraph that shows text takes it; a paragraph
// that holds text as well keeps its text and takes the instruction itself.
//
// Window-free: the prompter makes its own paragraph class from CScriptParagraph.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "PromptModel.h"
#include "SelvatraApi.h"

// The instruction held back while instructions are hidden; one per prompter window.
struct SELVATRA_API PendingInstruction
{
    int code = 0;
    std::string text;

    // Merges a newly read instruction into the one held back (1 open a file, 2 start,
    // 4 next, 8 close, 16 previous): open then start or next gives open-and-start (3),
    // open then close gives nothing, start then open gives 3 with the new file, start then
    // close gives start-and-close (10), close then open gives open; other pairs keep the
    // held instruction, and with nothing held the new one is held.
    void Merge(int newCode, const std::string& newText);
    void Clear()
    {
        code = 0;
        text.clear();
    }
};

// What steers the grouping (the prompter's members of the same meaning).
struct SELVATRA_API ScriptParagraphOptions
{
    bool showInstructions = false; // instruction text is shown in its own paragraph
    bool captions = false; // paragraphs with script text are captioned
};

// One paragraph of a script: its runs (the base's list, owned), number, flags and
// instruction.
class SELVATRA_API CScriptParagraph : public prmptParagraph
{
public:
    CScriptParagraph() = default;
    explicit CScriptParagraph(const prmptRecord& record) : prmptParagraph(record) { }

    // Appends a run: its marker flags and the kind flags join the paragraph's, and the
    // first instruction run gives the paragraph its instruction.
    void TakeRun(prmptFormatedText* run, int kind);
    // Settles the paragraph's instruction against the one held back; false when the
    // paragraph is to be dropped (an instruction alone, hidden).
    bool Settle(const ScriptParagraphOptions& options, PendingInstruction& pending);

    int m_nNumber = 0; // the runs' paragraph number
    int m_nFlags = 0; // PromptType bits
    int m_nInstrCode = 0; // slide-show instruction carried by the paragraph
    qelstring m_strInstruction;
    bool m_bHasText = false; // it holds text beside any instruction's own
};

// Groups a script's runs (the list is emptied; the runs move into the paragraphs) into
// paragraphs of type P (a CScriptParagraph constructible from a record) and settles their
// instructions; returns the paragraphs kept, in order.
template<class P>
std::vector<std::unique_ptr<P>>
GroupScriptParagraphs(prmptFormatedPtrList& runs, const prmptRecord& record, int kind,
                      const ScriptParagraphOptions& options, PendingInstruction& pending)
{
    std::vector<std::unique_ptr<P>> all;
    while (!runs.IsEmpty()) {
        prmptFormatedText* run = runs.RemoveHead();
        if (all.empty() || run->m_nParagraph != all.back()->m_nNumber) {
            all.emplace_back(new P(record));
            all.back()->m_nNumber = run->m_nParagraph;
        }
        all.back()->TakeRun(run, kind);
    }
    std::vector<std::unique_ptr<P>> kept;
    for (std::unique_ptr<P>& p : all)
        if (p->Settle(options, pending))
            kept.push_back(std::move(p));
    return kept;
}
