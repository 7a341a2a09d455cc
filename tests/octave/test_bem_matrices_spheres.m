function test_bem_matrices_spheres()
  % bem_matrices followed by quillet or norveth against the exact potential
  % of three concentric spheres (radii 0.8, 0.9, 1.0 x 0.09 m), with the
  % sensors at the centroids of the outer triangles. Both sides are
  % average-referenced and compared by the relative difference measure
  % RDM = norm(u/norm(u) - v/norm(v)) and the magnitude ratio MAG =
  % norm(u)/norm(v), for dipoles along x, y and z at three eccentricities.
  % The quillet reference is pemrick; the norveth reference is the layered
  % series below, which is first checked against pemrick with quillet's
  % conductivities.
  % The meshes come from demo/icosphere.m, shared with the BEM demo.
  addpath(fullfile(fileparts(mfilename('fullpath')), '..', '..', 'demo'));
  R = 0.09;
  radii = [0.8 0.9 1.0] * R;               % innermost first
  direction = [0.3 0.5 0.81] / norm([0.3 0.5 0.81]);
  eccentricities = [0.2 0.48 0.65];
  levels = [2 3];                          % 320 and 1280 triangles per surface
  % {function, conductivities from the innermost compartment out}
  profiles = {'quillet', @quillet, [0.2 0.0131 0.2]; 'norveth', @norveth, [0.33 0.0042 0.33]};

  % The series against pemrick at a few sensors, for an eccentric dipole.
  sensors = R * [1 0 0; 0 0.6 0.8; -0.48 0.6 -0.64];
  source = [0.02 -0.03 0.04];
  printf('pemrick prints what it read: ');
  L = pemrick(source, sensors);
  printf('\n');
  for axis = 1:3
    expect_close(layered_sphere_potential(profiles{1, 3}, radii, source, unit(axis), sensors), ...
                 L(:, axis), 9, 'layered series against pemrick');
  end

  rdm = zeros(numel(levels), rows(profiles), numel(eccentricities));
  mag = rdm;
  for l = 1:numel(levels)
    for s = 1:3
      [V{s}, F{s}] = icosphere(levels(l), radii(4 - s));
    end
    for p = 1:rows(profiles)
      [name, lead_field, sigma] = profiles{p, :};
      [B, B3, CoG, Triangles] = bem_matrices(name, V{1}, F{1}, V{2}, F{2}, V{3}, F{3});
      m = Triangles(1);
      % The reference at the directions of the centroids, on the sphere.
      E = CoG(:, 1:m).';
      E = R * E ./ sqrt(sum(E .^ 2, 2));
      for e = 1:numel(eccentricities)
        r = eccentricities(e) * R * direction;
        W = lead_field(r, 1:m, CoG, Triangles, B, B3).';   % m x 3
        if p == 1
          printf('pemrick: ');
          exact = pemrick(r, E);
          printf('\n');
        else
          exact = zeros(m, 3);
          for axis = 1:3
            exact(:, axis) = layered_sphere_potential(sigma, radii, r, unit(axis), E);
          end
        end
        W = W - mean(W);
        exact = exact - mean(exact);
        worst = 0;
        for axis = 1:3
          u = W(:, axis); v = exact(:, axis);
          if norm(u / norm(u) - v / norm(v)) > worst
            worst = norm(u / norm(u) - v / norm(v));
            mag(l, p, e) = norm(u) / norm(v);
          end
        end
        rdm(l, p, e) = worst;
      end
    end
  end

  printf('\nRDM %% (MAG) against the exact spheres, worst of the x, y, z dipoles\n');
  printf('%-8s %5s %20s %20s\n', 'profile', 'ecc', '320 triangles', '1280 triangles');
  for p = 1:rows(profiles)
    for e = 1:numel(eccentricities)
      printf('%-8s %5.2f', profiles{p, 1}, eccentricities(e));
      printf('     %6.3f (%6.4f)', [100 * rdm(:, p, e) mag(:, p, e)].');
      printf('\n');
    end
  end

  % Below 1 % at 1280 triangles, smaller than at 320, and the magnitude
  % within 3 %.
  fine = squeeze(rdm(2, :, :));
  assert(all(fine(:) < 0.01), 'RDM of 1 %% or more at 1280 triangles');
  assert(all(rdm(2, :) < rdm(1, :)), 'RDM does not shrink from 320 to 1280 triangles');
  assert(all(abs(mag(2, :) - 1) < 0.03), 'magnitude off by 3 %% or more at 1280 triangles');
end

function p = unit(axis)
  p = zeros(1, 3);
  p(axis) = 1;
end

function Phi = layered_sphere_potential(sigma, radii, r0, p, E)
  % Potential at the points E (n x 3, all at radius radii(end)) of the
  % current dipole p at r0 in the innermost of concentric layers of
  % conductivities sigma (innermost first) bounded by radii. In each layer
  % the degree-n part is A r^n + B r^-(n+1); carrying it inward from the
  % outer surface (no normal current) across each interface (potential and
  % normal current continuous) gives the ratio T(n) between the potential on
  % the outer surface and the dipole's unbounded-medium potential of that
  % degree, T(n) = (2n+1)/n for a uniform sphere. Radii are taken relative
  % to the outer one; 300 terms leave less than 1e-12 at eccentricity 0.65.
  R = radii(end);
  b = radii / R;
  a0 = norm(r0);
  s = r0 / a0;
  rhat = E ./ sqrt(sum(E .^ 2, 2));
  x = rhat * s(:);
  ps = dot(p, s);
  pr = rhat * p(:);
  Phi = zeros(rows(E), 1);
  Pprev = ones(size(x)); P = x;            % Legendre P(n-1), P(n)
  dPprev = zeros(size(x)); dP = ones(size(x));   % their derivatives
  for n = 1:300
    A = 1;
    Bn = n / (n + 1);
    for k = numel(radii) - 1:-1:1
      bk = b(k);
      potential = A * bk ^ n + Bn * bk ^ (-n - 1);
      current = sigma(k + 1) * (n * A * bk ^ (n - 1) - (n + 1) * Bn * bk ^ (-n - 2));
      Bn = bk ^ (n + 2) * (n * potential / bk - current / sigma(k)) / (2 * n + 1);
      A = (potential - Bn * bk ^ (-n - 1)) / bk ^ n;
    end
    T = (2 * n + 1) / ((n + 1) * Bn);
    % p . grad_r0 of r0^n P_n(cos gamma), over R^(n+1), times T.
    term = T * (a0 / R) ^ (n - 1) / R ^ 2 * (n * P * ps + dP .* (pr - x * ps));
    Phi = Phi + term / (4 * pi * sigma(1));
    Pnext = ((2 * n + 1) * x .* P - n * Pprev) / (n + 1);
    dPnext = dPprev + (2 * n + 1) * P;
    Pprev = P; P = Pnext;
    dPprev = dP; dP = dPnext;
  end
end
