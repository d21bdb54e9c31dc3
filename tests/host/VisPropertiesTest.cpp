#include <gtest/gtest.h>

#include "ZORDocument.h"

namespace {

class VisProperties : public ::testing::Test {
 protected:
  ZORDocument doc;
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var point = doc.CreatePoint(0, 0, 0, set);
  ZORIVisProperties_var vis{ZORBaseUnknown_var(point)};

  ZORVisPropertiesValues Read(ZORVisPropertyType type) {
    ZORVisPropertiesValues values;
    EXPECT_EQ(vis->GetPropertiesAtt(values, type, 1), S_OK);
    return values;
  }
};

TEST_F(VisProperties, WhatIsWrittenIsReadBackAndResetGivesTheDefault) {
  ASSERT_TRUE(vis);
  EXPECT_EQ(Read(ZORVPPick).GetPick(), 1);
  EXPECT_EQ(Read(ZORVPShow).GetShow(), ZORShowAttr);
  EXPECT_EQ(Read(ZORVPOpacity).GetOpacity(), 255);

  ZORVisPropertiesValues values;
  values.SetOpacity(40, 0);
  values.SetPick(0);
  values.SetShow(ZORNoShowAttr);
  // Each write changes only the property of its type.
  ASSERT_EQ(vis->SetPropertiesAtt(values, ZORVPOpacity, 1), S_OK);
  EXPECT_EQ(Read(ZORVPOpacity).GetOpacity(), 40);
  EXPECT_EQ(Read(ZORVPPick).GetPick(), 1);
  ASSERT_EQ(vis->SetPropertiesAtt(values, ZORVPShow), S_OK);
  ASSERT_EQ(vis->SetPropertiesAtt(values, ZORVPPick), S_OK);
  EXPECT_EQ(Read(ZORVPShow).GetShow(), ZORNoShowAttr);
  EXPECT_EQ(Read(ZORVPPick).GetPick(), 0);
  EXPECT_NE(doc.Dump().find("Point.1 [WENPoint] X=0 Y=0 Z=0 out-of-date hidden unpickable "
                            "opacity=40"),
            std::string::npos)
      << doc.Dump();

  ASSERT_EQ(vis->ResetPropertiesAtt(ZORVPOpacity, 1, 0, 0), S_OK);
  EXPECT_EQ(Read(ZORVPOpacity).GetOpacity(), 255);
  EXPECT_EQ(Read(ZORVPShow).GetShow(), ZORNoShowAttr);  // other properties untouched
  ASSERT_EQ(vis->ResetPropertiesAtt(ZORVPShow), S_OK);
  EXPECT_EQ(Read(ZORVPShow).GetShow(), ZORShowAttr);
}

TEST_F(VisProperties, OutOfRangeValuesAreRefusedAndChangeNothing) {
  ZORVisPropertiesValues values;
  values.SetOpacity(256);
  EXPECT_EQ(vis->SetPropertiesAtt(values, ZORVPOpacity, 1), E_INVALIDARG);
  values.SetOpacity(-1);
  EXPECT_EQ(vis->SetPropertiesAtt(values, ZORVPOpacity, 1), E_INVALIDARG);
  EXPECT_EQ(Read(ZORVPOpacity).GetOpacity(), 255);
  values.SetShow(static_cast<ZORShowAttribut>(3));
  EXPECT_EQ(vis->SetPropertiesAtt(values, ZORVPShow), E_INVALIDARG);
  EXPECT_EQ(vis->SetPropertiesAtt(values, static_cast<ZORVisPropertyType>(5)), E_INVALIDARG);
  EXPECT_EQ(ZORIPointGraphicProperties_var(point)->SetColor(300, 0, 0), E_INVALIDARG);
}

TEST_F(VisProperties, OnePickShowAndColourStateBehindEveryInterface) {
  ZORIGraphicProperties_var graphic(point);
  ZORIPointGraphicProperties_var colour(point);
  ASSERT_TRUE(graphic && colour);
  ZORVisPropertiesValues values;
  values.SetPick(0);
  ASSERT_EQ(vis->SetPropertiesAtt(values, ZORVPPick), S_OK);
  EXPECT_EQ(graphic->IsPickable(), 0);
  values.SetShow(ZORNoShowAttr);
  ASSERT_EQ(vis->SetPropertiesAtt(values, ZORVPShow), S_OK);
  EXPECT_EQ(graphic->IsShown(), 0);

  ASSERT_EQ(colour->SetColor(10, 20, 30), S_OK);
  int r = 0, g = 0, b = 0;
  Read(ZORVPColor).GetColor(r, g, b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{10, 20, 30}));
  ASSERT_EQ(vis->ResetPropertiesAtt(ZORVPColor), S_OK);
  colour->GetColor(r, g, b);
  EXPECT_EQ(r, ZORVisPropertiesValues::kDefaultRed);

  // Lines and planes take their colour through their own kind's interface.
  auto line = doc.CreateFeature("WENLine", set);
  auto plane = doc.CreateFeature("WENPlane", set);
  EXPECT_TRUE(ZORILineicGraphicProperties_var(line));
  EXPECT_TRUE(ZORIMeshGraphicProperties_var(plane));
  EXPECT_FALSE(ZORIPointGraphicProperties_var(plane));
}

TEST_F(VisProperties, ALineKeepsItsThicknessAndLineTypeAndRefusesValuesBelowOne) {
  ZORILineicGraphicProperties_var lineic(doc.CreateFeature("WENLine", set));
  ASSERT_TRUE(lineic);
  int thickness = 0, type = 0;
  lineic->GetThickness(thickness);
  lineic->GetLineType(type);
  EXPECT_EQ((std::vector<int>{thickness, type}), (std::vector<int>{1, 1}));
  ASSERT_EQ(lineic->SetThickness(4), S_OK);
  ASSERT_EQ(lineic->SetLineType(3), S_OK);
  EXPECT_EQ(lineic->SetThickness(0), E_INVALIDARG);
  EXPECT_EQ(lineic->SetLineType(-2), E_INVALIDARG);
  lineic->GetThickness(thickness);
  lineic->GetLineType(type);
  EXPECT_EQ((std::vector<int>{thickness, type}), (std::vector<int>{4, 3}));
}

}  // namespace
