#include <gtest/gtest.h>

#include "ZORDocument.h"
#include "ZORGetTangent.h"
#include "ZORIDimVisualization.h"
#include "ZORIMfGeom.h"
#include "ZORISketch.h"
#include "ZORUpdate3DVisu.h"
#include "ZORWENGetNormale.h"

namespace {

// The geometry services answer for the kinds they know and refuse the others.
TEST(OrientationGeometry, ServicesAnswerForTheirKindsOnly) {
  ZORDocument doc;
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var p1 = doc.CreatePoint(1, 1, 0, set);
  ZORFeature_var p2 = doc.CreatePoint(1, 3, 0, set);
  ZORFeature_var line = doc.CreateFeature("WENLine", set.get());
  line->SetInput("Start", p1.get());
  line->SetInput("End", p2.get());
  doc.UpdateAll();
  const ZORBaseUnknown_var asLine(line), asPoint(p1), asSet(set);

  ZORMathPoint point;
  ZORMathVector direction;
  const ZORMathVector fallback(1, 0, 0);
  ASSERT_EQ(GetTangent(asLine, kZORTangentAtEnd, fallback, point, direction), S_OK);
  EXPECT_EQ(point, ZORMathPoint(1, 3, 0));
  EXPECT_EQ(direction, ZORMathVector(0, 1, 0));
  EXPECT_EQ(GetTangent(asPoint, kZORTangentAtStart, fallback, point, direction), E_FAIL);
  EXPECT_EQ(GetTangent(asLine, 7, fallback, point, direction), E_INVALIDARG);
  EXPECT_EQ(ZORWENGetNormale(asLine, direction), E_FAIL);
  ZORIMfGeom_var geometry{asLine};
  ASSERT_TRUE(geometry);
  EXPECT_EQ(geometry->IsAPlane(), 0);
  EXPECT_FALSE(ZORIMfGeom_var{asSet});

  ZORIDimProvider_var provider{ZORBaseUnknown_var(doc.GetContainer())};
  ZORListValZORUnicodeString shown;
  ASSERT_TRUE(provider);
  ASSERT_EQ(provider->GetDimensions(ZORISpecObject_var(asPoint), shown), S_OK);
  EXPECT_EQ(shown.Size(), 3);
  EXPECT_EQ(shown[1].str(), "X=1");
  ZORDocument other;
  ZORFeature_var stranger = other.CreatePoint(0, 0, 0);
  EXPECT_EQ(provider->GetDimensions(ZORISpecObject_var(ZORBaseUnknown_var(stranger)), shown),
            E_FAIL);
  EXPECT_FALSE(ZORIDimVisualization_var{asSet});

  ZORFeature_var sketch = doc.CreateFeature("Sketch", set.get());
  EXPECT_TRUE(ZORISketch_var{ZORBaseUnknown_var(sketch)});
  EXPECT_FALSE(ZORISketch_var{asLine});
  EXPECT_EQ(Update3DVisu(asLine), S_OK);
  EXPECT_EQ(line->GetRedrawCount(), 1);
  EXPECT_EQ(Update3DVisu(ZORBaseUnknown_var()), S_FALSE);
}

}  // namespace
