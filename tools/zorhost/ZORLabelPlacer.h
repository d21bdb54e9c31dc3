#pragma once
// Places the labels of a picture so that they can be read: each label, in turn, takes the first
// place around its anchor (nearest first, then farther rings) where its box meets no box already
// placed, no line kept clear (the axes) and stays inside the picture. Greedy: a label placed
// stays; when no place is free the nearest is taken.

#include <string>
#include <vector>

class ZORLabelPlacer {
 public:
  struct Box {
    double left, top, right, bottom;
    bool Intersects(const Box& other) const;
    bool MeetsSegment(double x1, double y1, double x2, double y2) const;
  };

  //! A picture `width` by `height` pixels, text `fontSize` high.
  ZORLabelPlacer(double width, double height, double fontSize = 12);

  //! Keeps the segment clear of labels.
  void KeepClear(double x1, double y1, double x2, double y2);
  //! Keeps the box clear of labels (a title, a legend).
  void KeepClear(const Box& box);
  //! Where the text's baseline starts for a label of `text` near (x, y); its box is kept.
  std::pair<double, double> Place(double x, double y, const std::string& text);
  //! The box a label of `text` takes with its baseline starting at (x, y).
  Box BoxAt(double x, double y, const std::string& text) const;
  //! The boxes of the labels placed, in order.
  const std::vector<Box>& GetPlaced() const { return placed_; }

 private:
  bool Free(const Box& box) const;

  double width_, height_, fontSize_;
  std::vector<Box> kept_;
  std::vector<std::vector<double>> segments_;
  std::vector<Box> placed_;
};
