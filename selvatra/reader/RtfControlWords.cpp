// The control words and text characters of an RTF script: what each adds to the run
// being read and what it tells the run reader to do.
#include "RtfReadState.h"
#include "TextConversion.h"
#include "fw/codepage.h"

using namespace rtf_read;

void CPromptTextReader::CheckrtfText(ReadState& st)
{
    const CRtfToken& tok = st.tok;
    if (st.ucSkip > 0) {
        --st.ucSkip;
        return;
    }
    if (tok.m_nMajor == RTF_HEX_CHAR || tok.m_nMajor == RTF_PLAIN_CHAR) {
        if (tok.m_nMinor == RTFK_BKMKSTART)
            return; // a bookmark's name
        if (tok.m_nMinor == RTFK_BKMKEND) {
            st.marks |= PT_BOOKMARK;
            return;
        }
    }
    int byte = tok.m_nParam & 0xFF;
    if (byte == 0 || byte == '\n' || byte == '\r')
        return;
    AppendTyped(st, static_cast<wchar_t>(fw::AnsiToUnicode(static_cast<unsigned char>(byte))),
                ST_CODEPAGE);
}

int CPromptTextReader::CheckrtfControl(ReadState& st, const CRtfToken& tok)
{
    if (tok.m_nClass != RTF_CONTROL)
        return CTL_NONE;
    const bool hidden = st.TextHidden(m_settings.m_bShowPPInst);
    auto neutral = [&](const wchar_t* units, unsigned long count) {
        if (!hidden)
            AppendUnits(st, units, count);
    };
    auto unicode = [&](wchar_t ch) {
        if (st.fieldState == FIELD_TEXT_CONTROL && st.fieldText.size() < 4096)
            st.fieldText += fw::UnicodeToAnsi(static_cast<char32_t>(ch));
        if (!hidden)
            AppendTyped(st, ch, ST_UNICODE);
    };

    switch (tok.m_nMajor) {
    case RTFC_UNICODE:
        if (tok.m_nMinor == RTFK_U) {
            int n = tok.m_nParam;
            // \u takes a signed 16-bit value; anything else is not a character.
            wchar_t ch = (n >= -32768 && n <= 65535) ? static_cast<wchar_t>(n < 0 ? n + 65536 : n)
                                                     : static_cast<wchar_t>(0xFFFD);
            if (ch != 0)
                unicode(ch);
            st.ucSkip = st.ucValue;
        } else if (tok.m_nMinor == RTFK_UC) {
            st.ucValue = tok.m_nParam > 0 ? tok.m_nParam : 0;
        }
        return CTL_NONE;

    case RTFC_DESTINATION:
        switch (tok.m_nMinor) {
        case RTFK_PICT:
        case RTFK_NEXTGRAPHIC:
        case RTFK_FOOTNOTE:
        case RTFK_HEADER:
        case RTFK_HEADERL:
        case RTFK_HEADERR:
        case RTFK_HEADERF:
        case RTFK_FOOTER:
        case RTFK_FOOTERL:
        case RTFK_FOOTERR:
        case RTFK_FOOTERF:
        case RTFK_FTNSEP:
        case RTFK_FTNSEPC:
        case RTFK_INFO:
        case RTFK_STYLESHEET:
        case RTFK_FONTTBL:
        case RTFK_COLORTBL:
        case RTFK_FLDINST:
        case RTFK_BKMKSTART:
        case RTFK_TXFIELDTEXT:
        case RTFK_TXFIELDDATADEF:
        case RTFK_SHP:
        case RTFK_LISTTABLE:
        case RTFK_LISTOVERRIDETABLE:
        case RTFK_PNSECLVL:
        case RTFK_XMLOPEN:
        case RTFK_XMLCLOSE:
        case RTFK_XMLNSTBL:
        case RTFK_RSIDTBL:
        case RTFK_WGRFFMTFILTER:
        case RTFK_AFTNSEP:
        case RTFK_AFTNSEPC:
        case RTFK_LATENTSTYLES:
        // Comments and index and contents entries are never shown either.
        case RTFK_ANNOTATION:
        case RTFK_ATNID:
        case RTFK_XE:
        case RTFK_TC:
            return CTL_SKIP_GROUP;
        case RTFK_FIELD:
            return CTL_FIELD;
        case RTFK_FLDRSLT:
            return CTL_FIELD_RESULT;
        case RTFK_BKMKEND:
            return CTL_BOOKMARK_END;
        case RTFK_TXFIELDDEF:
            return CTL_TXFIELDDEF;
        case RTFK_TXFIELDSTART:
            return CTL_TXFIELDSTART;
        case RTFK_TXFIELDEND:
            return CTL_TXFIELDEND;
        case RTFK_PNTEXT:
            return CTL_PNTEXT;
        case RTFK_LISTTEXT:
            return CTL_LISTTEXT;
        case RTFK_GENERATOR:
            return CTL_GENERATOR;
        default:
            return CTL_NONE;
        }

    case RTFC_DOC_ATTR:
        return tok.m_nMinor == RTFK_TEMPLATE ? CTL_SKIP_GROUP : CTL_NONE;

    case RTFC_SPECIAL_CHAR:
        switch (tok.m_nMinor) {
        case RTFK_NBSP:
        case RTFK_CELL:
        case RTFK_EMSPACE:
        case RTFK_ENSPACE:
        case RTFK_QMSPACE:
            neutral(L" ", 1);
            return CTL_NONE;
        case RTFK_OPTHYPHEN:
        case RTFK_ENDASH:
        case RTFK_EMDASH:
            neutral(L"-", 1);
            return CTL_NONE;
        case RTFK_NBHYPHEN:
            neutral(L"_", 1);
            return CTL_NONE;
        case RTFK_TAB:
            neutral(L"   ", 3);
            return CTL_NONE;
        case RTFK_PAR:
        case RTFK_LINE:
        case RTFK_PAGE:
            return CTL_PARAGRAPH;
        case RTFK_STAR:
            return CTL_SKIP_NEXT;
        // The typographic quotes are characters of their own.
        case RTFK_LQUOTE:
            unicode(0x2018);
            return CTL_NONE;
        case RTFK_RQUOTE:
            unicode(0x2019);
            return CTL_NONE;
        case RTFK_LDBLQUOTE:
            unicode(0x201C);
            return CTL_NONE;
        case RTFK_RDBLQUOTE:
            unicode(0x201D);
            return CTL_NONE;
        default:
            return CTL_NONE;
        }

    case RTFC_PARA_ATTR:
        if (tok.m_nMinor == RTFK_PARD || tok.m_nMinor == RTFK_LTRPAR ||
            tok.m_nMinor == RTFK_RTLPAR) {
            BYTE dir = tok.m_nMinor == RTFK_RTLPAR ? 1 : 0;
            st.rtlChar = m_settings.m_bPromptROTL ? 1 : dir;
            st.rtlPara = m_settings.m_bPromptRightJust ? 1 : dir;
        }
        return CTL_NONE;

    case RTFC_CHAR_ATTR: {
        const long depth = st.depth;
        const bool on = tok.m_nParam != 0;
        int style = Top(st.styles);
        switch (tok.m_nMinor) {
        case RTFK_RTLCH:
            st.rtlChar = 1;
            break;
        case RTFK_LTRCH:
            st.rtlChar = m_settings.m_bPromptROTL ? 1 : 0;
            break;
        case RTFK_PLAIN:
            SetTop(st.styles, depth, FT_NONE);
            SetTop(st.colors, depth, static_cast<int>(st.textColor));
            break;
        case RTFK_BOLD:
            SetTop(st.styles, depth, on ? (style | FT_BOLD) : (style & ~FT_BOLD));
            break;
        case RTFK_ITALIC:
            SetTop(st.styles, depth, on ? (style | FT_ITALIC) : (style & ~FT_ITALIC));
            break;
        case RTFK_STRIKE:
            SetTop(st.styles, depth, on ? (style | FT_STRIKE) : (style & ~FT_STRIKE));
            break;
        case RTFK_UL:
            SetTop(st.styles, depth, on ? (style | FT_UNDERLINE) : (style & ~FT_UNDERLINE));
            break;
        case RTFK_ULNONE:
            SetTop(st.styles, depth, style & ~FT_UNDERLINE);
            break;
        case RTFK_F: {
            int family = 0, charSet = 0;
            if (!m_pFontMap || !m_pFontMap->Lookup(tok.m_nParam, family, charSet))
                charSet = 0;
            SetTop(st.charSets, depth, charSet);
            break;
        }
        case RTFK_CF: {
            int index = tok.m_nParam == RTF_NO_PARAM ? 0 : tok.m_nParam;
            COLORREF color;
            if (index == 0 && st.dialect == DIALECT_MSFTEDIT) {
                color = st.textColor;
            } else if (st.colorTable.empty()) {
                color = st.textColor; // no colour table: the text colour
            } else {
                long long entry =
                    m_settings.m_bColorIndexFromZero ? index : static_cast<long long>(index) - 1;
                color = (entry >= 0 && entry < static_cast<long long>(st.colorTable.size()))
                    ? st.colorTable[static_cast<size_t>(entry)]
                    : st.colorTable.front();
            }
            if (color == m_settings.m_crBack || m_settings.m_bMonoBitmap)
                color = st.textColor;
            SetTop(st.colors, depth, static_cast<int>(color));
            break;
        }
        default:
            break;
        }
        return CTL_CHAR_FORMAT;
    }

    case RTFC_FIELD_ATTR:
        return (tok.m_nMinor == RTFK_TXFIELDTYPE && tok.m_nParam == 0) ? CTL_TXFIELDTYPE0
                                                                       : CTL_NONE;

    default:
        return CTL_NONE;
    }
}
