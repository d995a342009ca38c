// The built-in star catalogue and constellation figures: filling Stars and
// ConstLines at start-up and computing the figures' label places.
#pragma once

// Fills Stars[1..2849] from the built-in catalogue.
void Init_Stars();
// Fills ConstLines[1..88]: abbreviations, segment counts and end points.
void Init_ConstLines();
// Sines and cosines of every end point and the label place of every figure.
void Calc_ConstLabels();
