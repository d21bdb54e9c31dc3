#include "ZORGuiFlagGP.h"

#include <algorithm>

namespace {

// A character is this much of the text height wide, a margin this much of it.
constexpr double kCharWidth = 0.6;
constexpr double kMargin = 0.25;

}  // namespace

ZORGuiFlagGP::ZORGuiFlagGP(const ZORMathPointf& anchor, const int textHeight, const int staffHeight,
                           const int flag, const float sizeFactor)
    : anchor_(anchor),
      sizeFactor_(sizeFactor > 0.0f ? sizeFactor : 1.0f),
      flag_(flag),
      textHeight_(std::max(textHeight, kMinTextHeight)),
      staffHeight_(std::max(staffHeight, 0)) {}

void ZORGuiFlagGP::ImmediateDraw(ZORRender& render, const ZORViewpoint* viewpoint,
                                 const ZORViewport*) {
  if (!viewpoint) return;
  const ZORMathPoint anchor = anchor_.ToDouble();
  const double ratio = render.GetMMPerModelRatio(anchor);
  if (!(ratio > 0.0)) return;
  // One pixel in model units at the anchor: what keeps the flag's size on the screen.
  const double pixel = ZORRender::kMillimetresPerPixel / ratio;
  const double line = textHeight_ * sizeFactor_ * pixel;
  const ZORMathVector up = viewpoint->GetUpDirection();
  const ZORMathVector right = viewpoint->GetRightDirection();

  std::size_t longest = 1;
  for (const ZORUnicodeString& text : texts_) {
    longest = std::max(longest, static_cast<std::size_t>(text.GetLengthInChar()));
  }
  const int lines = std::max(texts_.Size(), 1);
  const double margin = kMargin * line;
  const double width = kCharWidth * line * static_cast<double>(longest) + 2 * margin;
  const double height = line * lines + 2 * margin;

  const ZORMathPoint foot = anchor;
  const ZORMathPoint top = foot + (staffHeight_ * line + height) * up;
  render.DrawPolyline({foot, top});
  const ZORMathVector across = width * right;
  const ZORMathVector down = -height * up;
  render.DrawPolygon({top, top + across, top + across + down, top + down});
  for (int i = 1; i <= texts_.Size(); ++i) {
    const ZORMathPoint at = top + (margin * right + -(margin + line * i) * up);
    render.DrawText(at, texts_[i].str());
  }
}

std::string ZORGuiFlagGP::Describe() const {
  std::string line = "flag(" + anchor_.Describe();
  for (const ZORUnicodeString& text : texts_) line += " \"" + text.str() + "\"";
  return line + ")";
}
