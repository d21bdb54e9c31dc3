#pragma once
// The workbench's list of features: a command-stack frame around a multi-column list
// ("MultiList"), one column of which may hold features, each shown by its display name and
// tied to its row. That column gets the feature contextual menu (the frame's Replace and
// Remove): a right click on a row of a feature offers them for that feature
// (GetContextualFeature); a row without feature offers neither.

#include "ZORGuiCommandStackFrame.h"

class ZORDlgMultiList;

class ZORWENUIMultiList : public ZORGuiCommandStackFrame {
  ZOR_DECLARE_CLASS(ZORWENUIMultiList, ZORGuiCommandStackFrame, ZORMetaObject::Implementation,
                    "Dialog")

  //! `style` goes to the inner list (kMultipleSelection for several selected rows).
  ZORWENUIMultiList(ZORDialog* parent, const ZORString& name, unsigned long style,
                    ZORGuiContextualMenuData menuData = ZORGuiContextualMenuData());
  ~ZORWENUIMultiList() override;

  //! The list inside, for titles, cells, rows and selection.
  ZORDlgMultiList* GetMultiList() const { return list_; }
  //! The inner list's list-select notification.
  ZORNotification* GetListSelectNotification() const;

  //! Makes `column` the feature column and gives it the feature contextual menu; false for a
  //! column below 0 or when a feature column was set already.
  bool SetFeatureColumn(int column);
  int GetFeatureColumn() const { return featureColumn_; }
  //! Writes `feature`'s display name in the feature column of `row` (a new row at the end for
  //! kAddLine and row -1) and ties it to the row; false without feature column or feature, or
  //! when the list refuses the row.
  bool SetFeature(const ZORBaseUnknown_var& feature, int row = -1, int flag = 64);
  //! The feature of `row`; null when it has none.
  ZORBaseUnknown_var GetFeature(int row) const;
  //! The feature of the row last right-clicked; null when none.
  ZORBaseUnknown_var GetContextualFeature() const;

 protected:
  ZORGuiContextualMenuData MenuDataInEffect() const override;

 private:
  ZORDlgMultiList* list_;  // a child, owned by the frame
  int featureColumn_ = -1;
};
