// Undoable commands: each holds what the opposite of one grid change needs and performs it
// by calling one grid operation with the stored values. The command factory
// (GXCommandFactory.h) makes them and keeps them on the parameter object's undo and redo
// lists; CGXBlockCmd groups the commands of one transaction into one step.
#pragma once
#include "core/GXDefs.h"
#include "core/GXRange.h"

class CGXGridCore;
class CGXStyle;
class CGXStylesMap;
class CGXProperties;

class CGXCommand : public CObject
{
    DECLARE_DYNAMIC(CGXCommand)
public:
    CGXCommand();
    ~CGXCommand() override;
    CGXCommand(const CGXCommand&) = delete;
    CGXCommand& operator=(const CGXCommand&) = delete;

    // Performs the stored change in the given mode; the grid operation's result.
    virtual BOOL Execute(CGXGridCore* pGrid, GXCmdType ctCmd) = 0;
    // The text that replaces "%1" in the Undo and Redo menu items.
    virtual LPCTSTR GetName() = 0;

    // The current cell when the command was recorded (filled by the factory).
    ROWCOL m_nRow, m_nCol;
    BOOL m_bCCell;
    // The data object's own undo state, owned (null for the library's data object).
    CObject* m_pUndoInfo;
};

// A group of commands undone and redone as one step; the list is newest first.
class CGXBlockCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXBlockCmd)
public:
    explicit CGXBlockCmd(LPCTSTR pszName = nullptr);
    ~CGXBlockCmd() override;
    BOOL Execute(CGXGridCore* pGrid, GXCmdType ctCmd) override;
    LPCTSTR GetName() override { return m_strName; }

    CObList m_CmdList;
    CString m_strName;
};

// The display name of a command class: the library text nId, loaded on first use and kept
// for the process; a single blank when the text is missing.
LPCTSTR GXCommandName(CString& strName, UINT nId);

// Deletes a style array the way commands own them: every element (a CObList that follows
// the cell styles has its objects deleted first), then the array.
void GXDeleteStyleArray(CObArray* pArray);
