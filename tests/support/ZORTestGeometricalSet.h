#pragma once
// Features made in a geometrical set of a document the way a user makes them: points first,
// then the features on them, each updated as it comes.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ZORDocument.h"
#include "ZORFeature.h"
#include "ZORMathPoint.h"

class ZORTestGeometricalSet {
 public:
  explicit ZORTestGeometricalSet(ZORDocument& document)
      : document_(document), set_(document.CreateTool("GeometricalSet")) {}

  ZORFeature* Set() const { return set_.get(); }
  ZORFeature_var Point(double x, double y, double z) {
    return document_.CreatePoint(x, y, z, set_.get());
  }
  // A feature of `type` taking `inputs` in `roles`, with `values`, after an update.
  ZORFeature_var Make(const std::string& type, const std::vector<ZORFeature*>& inputs,
                      const std::vector<std::string>& roles,
                      const std::map<std::string, double>& values = {}) {
    ZORFeature_var f = document_.CreateFeature(type, set_.get());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      EXPECT_EQ(f->SetInput(roles[i], ZORBaseUnknown_var(inputs[i])), S_OK);
    }
    for (const auto& [key, value] : values) f->SetValue(key, value);
    document_.UpdateAll();
    return f;
  }
  // A polyline through new points at `points`.
  ZORFeature_var Polyline(const std::vector<ZORMathPoint>& points) {
    std::vector<ZORFeature_var> made;
    std::vector<ZORFeature*> inputs;
    std::vector<std::string> roles;
    for (const ZORMathPoint& p : points) {
      made.push_back(Point(p.GetX(), p.GetY(), p.GetZ()));
      inputs.push_back(made.back().get());
      roles.push_back("Point" + std::to_string(inputs.size()));
    }
    return Make("WENPolyline", inputs, roles);
  }
  // The plane x = `x` through new points, its normal along +X.
  ZORFeature_var PlaneAtX(double x) {
    ZORFeature_var a = Point(x, 0, 0), b = Point(x, 1, 0), c = Point(x, 0, 1);
    return Make("WENPlane", {a.get(), b.get(), c.get()}, {"Point1", "Point2", "Point3"});
  }

 private:
  ZORDocument& document_;
  ZORFeature_var set_;
};
