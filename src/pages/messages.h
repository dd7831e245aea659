#pragma once

#include <QString>

#include "core/checked.h"

// The texts of the pages' message boxes.
namespace messages {

inline const QString kAllInputsRequired = QStringLiteral("All input boxes must be filled");
inline const QString kClosingAngleRange =
    QStringLiteral("Intake Valve Closing Angle must be between 23  and 89 degrees");
inline const QString kClosingAngleNotANumber = QStringLiteral(
    "The Intake Valve Closing Angle must be a plain number, such as 60 or 60.5, with nothing "
    "after it.");
inline const QString kRodTooShort = QStringLiteral(
    "The Rod Length is too short for this Crank Stroke and closing angle. Check both values.");
inline const QString kTooLarge = QStringLiteral(
    "A number is too large to calculate with. Check that every input is an engine dimension.");
inline const QString kZeroClearance = QStringLiteral(
    "The clearance volume (chamber, gasket, deck and piston) adds up to zero, so there is no "
    "compression ratio. Check those inputs.");
inline const QString kNotCalculable = QStringLiteral(
    "These inputs cannot be calculated. Check that every input is an engine dimension.");

// The message for an arithmetic failure a page has no more specific text for.
inline const QString& forFault(core::Fault fault) {
  return fault == core::Fault::overflow ? kTooLarge : kNotCalculable;
}

}  // namespace messages
