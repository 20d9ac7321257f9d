#include "core/drivetrain.h"

#include "core/checked_run.h"

#include <cmath>

namespace evdrive {

// Every product, quotient, sum and difference below is one checked step in
// double precision, in exactly the order and grouping written: the figures
// must match, to the last digit, what engineers get by the textbook formulas
// evaluated step by step. Each field is read once, at its first use, in the
// order the formulas need it, so the first bad field is the one reported.
DrivetrainResults computeDrivetrain(const DrivetrainInputs& inputs) {
    using In = DrivetrainInputs;
    DrivetrainResults results;
    CheckedRun run(inputs);
    const auto stop = [&] {
        results.error = run.error();
        results.blamedInput = run.blamedInput();
        return results;
    };

    // Motor revolutions n = ua·ig·i0 / (0.377·r), in rpm.
    const double ua = run.read(&In::requiredVelocity);
    const double ig = run.read(&In::gearRatio);
    const double a1 = run.multiply(ig, ua);
    const double i0 = run.read(&In::finalDriveRatio);
    const double a2 = run.divide(run.multiply(i0, a1), 0.377);
    const double r = run.read(&In::tireRadius);
    const double n = run.divide(a2, r, &In::tireRadius);
    if (run.failed()) {
        return stop();
    }
    results.motorRpmText = formatGeneral(n);

    // Power demand Pe = (m·g·f·ua + CD·A·ua³/21.15) / (3600·ηT), in kW, with the
    // frontal area A = B·H/10⁶ m² from body sizes in millimetres.
    const double m = run.read(&In::grossMass);
    const double b1 = run.multiply(m, 9.8);
    const double f = run.read(&In::rollingCoefficient);
    const double b2 = run.multiply(f, b1);
    const double rollingTerm = run.round15(run.multiply(ua, b2));
    const double cd = run.read(&In::dragCoefficient);
    const double h = run.read(&In::bodyHeight);
    const double c1 = run.multiply(h, cd);
    const double b = run.read(&In::bodyWidth);
    const double c2 = run.multiply(b, c1);
    const double c5 = run.multiply(ua, run.multiply(ua, run.multiply(ua, c2)));
    const double c6 = run.divide(run.divide(run.divide(c5, 21.15), 1000), 1000);
    const double airTerm = run.round15(c6);
    const double k = run.divide(1, 3600);
    const double eta = run.read(&In::drivetrainEfficiency);
    const double k2 = run.divide(k, eta, &In::drivetrainEfficiency);
    const double pe = run.multiply(k2, run.add(airTerm, rollingTerm));
    if (run.failed()) {
        return stop();
    }
    results.powerText = formatGeneral(pe);

    // Steepest grade: the slope angle α = arcsin(D − f) for the dynamic factor
    // D = T·ig·i0·ηT / (r·m·g), and the grade tan α in percent. Here the rolling
    // coefficient is read leniently; the power demand has read it strictly
    // already, so this read cannot fail.
    const double fLenient = run.readLenient(&In::rollingCoefficient);
    const double t = run.read(&In::motorMaxTorque);
    const double d3 = run.multiply(eta, run.multiply(i0, run.multiply(ig, t)));
    const double d4 = run.divide(d3, m, &In::grossMass);
    const double d5 = run.divide(run.divide(d4, r, &In::tireRadius), 9.8);
    const double dynamicFactor = run.round15(d5);
    const double x = run.subtract(dynamicFactor, fLenient);
    const double s = run.squareRoot(run.add(1, run.multiply(x, -x)));
    const double y = run.divide(x, s);
    const double grade = run.multiply(std::tan(std::atan(y)), 100);
    if (run.failed()) {
        return stop();
    }
    results.gradeText = formatGeneral(grade);
    return results;
}

} // namespace evdrive
