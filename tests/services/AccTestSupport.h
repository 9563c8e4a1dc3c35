// Shared set-up of the stand-in's tests: a database per test, the boxes recorded, and the
// connection closed again. Record fields are packed: compare them as values (+rec.lField),
// since gtest would bind a reference to a misaligned field.
#pragma once

#include "platform/MessageBox.h"
#include "services/AccConnect.h"
#include "tests/services/Fixture.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

struct StSHOWNBOX {
    std::string strText;
    std::string strCaption;
    UINT uType;
};

class ClBoxRecorder : public ClMessageSink {
public:
    int Show(HWND, const char* szText, const char* szCaption, UINT uType) override {
        m_boxes.push_back({szText, szCaption, uType});
        return IDOK;
    }
    std::vector<StSHOWNBOX> m_boxes;
};

inline constexpr const char* TEST_TITLE = "減価償却";

class AccSysTest : public testing::Test {
protected:
    void SetUp() override {
        m_pPrevSink = SetMessageSink(&m_recorder);
        ClAccConnect::Inst()->m_pszTitle = TEST_TITLE;
    }
    void TearDown() override {
        ClAccConnect* pConn = ClAccConnect::Inst();
        pConn->LogOut();
        pConn->Terminate();
        pConn->Release();
        SetMessageSink(m_pPrevSink);
    }
    // A file of this test's own: ctest may run the cases side by side.
    static std::string DbPath() {
        const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
        std::string strName = std::string(pInfo->test_suite_name()) + "." + pInfo->name();
        std::replace(strName.begin(), strName.end(), '/', '_');
        return testing::TempDir() + "/gk_accsys." + strName + ".db";
    }
    // Installs the database and connects: Initiate's result.
    long Connect(const ClFixtureDb& db) {
        db.Install(DbPath());
        return ClAccConnect::Inst()->Initiate();
    }
    // Connects and links; both must succeed.
    void Link(const ClFixtureDb& db) {
        ASSERT_EQ(Connect(db), 0);
        ASSERT_EQ(ClAccConnect::Inst()->ExpSysLink(), 0);
        ASSERT_TRUE(m_recorder.m_boxes.empty());
    }

    ClBoxRecorder m_recorder;

private:
    ClMessageSink* m_pPrevSink = nullptr;
};
