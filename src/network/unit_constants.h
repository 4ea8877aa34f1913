#pragma once
// The one place where the project's unit system is told apart: exactly
// "ENGLISH" means inches and feet, anything else millimetres and metres.
#include <string>

namespace tarvello {

// Constants that depend on the project's unit system.
struct UnitConstants {
  bool english = false;
  double gravity = 9.8;              // ft/s² or m/s²
  double sizeDivisor = 1000;         // pipe size (in or mm) to elevation units (ft or m)
  double kCircular = 0.312;          // full-flow Manning constant of the circular formula
  double kOther = 1.0;               // factor of the non-circular formula
  double topAllowance = 0.3;         // cover added to an estimated top: 1 ft or 0.3 m
  double wallAllowance = 0.0254;     // added to the wall thickness: 1 inch in elevation units
  double sizeToInches = 1.0 / 25.4;  // the standard-type size limits are in inches

  static UnitConstants forUnitSystem(const std::string& unitSystem);
};

}  // namespace tarvello
