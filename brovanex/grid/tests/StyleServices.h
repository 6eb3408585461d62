// A fixture with the process-wide style services on (archiving, comparison and the older
// layout's reader); the slots are given back as they were, so tests of the services being
// off still see them off.
#pragma once
#include "core/GXLibraryState.h"
#include <gtest/gtest.h>

class StyleServices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CGXGridLibraryState& state = GXGetLibraryState();
        m_pSerialize = state.m_pStyleSerializeImp;
        m_pCompare = state.m_pStyleCompareSubsetImp;
        m_pCompatible = state.m_pSerializeTQ5CompatibleImp;
        GXImplementStyleSerialize();
        GXImplementStyleCompareSubset();
        GXImplementSerializeTQ5Compatible();
    }
    void TearDown() override
    {
        CGXGridLibraryState& state = GXGetLibraryState();
        state.m_pStyleSerializeImp = m_pSerialize;
        state.m_pStyleCompareSubsetImp = m_pCompare;
        state.m_pSerializeTQ5CompatibleImp = m_pCompatible;
    }

private:
    CGXAbstractStyleSerializeImp* m_pSerialize = nullptr;
    CGXAbstractStyleCompareSubsetImp* m_pCompare = nullptr;
    CGXAbstractSerializeTQ5CompatibleImp* m_pCompatible = nullptr;
};
