#pragma once
// The part of the screen a view draws into: its size in pixels and its scale (pixels per model
// unit, the same everywhere in an orthographic view).

class ZORViewport {
 public:
  ZORViewport(int width, int height, double pixelsPerUnit)
      : width_(width), height_(height), pixelsPerUnit_(pixelsPerUnit) {}

  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  double GetPixelsPerUnit() const { return pixelsPerUnit_; }

 private:
  int width_;
  int height_;
  double pixelsPerUnit_;
};
