// The correction dialog's template and controls, and what its modal run returns: Change
// (IDOK, the default button and what an unseen OK answer gives), Ignore, Add or Cancel.
#pragma once

#define IDD_SPELL_CHECK 100
#define IDC_SPELL_WORD 1001 // the questioned word (read-only)
#define IDC_SPELL_CHANGE_TO 1002 // the replacement, editable
#define IDC_SPELL_SUGGESTIONS 1003 // the suggestions, closest first
#define IDC_SPELL_IGNORE 1004
#define IDC_SPELL_ADD 1005
