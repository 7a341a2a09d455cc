function test_bem_matrices()
  % bem_matrices through the real host on three nested octahedra: the shapes
  % and meaning of the four outputs, the output counts, and one bad call per
  % error identifier.
  usage = 'Usage : [B,B3,CoG,Triangles]=bem_matrices(profile,V1,F1,V2,F2,V3,F3);';
  [V, F] = octahedron();
  good = {'quillet', V, F, 0.9 * V, F, 0.8 * V, F};

  [B, B3, CoG, Triangles] = bem_matrices(good{:});
  assert(isequal(size(B), [24 24]) && isequal(size(B3), [8 8]), 'sizes of B and B3');
  assert(isequal(Triangles, [8 8 8]), 'Triangles');
  % Centroids surface by surface, in the order of the rows of F.
  centroids = @(V, F) ((V(F(:, 1), :) + V(F(:, 2), :) + V(F(:, 3), :)) / 3).';
  expect_close(CoG, [centroids(V, F) centroids(0.9 * V, F) centroids(0.8 * V, F)], 15, 'CoG');
  % A constant potential solves the homogeneous problem, so the deflated
  % inverses map ones to ones; a wrong sign or conductivity side breaks it.
  expect_close(B * ones(24, 1), ones(24, 1), 12, 'row sums of B');
  expect_close(B3 * ones(8, 1), ones(8, 1), 12, 'row sums of B3');
  % The profiles differ in B only; B3 has no conductivity in it.
  [Bn, B3n] = bem_matrices('norveth', good{2:end});
  assert(~isequal(Bn, B) && isequal(B3n, B3), 'profiles');

  % One to four outputs are the same matrices; no output variable gives B.
  for nout = 1:4
    out = call_with_outputs(nout, @bem_matrices, good{:});
    assert(isequal(out, {B, B3, CoG, Triangles}(1:nout)), sprintf('%d outputs', nout));
  end
  clear ans;
  bem_matrices(good{:});
  assert(isequal(ans, B), 'no output variable');
  expect_error(@() call_with_outputs(5, @bem_matrices, good{:}), 'eegscan:bem_matrices:usage', usage);
  expect_error(@() bem_matrices(good{1:6}), 'eegscan:bem_matrices:usage', usage);
  expect_error(@() bem_matrices(good{:}, F), 'eegscan:bem_matrices:usage', usage);

  % {argument position, bad value, identifier, what is wrong}
  flipOne = F; flipOne(3, :) = flipOne(3, [1 3 2]);
  flat = 0.9 * V; flat(:, 3) = 0;
  repeated = F; repeated(2, 3) = repeated(2, 1);
  bad = {
    1, 5,                     'badInput',           'profile numeric'
    1, 'Quillet',             'badInput',           'profile unknown'
    2, int32(V),              'badInput',           'V1 int32'
    2, complex(V),            'badInput',           'V1 complex'
    2, V.',                   'badInput',           'V1 transposed'
    2, V(:, 1:2),             'badInput',           'V1 with two columns'
    2, cat(3, V, V),          'badInput',           'V1 three-dimensional'
    2, [V; NaN 0 0],          'badInput',           'V1 with NaN'
    3, single(F),             'badInput',           'F1 single'
    3, zeros(0, 3),           'badInput',           'F1 empty'
    3, [F ones(8, 1)],        'badInput',           'F1 with four columns'
    3, [F; 1 2 0],            'badIndex',           'F1 with 0'
    3, [F; 1 2 7],            'badIndex',           'F1 beyond V1'
    3, [F; 1 2 2.5],          'badIndex',           'F1 not whole'
    3, [F; 1 2 NaN],          'badIndex',           'F1 NaN'
    3, repmat(F, 5800, 1),    'tooLarge',           'more than 46340 triangles'
    5, repeated,              'degenerateTriangle', 'repeated corner'
    5, F(1:7, :),             'notClosed',          'a triangle missing'
    7, flipOne,               'badOrientation',     'one triangle flipped'
    7, F(:, [1 3 2]),         'inwardSurface',      'all triangles flipped'
    4, flat,                  'degenerateSurface',  'flattened middle surface'
    6, 1.2 * V,               'notNested',          'inner surface outside'
    4, 1.1 * V,               'notNested',          'middle surface outside the outer one'
  };
  for k = 1:rows(bad)
    args = good;
    args{bad{k, 1}} = bad{k, 2};
    try
      expect_error(@() bem_matrices(args{:}), ['eegscan:bem_matrices:' bad{k, 3}]);
    catch err
      error('test:badInput', '%s: %s', bad{k, 4}, err.message);
    end
  end
  % Messages name the element or the triangles at fault, counted from 1.
  expect_error(@() bem_matrices(good{1:2}, [F; 1 2 7], good{4:end}), ...
               'eegscan:bem_matrices:badIndex', ...
               'F1(9,3) = 7 is not a vertex number of V1 (a whole number from 1 to 6)');
  expect_error(@() bem_matrices('xyz', good{2:end}), 'eegscan:bem_matrices:badInput', ...
               'profile must be ''quillet'' or ''norveth'', not ''xyz''');
  expect_error(@() bem_matrices(good{1:4}, F(2:8, :), good{6:end}), ...
               'eegscan:bem_matrices:notClosed', ...
               ['the edge between vertices 1 and 3 of surface 2 belongs to 1 triangle (4); ' ...
                'on a closed surface every edge belongs to exactly two']);
  % Still running after the errors.
  assert(isequal(bem_matrices(good{:}), B), 'good call after bad ones');
end

function [V, F] = octahedron()
  % The regular octahedron of radius 1, triangles counterclockwise seen
  % from outside.
  V = [1 0 0; -1 0 0; 0 1 0; 0 -1 0; 0 0 1; 0 0 -1];
  F = [1 3 5; 3 2 5; 2 4 5; 4 1 5; 3 1 6; 2 3 6; 4 2 6; 1 4 6];
end
