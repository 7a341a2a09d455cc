function bem_demo()
  % eegscan BEM demo: a head of three concentric triangulated spheres built
  % from scratch, its BEM matrices from bem_matrices, and the lead field of
  % one dipole from quillet, compared with the three-shell series of pemrick.
  radius = 0.09;                              % head radius, metres
  shells = [1.0 0.9 0.8] * radius;            % scalp, skull, brain: outermost first
  for s = 1:3
    [V{s}, F{s}] = icosphere(3, shells(s));   % 1280 triangles each
  end
  printf('eegscan BEM demo: three spheres of %d triangles, radii %.3f %.3f %.3f m\n', ...
         rows(F{1}), shells);

  tic;
  [B, B3, CoG, Triangles] = bem_matrices('quillet', V{1}, F{1}, V{2}, F{2}, V{3}, F{3});
  printf('bem_matrices: B %d x %d, B3 %d x %d in %.1f s\n', rows(B), columns(B), ...
         rows(B3), columns(B3), toc);

  % Electrodes: every triangle of the scalp, its centroid the site.
  sIndex = 1:Triangles(1);
  r = [0.02 0.01 0.04];
  W = quillet(r, sIndex, CoG, Triangles, B, B3);     % 3 x numel(sIndex)
  W = W - mean(W, 2);                                  % average reference
  printf('quillet: lead field of a dipole at (%.2f, %.2f, %.2f) m at %d sites\n', r, columns(W));
  printf('first three sites (potential per unit dipole moment, x y z):\n');
  printf('  %12.4f %12.4f %12.4f\n', W(:, 1:3));

  % The same sites on the sphere, through the three-shell series.
  sites = CoG(:, sIndex).';
  sites = radius * sites ./ sqrt(sum(sites .^ 2, 2));
  printf('pemrick prints what it read: ');
  L = pemrick(r, sites).';
  printf('\n');
  L = L - mean(L, 2);
  for axis = 1:3
    u = W(axis, :); v = L(axis, :);
    printf('dipole along %s: RDM %.2f %%, magnitude ratio %.3f against the series\n', ...
           'xyz'(axis), 100 * norm(u / norm(u) - v / norm(v)), norm(u) / norm(v));
  end
end
