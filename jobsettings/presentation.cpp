#include "jobsettings/presentation.h"

#include <algorithm>

#include "dictionaries/dict_util.h"

namespace {

constexpr std::array<std::int32_t, 5> kSolidHatchedElementTypes = {9, 10, 11, 12, 22};

PnDbObjectId WorkingContinuousLinetype() { return KovtDictUtil::GetContinuousLineTypeId(nullptr); }

}  // namespace

bool IsSolidHatchedElementType(std::int32_t elementType) {
  return std::find(kSolidHatchedElementTypes.begin(), kSolidHatchedElementTypes.end(), elementType) !=
         kSolidHatchedElementTypes.end();
}

XOutlineMode_ByElementType DefaultOutlineModes(XOutlineLook patternHatched, XOutlineLook solidHatched,
                                               PnDbObjectId linetype) {
  XOutlineMode_ByElementType modes;
  modes.vOutlineStyle.reserve(kFormworkElementTypes.size());
  for (std::int32_t type : kFormworkElementTypes) {
    const XOutlineLook& look = IsSolidHatchedElementType(type) ? solidHatched : patternHatched;
    modes.vOutlineStyle.push_back({type, look.LineColor, linetype, look.LineWidth});
  }
  return modes;
}

XHatchMode_ByElementType DefaultHatchModes(XHatchLook look) {
  XHatchMode_ByElementType modes;
  modes.vHatchStyle.reserve(kFormworkElementTypes.size());
  for (std::int32_t type : kFormworkElementTypes) {
    const wchar_t* pattern = IsSolidHatchedElementType(type) ? kSolidHatchName : kPatternHatchName;
    modes.vHatchStyle.push_back({type, pattern, look.HatchColor, look.HatchScale, look.HatchAngle});
  }
  return modes;
}

XOUTLINE::XOUTLINE() {
  PnDbObjectId continuous = WorkingContinuousLinetype();
  VisibOutlineMode_ByElementType = DefaultOutlineModes({150, 18}, {160, 18}, continuous);
  BlankOutlineMode_ByElementType = DefaultOutlineModes({40, 18}, {50, 18}, continuous);
  VisibHatchMode_ByElementType = DefaultHatchModes({151, 30.0, 90.0});
  BlankHatchMode_ByElementType = DefaultHatchModes({41, 30.0, 0.0});
}

XSECTION::XSECTION() {
  EdgeLineMode_ByElementType = DefaultOutlineModes({7, 50}, {252, 30}, WorkingContinuousLinetype());
  HatchMode_ByElementType = DefaultHatchModes({253, 30.0, 0.0});
}

XENDING::XENDING() : EndingLineStyleId(WorkingContinuousLinetype()) {}
