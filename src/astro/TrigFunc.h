// TrigFunc: the two-argument arctangent, arcsine, arccosine and the positive
// modulo used for hours, degrees and radians. Pure functions; reads only the
// angle constant PiVal (DivProcs). No shared globals.
#pragma once

// Angle of the point (X, Y) in radians, in (-pi, pi]; Y is the first argument.
// (0, 0) gives 0; a point on the negative X axis gives +pi whatever the sign of
// a zero Y. A NaN argument raises tv::EInvalidOp.
double ArcTan2(double Y, double X);

// Arcsine in radians, [-pi/2, pi/2]. Arguments outside [-1, 1] are clamped.
// NaN raises tv::EInvalidOp.
double ArcSine(double x);

// Arccosine in radians, [0, pi]. Arguments outside [-1, 1] are clamped (a
// product of cosines may exceed 1 by rounding). NaN raises tv::EInvalidOp.
double ArcCosine(double x);

// x reduced modulo m: m * frac(x / m), plus m when negative. For m > 0 the result
// lies in [0, m]; it is m itself only when a tiny negative remainder plus m
// rounds to m (x = -1e-20, m = 360). Used with m = 24, 360 and 2 pi.
// m = 0 or a NaN argument raises tv::EInvalidOp.
double PosMod(double x, double m);
