#pragma once

namespace tubeline {

// How the direction of emission changes one angle's spectrum.
struct EmissionGeometry {
    double PathFactor = 1;     // s, secant of the emission angle: oblique path through filters
    double InverseSquare = 1;  // q, cos^2 of the emission angle: fall-off towards the field edge
    double HeelFactor = 0;     // H, photon path length in the target per unit electron depth
};

// Geometry of AngleIndex a for a target angle in degrees below 90.
EmissionGeometry GeometryOfAngle(int angleIndex, double targetAngleDegrees);

}  // namespace tubeline
