#pragma once
//! \class ZORGuiFlagGP
//! A flag drawn at a 3D anchor point: a staff from the anchor and a banner in the screen plane
//! holding one line per text. It is sized in pixels at each draw of each view, so it keeps the
//! same size on the screen at any zoom.

#include "ZORDynamicGP.h"
#include "ZORListValZORUnicodeString.h"
#include "ZORMathPointf.h"

class ZORGuiFlagGP : public ZORDynamicGP {
 public:
  //! Smallest text height drawn, in pixels; a smaller height is raised to it.
  static constexpr int kMinTextHeight = 8;

  //! The anchor, the text height and the staff's length (in text heights), a flag kept for the
  //! caller, and a factor applied to every size.
  ZORGuiFlagGP(const ZORMathPointf& anchor, const int textHeight, const int staffHeight,
               const int flag, const float sizeFactor);

  //! The lines of text, one per banner line, replacing the previous ones.
  void AssociateTexts(const ZORListValZORUnicodeString& texts) { texts_ = texts; }
  //! The lines of text shown.
  const ZORListValZORUnicodeString& GetTexts() const { return texts_; }
  //! The anchor point.
  const ZORMathPointf& GetAnchor() const { return anchor_; }
  //! The caller's flag, as given.
  int GetFlag() const { return flag_; }
  //! The text height actually used, in pixels.
  int GetTextHeight() const { return textHeight_; }

  //! Draws the staff, the banner and the texts for the view seen from `viewpoint`; nothing
  //! without a viewpoint.
  void ImmediateDraw(ZORRender& render, const ZORViewpoint* viewpoint,
                     const ZORViewport* viewport) override;
  //! "flag(x,y,z "first" "second")".
  std::string Describe() const override;

 private:
  ZORMathPointf anchor_;
  float sizeFactor_;
  int flag_;
  ZORListValZORUnicodeString texts_;
  int textHeight_;
  int staffHeight_;
};
