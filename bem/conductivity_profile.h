// The conductivity profiles of the two BEM builds: entry c is the
// conductivity of compartment c, counted from the outside in (0 = the
// non-conducting exterior, 1 = between surfaces 1 and 2, 2 = the poorly
// conducting layer between surfaces 2 and 3, 3 = inside surface 3).
// quillet is built with the first table, norveth with the second; nothing
// else differs between them.
#pragma once

constexpr int kConductivityProfileSize = 4;

inline constexpr double quillet_conductivity_profile[kConductivityProfileSize] = {0.0, 0.2, 0.0131,
                                                                                  0.2};
inline constexpr double norveth_conductivity_profile[kConductivityProfileSize] = {0.0, 0.33, 0.0042,
                                                                                  0.33};
