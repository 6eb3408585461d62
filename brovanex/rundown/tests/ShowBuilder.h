// A show written as a string of row kinds, for tests that need a row list:
// S script, B break, E end of show, G segment.
#pragma once
#include <string>
#include <vector>

#include "rundown/BaseScriptList.h"

// Counts its own destructions, to show that the list deletes rows through the
// virtual destructor exactly when it should.
class CountedRow : public CFileInfo
{
public:
    CountedRow() { ++Alive; }
    ~CountedRow() override { --Alive; }
    static int Alive;
};

inline int CountedRow::Alive = 0;

// Owns the rows of its list, as the view does.
class TestShow
{
public:
    TestShow() { }
    explicit TestShow(const std::string& kinds, const std::vector<std::string>& ttls = {})
    {
        for (size_t i = 0; i < kinds.size(); i++)
            Add(kinds[i], i < ttls.size() ? ttls[i] : std::string());
        list.UpdatePosition();
    }
    ~TestShow()
    {
        while (!list.IsEmpty())
            delete (CFileInfo*)list.RemoveHead();
    }
    TestShow(const TestShow&) = delete;
    TestShow& operator=(const TestShow&) = delete;

    CFileInfo* Add(char kind, const std::string& ttl = std::string())
    {
        CountedRow* row = new CountedRow;
        row->RowType = kind == 'B' ? ROW_BREAK
            : kind == 'E'          ? ROW_END_OF_SHOW
            : kind == 'G'          ? ROW_SEGMENT
                                   : ROW_SCRIPT;
        row->TTL = ttl.c_str();
        row->PageNo = "keep"; // so that rows which are not numbered show it
        row->Slug.Format("%c%d", kind, (int)list.GetCount() + 1);
        row->SetRecNo();
        list.AddTail(row);
        return row;
    }

    std::vector<CFileInfo*> Rows()
    {
        std::vector<CFileInfo*> rows;
        for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
            rows.push_back(list.GetRow(pos));
        return rows;
    }

    template<class Field>
    std::vector<std::string> Column(Field field)
    {
        std::vector<std::string> values;
        for (CFileInfo* row : Rows())
            values.push_back((LPCSTR)(row->*field));
        return values;
    }

    std::vector<long> Positions()
    {
        std::vector<long> values;
        for (CFileInfo* row : Rows())
            values.push_back(row->Position);
        return values;
    }

    BaseScriptList list;
};
