% BEM_MATRICES  BEM matrices of a three-surface head model for QUILLET and NORVETH.
%
%   [B, B3, CoG, Triangles] = bem_matrices(profile, V1, F1, V2, F2, V3, F3)
%
%   Builds, from three nested closed triangulated surfaces, the matrices that
%   quillet and norveth apply: constant potential on each triangle,
%   collocation at the triangle centroids, and the isolated-problem approach
%   for the innermost surface. With omega(i,j) the solid angle of triangle j
%   seen from centroid i (van Oosterom-Strackee; omega(i,i) = 0), centroid i
%   on surface k, triangle j on surface l, and sigma-/sigma+ the
%   conductivities inside/outside a surface:
%     C(i,j) = (sigma-_l - sigma+_l) / (sigma-_k + sigma+_k) * omega(i,j) / (2*pi)
%     B  = inv(eye(N) - C + ones(N) / N)
%     B3 = inv(eye(K) - omega33 / (2*pi) + ones(K) / K)
%   where omega33 is the block of the innermost surface. The solid angles are
%   computed on all cores; the inverses by LAPACK.
%
%   Inputs (real, full double arrays; lengths in one unit of your choice):
%     profile  'quillet' (conductivities 0.2, 0.0131, 0.2 from the outermost
%              compartment inward, 0 outside) or 'norveth' (0.33, 0.0042,
%              0.33). Use the matrices with the function of that name.
%     Vk       nk x 3 vertex positions of surface k, one vertex per row.
%     Fk       mk x 3 triangles of surface k, one per row: whole 1-based row
%              numbers of Vk, counterclockwise seen from outside (the normal
%              (b - a) x (c - a) points outward).
%              Surface 1 is the outermost (scalp), surface 3 the innermost.
%              Each surface must be closed (every edge shared by exactly two
%              triangles), consistently oriented outward, free of zero-area
%              triangles, and strictly inside the surface before it.
%
%   Outputs:
%     B          N x N transfer matrix, N = m1 + m2 + m3; row and column t
%                belong to triangle t, surface 1 first.
%     B3         K x K isolated-problem matrix of surface 3, K = m3.
%     CoG        3 x N triangle centroids, in the order of B.
%     Triangles  [m1 m2 m3].
%   They go straight into W = quillet(r, sIndex, CoG, Triangles, B, B3) (or
%   norveth with the same profile); sIndex numbers the triangles of surface 1
%   (1 .. m1) whose centroids serve as electrode sites, and column i of W is
%   the potential there, up to a common constant: subtract a reference (for
%   instance the mean over the sensors) before comparing with measurements.
%
%   Errors (identifier eegscan:bem_matrices:<kind>):
%     usage               not seven inputs, or more than four outputs
%     badInput            an input of the wrong class or shape, a vertex
%                         coordinate that is NaN or Inf, an unknown profile
%     badIndex            an Fk value that is not a whole number in 1 .. nk
%     tooLarge            more than 46340 triangles in all
%     degenerateTriangle  a triangle of zero area
%     notClosed           an edge not shared by exactly two triangles
%     badOrientation      neighbouring triangles oriented in opposite senses
%     inwardSurface       a surface whose triangles all face inward (seen
%                         from inside their solid angles sum to -4*pi);
%                         use Fk(:, [1 3 2])
%     degenerateSurface   a closed surface that encloses no volume
%     notNested           surface k+1 not strictly inside surface k
%     singular            a system matrix singular to working precision
%     outOfMemory         no room for the N x N matrix
%
%   Example (see demo/bem_demo.m for a whole head of three spheres):
%     [B, B3, CoG, Triangles] = bem_matrices('quillet', V1, F1, V2, F2, V3, F3);
%     W = quillet([0 0 0.04], 1:Triangles(1), CoG, Triangles, B, B3);
%     W = W - mean(W, 2);   % average reference
%
%   See also QUILLET, NORVETH.
