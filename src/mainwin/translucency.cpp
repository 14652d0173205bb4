#include "mainwin/translucency.h"

namespace orvx::mainwin {

TranslucencyPlan plan_translucency(bool layering_available, bool window_exists, bool auto_opaque, int percent) {
  if (!layering_available || !window_exists) return {TranslucencyStep::kNothing, 255};
  if (auto_opaque && percent == 0) return {TranslucencyStep::kRemoveLayering, 255};
  return {TranslucencyStep::kSetAlpha, alpha_for_translucency(percent)};
}

}  // namespace orvx::mainwin
