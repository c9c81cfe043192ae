// Run-time class information: what a class is derived from, and objects made from the record.

#include "FrameworkTest.h"

namespace qx::fw::test {
namespace {

class CDynamicControl : public CWnd {
    DECLARE_DYNCREATE(CDynamicControl)
};
IMPLEMENT_DYNCREATE(CDynamicControl, CWnd)

TEST(ObjectTest, KindFollowsTheBaseChain) {
    CEdit edit;
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(edit.IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_STREQ(edit.GetRuntimeClass()->m_lpszClassName, "CEdit");
    CDialogEx dialog;
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CDialog)));
}

TEST(ObjectTest, DynamicCreationMakesAnObjectOfTheClass) {
    std::unique_ptr<CObject> made = RUNTIME_CLASS(CDynamicControl)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CDynamicControl)));
    EXPECT_EQ(RUNTIME_CLASS(CButton)->CreateObject(), nullptr) << "no factory without dynamic creation";
}

}  // namespace
}  // namespace qx::fw::test
