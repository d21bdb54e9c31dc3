#include "ZORGmoBuildDiagnosisDataSplitTrim.h"

ZORVar<ZORGmoBuildDiagnosisDataSplitTrim> ZORGmoBuildDiagnosisDataSplitTrim::Failure(
    std::vector<ZORBody_var> inError, std::vector<ZORBody_var> context) {
  auto data = ZORMake<ZORGmoBuildDiagnosisDataSplitTrim>();
  data->inError_ = std::move(inError);
  data->context_ = std::move(context);
  return data;
}

ZORVar<ZORGmoBuildDiagnosisDataSplitTrim> ZORGmoBuildDiagnosisDataSplitTrim::Warning(
    const ZORString& key, const ZORString& catalog, std::vector<ZORBaseUnknown_var> objects) {
  auto data = ZORMake<ZORGmoBuildDiagnosisDataSplitTrim>();
  data->warning_ = true;
  data->key_ = key;
  data->catalog_ = catalog;
  data->objects_ = std::move(objects);
  return data;
}

void ZORGmoBuildDiagnosisDataSplitTrim::GetMessage(ZORString& key, ZORString& catalog) const {
  key = key_;
  catalog = catalog_;
}

void ZORGmoBuildDiagnosisDataSplitTrim::GetTopObjects(ZORListValZORBaseUnknown_var& objects) const {
  for (const ZORBaseUnknown_var& object : objects_) objects.Append(object);
}

std::string ZORGmoBuildDiagnosisDataSplitTrim::Describe() const {
  if (warning_) {
    return "warning(" + key_.str() + ", " + std::to_string(objects_.size()) + " objects)";
  }
  const auto bodies = [](const std::vector<ZORBody_var>& list) {
    std::string text;
    for (const ZORBody_var& body : list) text += (text.empty() ? "" : " ") + body->Describe();
    return text.empty() ? std::string("none") : text;
  };
  return "failure(in error: " + bodies(inError_) + ", context: " + bodies(context_) + ")";
}
