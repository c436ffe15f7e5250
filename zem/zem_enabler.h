// KovtZemEnablerService: the "KOVT_ZEM_ENABLER" service object.
#pragma once

#include "units/kovt_service.h"
#include "units/zem_enabler_service.h"

class KovtZemEnablerService : public KovtService<TxISvZemEnabler> {
 public:
  int RealToText(double value, int mode, int precision, wchar_t* text) override;
  int AngleToText(double radians, int mode, int precision, wchar_t* text) override;
  int TextToDistance(const wchar_t* text, int mode, double& value) override;
  int TextToAngle(const wchar_t* text, int mode, double& radians) override;
};
