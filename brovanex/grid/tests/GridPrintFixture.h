// A grid window printed on the framework's page device: the job runs begin printing, every
// page and end printing, and the texts of each page are read back with their places.
#pragma once
#include "ControlTestSupport.h"
#include "GridTestWindow.h"
#include "core/GXPrintDevice.h"
#include "core/GXProperties.h"
#include "features/GXFeatureSwitches.h"
#include "fw/app.h"
#include "fw/commdlg.h"
#include "fw/print.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class GridPrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_app.reset(new CWinApp("Grid Print Test"));
        GXTestStartLibrary();
        m_pWindow.reset(new CGridTestWindow(0, 0));
        CGXGridWnd& grid = Grid();
        GXImplementPrinting(&grid);
        ASSERT_NE(nullptr, grid.PrintImp());
    }
    void TearDown() override
    {
        m_pWindow.reset();
        m_app.reset();
    }

    CGXGridWnd& Grid() { return m_pWindow->Grid(); }
    CGXProperties& Prop() { return *Grid().GetProperties(); }

    // A grid of nRows x nCols cells holding "r<row>c<col>", columns nWidth pixels wide.
    void Fill(ROWCOL nRows, ROWCOL nCols, int nWidth)
    {
        CGXGridWnd& grid = Grid();
        grid.SetRowCount(nRows);
        grid.SetColCount(nCols);
        grid.SetColWidth(1, nCols, nWidth);
        for (ROWCOL r = 1; r <= nRows; ++r)
            for (ROWCOL c = 1; c <= nCols; ++c) {
                CString s;
                s.Format("r%uc%u", (unsigned)r, (unsigned)c);
                grid.SetValueRange(CGXRange(r, c, r, c), s);
            }
    }

    // Prints every page of the job on the page device; the texts of each page.
    std::vector<std::vector<CString>> PrintAll(BOOL bSelection = FALSE)
    {
        CPrintInfo info;
        if (bSelection)
            info.m_pPD->m_pd.Flags |= PD_SELECTION;
        DOCINFOA doc = {sizeof doc, "grid"};
        m_device.StartDoc(&doc);
        Grid().OnBeginPrinting(&m_device, &info);
        m_nPages = info.GetMaxPage();
        m_strPageDesc = info.m_strPageDesc;
        std::vector<std::vector<CString>> pages;
        m_pageTexts.clear();
        for (UINT n = 1; n <= m_nPages; ++n) {
            info.m_nCurPage = n;
            m_device.StartPage();
            m_device.SaveDC();
            Grid().OnPrint(&m_device, &info);
            m_device.RestoreDC(-1);
            m_device.EndPage();
            std::vector<CString> texts;
            m_pageTexts.push_back(m_device.GetPageTexts((int)n - 1));
            for (const CPageText& text : m_pageTexts.back())
                texts.push_back(text.strText);
            pages.push_back(texts);
        }
        Grid().OnEndPrinting(&m_device, &info);
        m_device.EndDoc();
        return pages;
    }

    static bool Has(const std::vector<CString>& texts, LPCTSTR psz)
    {
        for (const CString& s : texts)
            if (s == psz)
                return true;
        return false;
    }

    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<CGridTestWindow> m_pWindow;
    CPageDevice m_device;
    std::vector<std::vector<CPageText>> m_pageTexts; // of the last job, with their places
    UINT m_nPages = 0;
    CString m_strPageDesc;
};
