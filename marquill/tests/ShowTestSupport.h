// What the show tests share: the program's application with its main frame and script
// template, the show view hosted in a window of its own (as the rundown bar hosts it), and
// the show's file, script and dialog helpers.
#pragma once
#include "ScriptTestSupport.h"

#include <cstdio>

#include "BreakTime.h"
#include "BrovanexResource.h"
#include "MarquillResource.h"
#include "ShowFile.h"
#include "ShowView.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"

class ShowFixture : public ScriptFixture
{
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        // The show view of the rundown bar, as the program has it.
        view = Frame()->m_wndRundownBar.GetShowView();
        ASSERT_EQ(m_app.GetShowView(), view);
        ASSERT_NE(view, nullptr);
        char dir[MAX_PATH];
        ::GetTempPathA(sizeof dir, dir);
        m_folder = std::string(dir) + "mqshow_" + std::to_string(::GetCurrentProcessId()) + "\\";
        ::CreateDirectoryA(m_folder.c_str(), nullptr);
        m_app.m_strDocumentsFolder = m_folder.c_str();
    }
    void TearDown() override
    {
        if (view != nullptr && ::IsWindow(view->m_hWnd))
            view->m_bShowOpen = 0; // nothing is saved on the way out
        ScriptFixture::TearDown();
        std::string pattern = m_folder + "*";
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA(pattern.c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                ::DeleteFileA((m_folder + data.cFileName).c_str());
            } while (::FindNextFileA(find, &data));
            ::FindClose(find);
        }
        ::RemoveDirectoryA(m_folder.c_str());
    }
    std::string Path(const char* name) const { return m_folder + name; }
    // A script file of a few lines.
    std::string WriteScript(const char* name, const std::string& text)
    {
        const std::string path = Path(name);
        std::ofstream out(path, std::ios::binary);
        out << "{\\rtf1\\ansi " << text << "\\par}";
        return path;
    }
    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    std::string Slugs()
    {
        std::string slugs;
        for (POSITION pos = view->m_ScriptList.GetHeadPosition(); pos != nullptr;) {
            CFileInfo* row = view->m_ScriptList.GetRow(pos);
            slugs += std::string(slugs.empty() ? "" : ",") + (LPCSTR)row->Slug;
        }
        return slugs;
    }
    CFileInfo* Row(int index)
    {
        POSITION pos = view->m_ScriptList.FindIndex(index);
        return pos ? static_cast<CFileInfo*>(view->m_ScriptList.GetAt(pos)) : nullptr;
    }
    void SelectRows(ROWCOL first, ROWCOL last)
    {
        view->m_Grid.GetParam()->m_selRects.DeleteAreas();
        view->m_Grid.GetParam()->m_selRects.AddRange(CGXRange().SetRows(first, last));
    }
    // The file dialog answered with a path, New Script with a title and talent.
    static AFX_MODAL_REPLY FileAnswer(const std::string& path)
    {
        return AFX_MODAL_REPLY::Answer(IDOK, path.c_str());
    }
    static AFX_MODAL_REPLY NewScriptAnswer(const char* title, const char* talent)
    {
        return AFX_MODAL_REPLY::Script([=](CWnd* dlg) {
            dlg->SetDlgItemText(IDC_NEW_SCRIPT_TITLE, title);
            dlg->SetDlgItemText(IDC_NEW_SCRIPT_TALENT, talent);
            dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }
    static AFX_MODAL_REPLY BreakAnswer(const char* text)
    {
        return AFX_MODAL_REPLY::Script([=](CWnd* dlg) {
            dlg->SetDlgItemText(IDC_BREAK_TIME_EDIT, text);
            dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }

    CShowView* view = nullptr;
    std::string m_folder;
};

// Answers the modal windows in order, and keeps what each one was.
class ModalQueue
{
public:
    ModalQueue()
    {
        m_previous = AfxSetModalAnswerer([this](const AFX_MODAL_REQUEST& request) {
            m_kinds.push_back(request.nKind);
            if (m_replies.empty())
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            AFX_MODAL_REPLY reply = m_replies.front();
            m_replies.erase(m_replies.begin());
            return reply;
        });
    }
    ~ModalQueue() { AfxSetModalAnswerer(m_previous); }
    ModalQueue& Then(AFX_MODAL_REPLY reply)
    {
        m_replies.push_back(std::move(reply));
        return *this;
    }
    size_t Left() const { return m_replies.size(); }
    std::vector<AfxModalKind> m_kinds;

private:
    AFX_MODAL_ANSWERER m_previous;
    std::vector<AFX_MODAL_REPLY> m_replies;
};
