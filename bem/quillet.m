% QUILLET  Lead field of one current dipole in a three-surface BEM head model.
%
%   W = quillet(r, sIndex, CoG, Triangles, B, B3)
%
%   Computes, for a dipole at r, the potential at each selected sensor for a
%   unit current dipole along x, y and z, by the boundary element method in
%   its isolated-problem form. The transfer matrices B and B3 are built by
%   the caller; quillet only applies them. The conductivities are fixed:
%   0 outside surface 1, 0.2 between surfaces 1 and 2, 0.0131 between
%   surfaces 2 and 3 and 0.2 inside surface 3 (norveth is the same function
%   with 0, 0.33, 0.0042, 0.33).
%
%   Inputs (all real, full double arrays; lengths in one unit of your choice):
%     r          dipole position; the first three values are x, y, z.
%     sIndex     1-based row numbers of B, one per sensor, any shape, taken
%                in storage order. Values are truncated toward zero (2.9
%                selects row 2). With a square B these are triangle numbers.
%     CoG        3 x N triangle centroids, surfaces outermost first.
%     Triangles  triangle counts of surfaces 1, 2, 3, outermost first; only
%                the first three values count, each truncated toward zero.
%                N is their sum and K = Triangles(3).
%     B          transfer matrix with N columns, column-major: N x N, or
%                P x N holding only the sensor rows. Its row count is
%                numel(B) / N, rounded down.
%     B3         K x K isolated-problem matrix of the innermost surface.
%
%   Output:
%     W          3 x numel(sIndex) matrix. Column i is the lead field at the
%                i-th sensor; rows 1, 2, 3 are the dipole directions x, y, z.
%                An empty sIndex gives a 3 x 0 matrix. A dipole exactly on a
%                centroid gives NaN everywhere. Values are potentials per
%                unit dipole moment: volts per ampere-metre with lengths in
%                metres and B, B3 dimensionless, as the BEM system makes them.
%
%   Errors:
%     eegscan:quillet:usage     not exactly six inputs; the message is
%                               "Usage : W=quillet(r,sIndex,CoG,Triangles,B,B3);"
%     eegscan:quillet:badInput  an input that is not a real, full double
%                               array; r or Triangles with fewer than three
%                               values; a triangle count that is negative,
%                               NaN, Inf or beyond the int range; N = 0;
%                               CoG with fewer than 3*N values; B with fewer
%                               than N values (no whole row); B3 with fewer
%                               than K^2 values; an sIndex value outside
%                               1 .. numel(B)/N after truncation.
%
%   Example: one triangle on the outer surface, centroid (1, 0, 0), dipole
%   at the origin, one sensor on that triangle:
%     W = quillet([0 0 0], 1, [1; 0; 0], [1 0 0], 1, [])
%     % W = [0.0521232439; 0; 0]
%
%   See also NORVETH.
