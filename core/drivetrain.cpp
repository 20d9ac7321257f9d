// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drivetrain.h"

#include "core/checked.h"
#include "core/drivetrain_catalogue.h"

namespace evdrive {

using In = DrivetrainInputs;

// Every product, quotient, sum and difference below is one checked step in
// double precision, in exactly the order and grouping written: the figures
// must match, to the last digit, what engineers get by the textbook formulas
// evaluated step by step. Each field is read once, at its first use, in the
// order the formulas need it, so the first bad field is the one reported; a
// step and a read stand in separate statements wherever the order between
// them decides which failure comes first.
DrivetrainFigures computeDrivetrainFigures(const DrivetrainCells& cells) {
    DrivetrainFigures figures;
    CheckedRun<drivetrainInputs> run(cells);
    const auto stop = [&] {
        figures.failure = run.failure();
        figures.inputs = run.readValues();
        return figures;
    };

    // Motor revolutions n = ua·ig·i0 / (0.377·r), in rpm.
    const Checked ua = run.read<&In::requiredVelocity>();
    const Checked ig = run.read<&In::gearRatio>();
    const Checked a1 = ig * ua;
    const Checked i0 = run.read<&In::finalDriveRatio>();
    const Checked a2 = i0 * a1 / 0.377;
    const Checked r = run.read<&In::tireRadius>();
    const Checked n = a2 / r;
    if (run.failed()) {
        return stop();
    }
    figures.values[figures.reached++] = n.value();

    // Power demand Pe = (m·g·f·ua + CD·A·ua³/21.15) / (3600·ηT), in kW, with the
    // frontal area A = B·H/10⁶ m² from body sizes in millimetres.
    const Checked m = run.read<&In::grossMass>();
    const Checked b1 = m * 9.8;
    const Checked f = run.read<&In::rollingCoefficient>();
    const Checked rollingTerm = run.round15(ua * (f * b1));
    const Checked cd = run.read<&In::dragCoefficient>();
    const Checked h = run.read<&In::bodyHeight>();
    const Checked c1 = h * cd;
    const Checked b = run.read<&In::bodyWidth>();
    const Checked c5 = ua * (ua * (ua * (b * c1)));
    const Checked airTerm = run.round15(c5 / 21.15 / 1000 / 1000);
    const Checked k = run.constant(1) / 3600;
    const Checked eta = run.read<&In::drivetrainEfficiency>();
    const Checked k2 = k / eta;
    const Checked pe = k2 * (airTerm + rollingTerm);
    if (run.failed()) {
        return stop();
    }
    figures.values[figures.reached++] = pe.value();

    // Steepest grade: the slope angle α = arcsin(D − f) for the dynamic factor
    // D = T·ig·i0·ηT / (r·m·g), and the grade tan α in percent. Here the rolling
    // coefficient is read leniently; the power demand has read it strictly
    // already, so this read cannot fail.
    const Checked fLenient = run.readLenient<&In::rollingCoefficient>();
    const Checked t = run.read<&In::motorMaxTorque>();
    const Checked d3 = eta * (i0 * (ig * t));
    const Checked dynamicFactor = run.round15(d3 / m / r / 9.8);
    const Checked y = run.tangentFromSine(dynamicFactor - fLenient);
    // Both functions are evaluated, as the textbook does; tan(atan(y)) is not y.
    const Checked grade = tan(atan(y)) * 100;
    if (run.failed()) {
        return stop();
    }
    figures.values[figures.reached++] = grade.value();
    figures.inputs = run.readValues();
    return figures;
}

DrivetrainResults computeDrivetrain(const DrivetrainInputs& inputs) {
    DrivetrainCells cells;
    for (std::size_t i = 0; i < drivetrainInputCount; ++i) {
        cells[i] = inputs.*drivetrainInputs[i].member;
    }
    const DrivetrainFigures figures = computeDrivetrainFigures(cells);
    DrivetrainResults results;
    for (std::size_t i = 0; i < figures.reached; ++i) {
        results.*drivetrainResults[i].member = formatGeneral(figures.values[i]);
    }
    if (figures.failure) {
        results.error = describeFailure(*figures.failure, drivetrainInputs);
    }
    return results;
}

} // namespace evdrive
