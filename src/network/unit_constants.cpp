#include "network/unit_constants.h"

namespace tarvello {

UnitConstants UnitConstants::forUnitSystem(const std::string& unitSystem) {
  UnitConstants u;
  if (unitSystem == "ENGLISH") {
    u.english = true;
    u.gravity = 32.2;
    u.sizeDivisor = 12;
    u.kCircular = 0.463;
    u.kOther = 0.453;  // 1 / 1.486²
    u.topAllowance = 1.0;
    u.wallAllowance = 1.0 / 12.0;
    u.sizeToInches = 1.0;
  }
  return u;
}

}  // namespace tarvello
