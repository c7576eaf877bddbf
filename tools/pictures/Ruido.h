#pragma once
// Smooth value noise for the wood, the grain of the top and the pearl of the
// inlays: the same inputs always give the same picture.
namespace ruido {

// Value noise in 0..1, smooth between the integer lattice points.
float valor(float x, float y, unsigned semente);
// Several octaves of value noise, in 0..1.
float fractal(float x, float y, int oitavas, unsigned semente);

}  // namespace ruido
