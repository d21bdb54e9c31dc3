#include "ZORWENUIConvertRep.h"

#include "ZORFrmEditor.h"
#include "ZORInPlace3DSite.h"

int ZORWENUIGetConversionMatrix(ZOR4x4Matrix& out) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORInPlace3DSite* site = editor ? editor->GetInPlaceSite() : nullptr;
  if (!site) return 0;
  const ZORMathTransformation& t = site->GetTransformation();
  // Column c of the linear part is the site's axis c in view coordinates; the translation is
  // its origin.
  auto axis = [&t](int c) {
    return ZORMathVectorf(ZORMathVector(t.Get(0, c), t.Get(1, c), t.Get(2, c)));
  };
  out = ZOR4x4Matrix(axis(0), axis(1), axis(2), ZORMathVectorf(t.GetTranslation()));
  return 1;
}

void ZORWENUIConvertRep(ZOR3DBagRep* rep) {
  ZOR4x4Matrix matrix;
  if (rep && ZORWENUIGetConversionMatrix(matrix)) rep->SetMatrix(matrix);
}
