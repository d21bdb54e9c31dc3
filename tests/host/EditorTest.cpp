#include <gtest/gtest.h>

#include "ZORHostSession.h"

namespace {

TEST(Editor, LocalAxisSystemsConvertBothWays) {
  const ZORMathAxis axis({1, 2, 3}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
  const ZORMathPoint local = axis.ToLocal({1, 5, 3});
  EXPECT_EQ(local, ZORMathPoint(3, 0, 0));
  EXPECT_EQ(axis.ToAbsolute(local), ZORMathPoint(1, 5, 3));
  EXPECT_EQ(ZORMathAxis().ToLocal({4, 5, 6}), ZORMathPoint(4, 5, 6));
}

TEST(Editor, TransformationsComposeInOrder) {
  const double quarterTurn[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
  const ZORMathTransformation turn(quarterTurn, {});
  const auto shift = ZORMathTransformation::Translation({10, 0, 0});
  // Shift after turn, and turn after shift, differ.
  EXPECT_EQ(shift.Compose(turn).Apply(ZORMathPoint(1, 0, 0)), ZORMathPoint(10, 1, 0));
  EXPECT_EQ(turn.Compose(shift).Apply(ZORMathPoint(1, 0, 0)), ZORMathPoint(0, 11, 0));
  EXPECT_EQ(turn.Apply(ZORMathVector(1, 0, 0)), ZORMathVector(0, 1, 0));  // vectors do not move
  EXPECT_TRUE(ZORMathTransformation().IsIdentity());
  EXPECT_FALSE(shift.IsIdentity());
}

TEST(Editor, SessionsMakeTheirEditorCurrentAndItsSetsStartEmpty) {
  {
    ZORHostSession session;
    ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
    ASSERT_EQ(editor, &session.Editor());
    ZORFeature_var point = session.Document().CreatePoint(1, 1, 1, session.Document().GetPart());
    EXPECT_EQ(editor->SetActiveObject(point.get()), S_OK);
    EXPECT_EQ(editor->GetActiveObjectPath().GetLeaf().get(),
              static_cast<ZORBaseUnknown*>(point.get()));
    auto stranger = ZORMake<ZORISO>();  // not in the document
    EXPECT_EQ(editor->SetActiveObject(stranger.get()), E_FAIL);

    EXPECT_EQ(editor->GetISO()->AddElement(point.get()), S_OK);
    EXPECT_EQ(editor->GetISO()->AddElement(point.get()), S_FALSE);
    EXPECT_EQ(editor->GetISO()->RemoveElement(stranger.get()), S_FALSE);
    EXPECT_EQ(editor->GetISO()->GetSize(), 1);
  }
  EXPECT_EQ(ZORFrmEditor::GetCurrentEditor(), nullptr);
}

}  // namespace
