#include "ScriptParagraphs.h"

void PendingInstruction::Merge(int newCode, const std::string& newText)
{
    switch (code) {
    case 1:
        if (newCode == 2 || newCode == 4) {
            code = 3;
        } else if (newCode == 8) {
            code = 0;
            text.clear();
        }
        break;
    case 2:
        if (newCode == 1) {
            code = 3;
            text = newText;
        } else if (newCode == 8) {
            code = 10;
        }
        break;
    case 8:
        if (newCode == 1) {
            code = 1;
            text = newText;
        }
        break;
    default:
        code = newCode;
        text = newText;
        break;
    }
}

void CScriptParagraph::TakeRun(prmptFormatedText* run, int kind)
{
    m_nFlags |= static_cast<int>(run->m_ePromptType) | kind;
    if (run->m_nField != 0) {
        if (m_nInstrCode == 0 && (run->m_ePromptType & PT_INSTRUCTION)) {
            m_nInstrCode = run->m_nField;
            m_strInstruction = run->m_strInstruction;
        }
    } else if (run->GetTextLength() > 0) {
        m_bHasText = true;
    }
    m_lstText.AddTail(run);
}

bool CScriptParagraph::Settle(const ScriptParagraphOptions& options, PendingInstruction& pending)
{
    if ((m_nFlags & PT_INSTRUCTION) && !options.showInstructions) {
        pending.Merge(m_nInstrCode, m_strInstruction);
        if (!m_bHasText)
            return false;
        m_nFlags &= ~PT_INSTRUCTION;
        m_nInstrCode = 0;
        m_strInstruction.clear();
    }
    if (pending.code != 0) {
        m_nInstrCode = pending.code;
        m_strInstruction = pending.text;
        m_nFlags |= PT_INSTRUCTION;
        pending.Clear();
    }
    if (options.captions && (m_nFlags & PT_SCRIPT) && (m_bHasText || !(m_nFlags & PT_INSTRUCTION)))
        m_nFlags |= PT_CAPTION_DUE;
    return true;
}
