function test_quillet()
  % quillet and norveth through the real host: the worked values, how each
  % argument is read, both profiles against the closed form of the result,
  % and the argument-count errors.
  usage = 'Usage : W=quillet(r,sIndex,CoG,Triangles,B,B3);';

  % Worked values: one triangle, the dipole at the origin, one sensor.
  % {function, CoG, Triangles, B3, expected W}
  worked = {
    @quillet, [1; 0; 0], [1 0 0], [],   [0.0521232439; 0; 0]
    @norveth, [1; 0; 0], [1 0 0], [],   [0.00613820718; 0; 0]
    @quillet, [0; 2; 0], [1 0 0], [],   [0; 0.0130308110; 0]
    @quillet, [1; 0; 0], [0 0 1], 0.25, [0.0244595232; 0; 0]
    @norveth, [1; 0; 0], [0 0 1], 0.25, [0.00303053317; 0; 0]
  };
  for k = 1:rows(worked)
    [f, CoG, Triangles, B3, expected] = worked{k, :};
    expect_close(f([0 0 0], 1, CoG, Triangles, 1, B3), expected, 9, ...
                 sprintf('worked case %d (%s)', k, func2str(f)));
  end
  % B3 = 0.5 makes the correction cancel the direct term.
  for f = {@quillet, @norveth}
    W = f{1}([0 0 0], 1, [1; 0; 0], [0 0 1], 1, 0.5);
    assert(abs(W(1)) < 1e-17 && all(W(2:3) == 0), 'B3 = 0.5 does not cancel');
  end

  % A model of 2 + 3 + 2 triangles with unsymmetric B and B3.
  [r, CoG, Triangles, B, B3] = small_model();
  profiles = {@quillet, [0 0.2 0.0131 0.2]; @norveth, [0 0.33 0.0042 0.33]};
  sIndex = [3 7 1 5];
  for k = 1:rows(profiles)
    [f, sigma] = profiles{k, :};
    W = f(r, sIndex, CoG, Triangles, B, B3);
    expect_close(W, closed_form(sigma, r, sIndex, CoG, Triangles, B, B3), 12, ...
                 ['closed form, ' func2str(f)]);
  end
  Wq = quillet(r, sIndex, CoG, Triangles, B, B3);
  Wn = norveth(r, sIndex, CoG, Triangles, B, B3);
  assert(all(abs(Wq(:) - Wn(:)) > 1e-6), 'quillet and norveth give the same values');

  % sIndex as a row, a column and a matrix: storage order decides, and
  % column i of W is the lead field of the i-th element.
  for form = {sIndex, sIndex.', reshape(sIndex, 2, 2)}
    assert(isequal(quillet(r, form{1}, CoG, Triangles, B, B3), Wq), 'sIndex shape changes W');
  end
  for i = 1:numel(sIndex)
    assert(isequal(quillet(r, sIndex(i), CoG, Triangles, B, B3), Wq(:, i)), 'column order');
  end
  % Indices truncate toward zero: 2.9 is row 2; 1 is the first row.
  assert(isequal(quillet(r, 2.9, CoG, Triangles, B, B3), quillet(r, 2, CoG, Triangles, B, B3)));
  assert(isequal(quillet(r, [1 2.9], CoG, Triangles, B(1:2, :), B3), ...
                 quillet(r, [1 2], CoG, Triangles, B, B3)));
  % B as P x N (only the sensor rows) gives the same as N x N.
  assert(isequal(quillet(r, 1:4, CoG, Triangles, B(sIndex, :), B3), Wq), 'P x N B');
  % An element count that is not a multiple of N: the row count is the
  % truncated quotient and the extra values are never read.
  assert(isequal(quillet(r, sIndex, CoG, Triangles, [B(:); 99; -99; 99], B3), Wq), 'ragged B');
  % Only the first three Triangles values count, each truncated.
  assert(isequal(quillet(r, sIndex, CoG, [Triangles 4 9], B, B3), Wq), 'extra Triangles');
  W10 = quillet(r, 1, [CoG CoG], [10 0 0], ones(1, 10), []);
  assert(isequal(quillet(r, 1, [CoG CoG], [10.7 0 0], ones(1, 10), []), W10), 'count 10.7');
  % Geometry and B3 may come in any shape.
  assert(isequal(quillet(r(:), sIndex, CoG(:).', Triangles(:), B, B3(:)), Wq), 'shapes');

  % An empty sIndex gives a 3 x 0 matrix; a dipole on a centroid gives NaN.
  assert(isequal(size(quillet(r, [], CoG, Triangles, B, B3)), [3 0]), 'empty sIndex');
  assert(isequal(size(norveth(r, zeros(1, 0), CoG, Triangles, B, B3)), [3 0]), 'empty sIndex');
  assert(all(isnan(quillet(CoG(:, 4), sIndex, CoG, Triangles, B, B3)(:))), 'centroid NaN');

  % A call without an output variable still makes W.
  clear ans;
  quillet(r, sIndex, CoG, Triangles, B, B3);
  assert(isequal(ans, Wq), 'no output variable');

  % Five or seven inputs: the one usage text, for both functions.
  args = {r, sIndex, CoG, Triangles, B, B3};
  for name = {'quillet', 'norveth'}
    f = str2func(name{1});
    id = ['eegscan:' name{1} ':usage'];
    expect_error(@() f(args{1:5}), id, usage);
    expect_error(@() f(args{:}, 1), id, usage);
    expect_error(@() f(), id, usage);
  end
end

function [r, CoG, Triangles, B, B3] = small_model()
  % Centroids on three spheres (radii 1, 0.9, 0.8), a dipole inside, and
  % dense unsymmetric matrices so that any transposed read shows.
  Triangles = [2 3 2];
  radius = [1 1 0.9 0.9 0.9 0.8 0.8];
  theta = [0.3 1.9 0.7 1.4 2.6 0.5 2.2];
  phi = [0.1 2.0 3.9 1.1 5.0 2.8 4.4];
  CoG = [radius .* sin(theta) .* cos(phi); radius .* sin(theta) .* sin(phi); radius .* cos(theta)];
  r = [0.1 -0.05 0.2];
  B = reshape(sin(1:49) + 0.1 * (1:49), 7, 7);
  B3 = [0.3 0.7; -0.1 0.2];
end

function W = closed_form(sigma, r, sIndex, CoG, Triangles, B, B3)
  % The result in closed form, with 4*pi taken as 2 * 6.2831853:
  % outer triangle t on surface s: (sigma2/sigma3) * 2/(sigma(s-1)+sigma(s)) * U_t;
  % innermost t: (sigma2/sigma3) * (2/S) * U_t - (2*sigma2/S) * v_t with
  % v = (2/sigma3) * B3 * U and S = sigma2 + sigma3. sigma(1) is the exterior.
  counts = fix(Triangles(1:3));
  N = sum(counts); K = counts(3); M = N - K;
  surface = repelem(1:3, counts);
  d = CoG(:, 1:N) - r(:);
  U = d ./ (2 * 6.2831853 * sqrt(sum(d .^ 2, 1)) .^ 3);
  S = sigma(3) + sigma(4);
  g = zeros(3, N);
  for t = 1:M
    g(:, t) = sigma(3) / sigma(4) * 2 / (sigma(surface(t)) + sigma(surface(t) + 1)) * U(:, t);
  end
  inner = M + 1:N;
  v = (2 / sigma(4)) * U(:, inner) * reshape(B3(1:K * K), K, K).';
  g(:, inner) = sigma(3) / sigma(4) * (2 / S) * U(:, inner) - (2 * sigma(3) / S) * v;
  bRows = floor(numel(B) / N);
  Bm = reshape(B(1:bRows * N), bRows, N);
  W = g * Bm(fix(sIndex(:)), :).';
end
