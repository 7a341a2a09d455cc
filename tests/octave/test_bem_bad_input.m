function test_bem_bad_input()
  % Every input quillet and norveth cannot use is answered with a badInput
  % error before W is made, and Octave keeps running.
  r = [0 0 0.5];
  sIndex = [1 3];
  CoG = [1 0 0; 0 0.9 0; 0 0 0.8].';
  Triangles = [1 1 1];
  B = magic(3);
  B3 = 0.25;
  good = {r, sIndex, CoG, Triangles, B, B3};

  % {argument position, bad value, what is wrong}
  bad = {
    1, int32([0 0 1]),          'r not double'
    1, single([0 0 1]),         'r single'
    1, [0 0 1] + 1i,            'r complex'
    1, sparse([0 0 1]),         'r sparse'
    1, true(1, 3),              'r logical'
    1, 'abc',                   'r char'
    1, {0, 0, 1},               'r cell'
    1, struct('x', {0 0 1}),    'r struct'
    1, [0 0],                   'r with two values'
    2, int32([1 3]),            'sIndex int32'
    2, 0,                       'sIndex 0'
    2, 0.5,                     'sIndex truncating to 0'
    2, -1,                      'sIndex negative'
    2, 4,                       'sIndex beyond the rows of B'
    2, [1 NaN],                 'sIndex NaN'
    2, Inf,                     'sIndex Inf'
    3, CoG(:, 1:2),             'CoG with two centroids for three triangles'
    3, CoG(1:8),                'CoG with 8 values'
    3, single(CoG),             'CoG single'
    4, [1 1],                   'Triangles with two values'
    4, [1 -1 1],                'Triangles negative'
    4, [0 0 0],                 'no triangles'
    4, [NaN 1 1],               'Triangles NaN'
    4, [1 Inf 1],               'Triangles Inf'
    4, [1e10 1 1],              'Triangles beyond int'
    4, [2^30 2^30 2^30],        'Triangles summing beyond int'
    4, uint8([1 1 1]),          'Triangles uint8'
    5, [1 2],                   'B with fewer values than triangles'
    5, [],                      'B empty'
    5, sparse(B),               'B sparse'
    5, complex(B),              'B complex'
    6, [],                      'B3 empty with K = 1'
    6, logical(1),              'B3 logical'
  };
  for name = {'quillet', 'norveth'}
    f = str2func(name{1});
    id = ['eegscan:' name{1} ':badInput'];
    for k = 1:rows(bad)
      args = good;
      args{bad{k, 1}} = bad{k, 2};
      try
        expect_error(@() f(args{:}), id);
      catch err
        error('test:badInput', '%s, %s: %s', name{1}, bad{k, 3}, err.message);
      end
    end
    % B3 with fewer than K^2 values for K = 2.
    expect_error(@() f(r, 1, [CoG [0; 0; 0.7]], [1 1 2], ones(3, 4), [1 0 0]), id);
    % The message names the offending element and the valid range.
    expect_error(@() f(r, [1 4], CoG, Triangles, B, B3), id, 'sIndex(2) = 4 is not a row of B (1 to 3)');
    % Still running, and the good call still works.
    W = f(good{:});
    assert(isequal(size(W), [3 2]) && all(isfinite(W(:))), 'good call after bad ones');
  end
end
