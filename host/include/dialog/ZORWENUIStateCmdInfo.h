#pragma once
// What the workbench tells a feature command when it starts it: the document modes in force and
// how the command was started. A default information takes the host's current defaults.

class ZORWENUIStateCmdInfo {
 public:
  // Shape-feature modes: 1 results go to a geometrical set, 2 to a shape body.
  static constexpr int kGeometricalSetMode = 1;
  static constexpr int kShapeBodyMode = 2;

  ZORWENUIStateCmdInfo();
  virtual ~ZORWENUIStateCmdInfo() = default;

  int IsCreationOutsideTAVModeOn() const { return creationOutsideTAV_; }
  void SetCreationOutsideTAVMode(int on) { creationOutsideTAV_ = on ? 1 : 0; }
  int GetShapeFeatureMode() const { return shapeFeatureMode_; }
  void SetShapeFeatureMode(int mode) { shapeFeatureMode_ = mode; }
  int GetContextualAgregMode() const { return contextualAgreg_; }
  void SetContextualAgregMode(int mode) { contextualAgreg_ = mode; }
  int GetNonConnexCreationMode() const { return nonConnex_; }
  void SetNonConnexCreationMode(int mode) { nonConnex_ = mode; }
  int GetDatumMode() const { return datumMode_; }
  void SetDatumMode(int mode) { datumMode_ = mode; }

  // The host's defaults, which new informations take.
  static void SetDefaults(int creationOutsideTAV, int shapeFeatureMode);
  static int GetDefaultShapeFeatureMode();

 private:
  int creationOutsideTAV_;
  int shapeFeatureMode_;
  int contextualAgreg_ = 0;
  int nonConnex_ = 0;
  int datumMode_ = 0;
};
